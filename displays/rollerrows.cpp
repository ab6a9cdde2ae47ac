#include "displays/rollerrows.h"

#include <algorithm>

namespace {
const int kScorePanelWidth = 90;
const int kLargestPointSize = 1000;
}

MarkedRows markedRows(int nameCount, int visibleCount, int selectCount)
{
    const int rows = nameCount > 0 ? std::min(visibleCount, nameCount) : visibleCount;
    const int marked = std::min(rows, selectCount);
    return {rows, marked, rows / 2 - marked / 2};
}

std::vector<int> randomRowOrder(int nameCount, const RandomSource &random)
{
    std::vector<int> order;
    if (nameCount <= 0)
        return order;
    order.reserve(size_t(nameCount));
    std::vector<bool> used(size_t(nameCount), false);
    while (int(order.size()) < nameCount) {
        const int i = random() % nameCount;
        if (used[size_t(i)])
            continue;
        used[size_t(i)] = true;
        order.push_back(i);
    }
    return order;
}

std::vector<int> namesInRows(const std::vector<int> &rowOrder, int nameCount, int current, int first,
                             int count)
{
    std::vector<int> names;
    if (nameCount <= 0)
        return names;
    for (int k = 0; k < count; ++k) {
        const int position = ((current + first + k) % nameCount + nameCount) % nameCount;
        if (position >= int(rowOrder.size()))
            continue;
        const int name = rowOrder[size_t(position)];
        if (name >= 0 && name < nameCount)
            names.push_back(name);
    }
    return names;
}

int fittedRollerPointSize(int pointSize, int visibleCount, int height,
                          const std::function<int(int pointSize)> &lineHeight)
{
    int size = std::max(pointSize, 1);
    while (size < kLargestPointSize && lineHeight(size) * visibleCount < height)
        ++size;
    return std::max(size - 3, 1);
}

ScorePanelSpacers scorePanelSpacers(int width, int boxWidth)
{
    return {std::min(width - kScorePanelWidth, width / 2 + boxWidth / 2 + 10),
            std::max(width - width / 2 - boxWidth / 2 - 100, 1)};
}
