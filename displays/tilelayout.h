#ifndef TILELAYOUT_H
#define TILELAYOUT_H

#include "displays/randomsource.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

// Font sizes and spacing of one arrangement, chosen from the number of names:
// tiles start at baseSize + 0 ... sizeSpread - 1 points; a cell with less than
// tileGap pixels to spare in a direction is not cut further in it.
struct TileSizing
{
    int baseSize;
    int sizeSpread;
    int tileGap;
};

TileSizing tileSizing(int nameCount, int fontPointSize);

// The result of an arrangement, one entry per name: the tile (a null
// rectangle when the name found no place), the point size of its text and
// its text colour.
struct TileArrangement
{
    std::vector<QRect> rects;
    std::vector<int> pointSizes;
    std::vector<QColor> colours;
};

// Width and height of name `index` drawn at `pointSize`.
using TileMeasure = std::function<QSize(int index, int pointSize)>;

// Scatters nameCount tiles over a board of boardSize pixels (the widget's
// size; a 1-pixel rim on the right and bottom stays free), taking the names
// in random order and shrinking a name's font until it finds room.
TileArrangement arrangeTileRects(int nameCount, const QSize &boardSize, int fontPointSize,
                                 bool randomCorner, const TileMeasure &measure,
                                 const RandomSource &random);

// Where the large label of the highlighted tile goes: centred on its tile
// (or near the middle of the board when the tile has no area), pushed inside
// the board with a margin of 2 pixels at the top and left and 4 at the
// bottom and right. labelSize is the text's width and line height.
QRect highlightLabelRect(const QRect &tile, const QSize &labelSize, const QSize &boardSize);

#endif // TILELAYOUT_H
