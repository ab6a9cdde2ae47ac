#include "displays/tilelayout.h"

#include "displays/spacetree.h"

#include <algorithm>

namespace {
const int kShrinkAttempts = 20;
const int kFallbackSide = 2;
const int kColourLimit = 240;
}

TileSizing tileSizing(int nameCount, int fontPointSize)
{
    if (nameCount < 160)
        return {fontPointSize, 8, 10};
    if (nameCount < 256)
        return {fontPointSize - 2, 6, 7};
    if (nameCount < 512)
        return {3, 2, 5};
    return {2, 1, 5};
}

TileArrangement arrangeTileRects(int nameCount, const QSize &boardSize, int fontPointSize,
                                 bool randomCorner, const TileMeasure &measure,
                                 const RandomSource &random)
{
    TileArrangement result;
    if (nameCount <= 0)
        return result;
    result.rects.assign(size_t(nameCount), QRect());
    result.pointSizes.assign(size_t(nameCount), fontPointSize);

    const TileSizing sizing = tileSizing(nameCount, fontPointSize);
    SpaceTree tree(std::max(boardSize.width() - 2, 0), std::max(boardSize.height() - 2, 0),
                   sizing.tileGap, random);

    // Each draw picks one of the names not yet placed; the list of those is
    // kept packed, so a draw never has to be repeated.
    std::vector<int> unplaced(static_cast<size_t>(nameCount));
    for (int i = 0; i < nameCount; ++i)
        unplaced[size_t(i)] = i;

    while (!unplaced.empty()) {
        const size_t pick = size_t(random()) % unplaced.size();
        const int i = unplaced[pick];
        unplaced[pick] = unplaced.back();
        unplaced.pop_back();

        int pointSize = fontPointSize;
        int failedPointSize = 0;
        QSize failed;
        const SpaceNode *cell = nullptr;
        for (int attempt = 1; attempt <= kShrinkAttempts && !cell; ++attempt) {
            pointSize = attempt == 1 ? sizing.baseSize + random() % sizing.sizeSpread
                                     : sizing.baseSize - (attempt - 1);
            pointSize = std::max(pointSize, 1);
            // Nothing changes the free space between attempts, so a size that
            // covers one that found no room finds none either.
            if (pointSize == failedPointSize)
                continue;
            const QSize item = measure(i, pointSize);
            if (failed.isValid() && item.width() >= failed.width() && item.height() >= failed.height()) {
                failedPointSize = pointSize;
                continue;
            }
            cell = tree.placeItem(item.width(), item.height(), randomCorner, true);
            if (cell)
                result.rects[size_t(i)] = QRect(cell->x + (cell->w - item.width()) / 2,
                                                cell->y + (cell->h - item.height()) / 2,
                                                item.width(), item.height());
            else {
                failed = item;
                failedPointSize = pointSize;
            }
        }
        if (!cell) {
            cell = tree.placeItem(kFallbackSide, kFallbackSide, randomCorner, true);
            if (cell)
                result.rects[size_t(i)] = QRect(cell->x + (cell->w - kFallbackSide) / 2,
                                                cell->y + (cell->h - kFallbackSide) / 2,
                                                kFallbackSide, kFallbackSide);
        }
        if (cell)
            result.pointSizes[size_t(i)] = pointSize;
    }

    result.colours.reserve(size_t(nameCount));
    for (int i = 0; i < nameCount; ++i) {
        const int b = random() % kColourLimit;
        const int g = random() % kColourLimit;
        const int r = random() % kColourLimit;
        result.colours.emplace_back(r, g, b, 255);
    }
    return result;
}

QRect highlightLabelRect(const QRect &tile, const QSize &labelSize, const QSize &boardSize)
{
    const int width = boardSize.width();
    const int height = boardSize.height();
    QRect anchor = tile;
    if (anchor.width() == 0 || anchor.height() == 0)
        anchor = QRect(width / 2 - 10, height / 2 - 10, 4, 4);

    const int tw = labelSize.width() + 8;
    const int th = labelSize.height() + 4;
    int left = (anchor.left() + anchor.right()) / 2 - tw / 2;
    int top = (anchor.top() + anchor.bottom()) / 2 - th / 2;
    if (left < 2)
        left = 2;
    else if (left + tw + 4 > width)
        left = width - tw - 4;
    if (top < 2)
        top = 2;
    else if (top + th + 4 > height)
        top = height - th - 4;
    return QRect(left, top, tw, th);
}
