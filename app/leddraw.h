#ifndef LEDDRAW_H
#define LEDDRAW_H

#include <QString>
#include <vector>

// The arithmetic of the draw on the LED number display: its pace, the
// character ring that scrolls past in roll mode, and what is announced.

// Milliseconds between two steps for a speed of 1 to 600; roll mode steps
// one and a half times as often.
int drawIntervalMs(int speed, bool rollMode);

// The ring of roll mode: blanks that bring the first ID to the right edge of
// a display of the given digit count, then every ID followed by two blanks.
std::vector<char> buildRollerRing(const std::vector<QString> &ids, int digits);

// One roll step: the digit-count characters that begin at position, wrapping
// round the ring; position moves on by one. Empty for an empty ring.
QString rollerWindow(const std::vector<char> &ring, unsigned &position, int digits);

// The IDs the display shows completely, left to right, when it shows text
// and the next roll step would start at nextPosition.
std::vector<QString> completeIdsShown(const std::vector<char> &ring, unsigned nextPosition,
                                      const QString &shownText);

// The ID of which the display shows the most characters, the first of
// equals, for an ID longer than the display, which it never shows whole;
// empty when it shows only blanks. The next roll step would start at
// nextPosition.
QString mostShownId(const std::vector<char> &ring, unsigned nextPosition, int digits);

#endif // LEDDRAW_H
