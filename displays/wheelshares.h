#ifndef WHEELSHARES_H
#define WHEELSHARES_H

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

// How the wheel display shares a class's IDs out over its wheels, what each
// wheel shows and how far a draw spins them.

// The IDs of each of wheelCount wheels, left to right, in the order given:
// the wheel sizes differ by one at most, the larger ones on the left, so a
// student on a small wheel is drawn no more often than one on a large one,
// and no wheel stays empty while there are IDs enough. Empty for
// wheelCount < 1.
QVector<QStringList> wheelShares(const QStringList &ids, int wheelCount);

// How many trailing characters of an ID a wheel shows: the more wheels share
// the panel, the narrower each is.
int wheelShowChars(int wheelCount);

// The text a wheel draws for an item: its last showChars characters, the
// whole item when it is shorter (or showChars is negative).
QString wheelItemText(const QString &item, int showChars);

// Width of the spacers placed before and after the wheels so that one or two
// wheels stand near the middle of the panel; 0 when no spacers are placed.
int wheelSpacerWidth(int wheelCount);

// How many rounds a spin may add beyond its first full round, by the item
// count of the first wheel: short wheels turn more rounds.
float wheelSpinFactor(int itemCount);

// How many different counts of whole extra rounds a spin of that factor
// chooses from (0 up to one less than the result).
int wheelSpinRounds(float factor);

// The index a wheel of itemCount items (> 0) is sent to from currentIndex:
// one full round and extraRounds more, then step items (0 <= step <
// itemCount) on, so that it comes to rest on item (currentIndex + step)
// modulo itemCount. With step drawn evenly the landing is even, wherever the
// wheel stood.
int wheelSpinTarget(int currentIndex, int itemCount, int extraRounds, int step);

struct WheelColors
{
    QColor frame;
    QColor fill;
};

// Opaque frame and fill colours of a new wheel from the draws' generator:
// the frame's blue, green and red channels first, then the fill's, which
// stays light enough for the items to be read.
WheelColors randomWheelColors();

#endif // WHEELSHARES_H
