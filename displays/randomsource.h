#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

#include <functional>

// A source of non-negative random ints, drawn like std::rand(). The widgets
// pass drawRandomInt, so that every draw takes from the one generator of the
// draws; tests pass a generator of their own to get repeatable sequences.
using RandomSource = std::function<int()>;

#endif // RANDOMSOURCE_H
