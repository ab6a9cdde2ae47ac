#ifndef ROLLERROWS_H
#define ROLLERROWS_H

#include "displays/randomsource.h"

#include <functional>
#include <vector>

// The rows of the TV roller: `rows` rows are shown (the visible count, or
// fewer when there are fewer names), and the `marked` rows from `first` on,
// the middle ones, hold the drawn names.
struct MarkedRows
{
    int rows;
    int marked;
    int first;
};

MarkedRows markedRows(int nameCount, int visibleCount, int selectCount);

// A random order of the names 0 ... nameCount - 1, each exactly once.
std::vector<int> randomRowOrder(int nameCount, const RandomSource &random);

// The names shown in `count` consecutive rows from row `first` on, when the
// top row shows entry `current` of the row order; the column wraps around.
// Entries that do not name one of the nameCount names are left out.
std::vector<int> namesInRows(const std::vector<int> &rowOrder, int nameCount, int current, int first,
                             int count);

// The point size of the roller's rows: the first size, from the given one
// up, at which visibleCount lines reach the height, made 3 points smaller
// (but at least 1). lineHeight gives the line height of a point size.
int fittedRollerPointSize(int pointSize, int visibleCount, int height,
                          const std::function<int(int pointSize)> &lineHeight);

// Widths of the spacers left and right of the score panel, so that the
// panel sits just right of marked boxes boxWidth wide, or at the right edge
// of a roller `width` wide when the names are too wide.
struct ScorePanelSpacers
{
    int left;
    int right;
};

ScorePanelSpacers scorePanelSpacers(int width, int boxWidth);

#endif // ROLLERROWS_H
