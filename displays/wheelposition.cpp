#include "displays/wheelposition.h"

int wheelContentY(int item, int offset, int itemHeight)
{
    return kWheelOrigin + item * itemHeight + offset;
}

int wheelIndexInRange(int index, int itemHeight, int itemCount)
{
    if (itemCount <= 0 || itemHeight <= 0)
        return index;
    const int lastInRange = (kWheelContentHeight - kWheelOrigin) / itemHeight;
    const int firstInRange = -(kWheelOrigin / itemHeight);
    if (index > lastInRange)
        index -= (index - lastInRange + itemCount - 1) / itemCount * itemCount;
    if (index < firstInRange)
        index += (firstInRange - index + itemCount - 1) / itemCount * itemCount;
    return index;
}

WheelPosition wheelPositionAt(double contentY, int itemHeight, int itemCount)
{
    // Above the origin the truncating division and remainder come out
    // negative; one step back brings both into range.
    const int turned = static_cast<int>(contentY - kWheelOrigin);
    WheelPosition position;
    position.item = (turned / itemHeight) % itemCount;
    position.offset = turned % itemHeight;
    if (position.offset < 0) {
        position.offset += itemHeight;
        --position.item;
    }
    if (position.item < 0)
        position.item += itemCount;
    return position;
}

QVector<WheelRow> visibleWheelRows(WheelPosition position, int itemHeight, int itemCount, int height)
{
    QVector<WheelRow> rows;
    if (itemCount <= 0 || itemHeight <= 0)
        return rows;
    const int offset = position.offset % itemHeight;
    const int half = height / 2;
    const int reach = half / itemHeight;
    for (int i = -reach; i <= reach + 1; ++i) {
        const int item = ((position.item + i) % itemCount + itemCount) % itemCount;
        rows.append({item, half + i * itemHeight - offset - itemHeight / 2});
    }
    return rows;
}
