#ifndef DRAWRANDOM_H
#define DRAWRANDOM_H

#include <QRandomGenerator>

// The one generator behind every random choice of a draw: the tiles and
// their trace, the roller's order and start, the LED's start, the wheels'
// colours and landings and the voice read with. It starts from the system's
// entropy once per run, so two runs, or two arrangements within one second,
// never repeat each other. Everything runs on the interface thread, so the
// generator needs no lock.
QRandomGenerator &drawRandom();

// Restarts the generator from a fixed state, so that the draws that follow
// repeat from run to run (tests and benchmarks).
void setDrawRandomState(quint32 state);

// A whole number from 0 to bound - 1, each equally likely; 0 when bound < 1.
int drawRandomBelow(int bound);

// A non-negative int from the generator, drawn as std::rand() draws one, for
// the arrangement code that takes such a source.
int drawRandomInt();

#endif // DRAWRANDOM_H
