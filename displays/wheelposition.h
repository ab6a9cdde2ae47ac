#ifndef WHEELPOSITION_H
#define WHEELPOSITION_H

#include <QVector>

// The wheel's virtual scroll space: the scroller's content runs from 0 to
// kWheelContentHeight pixels and item 0 sits at kWheelOrigin, so the wheel can
// turn that far in either direction before the scroller's range ends.
constexpr int kWheelOrigin = 50000;
constexpr int kWheelContentHeight = 100000;

// The item at the wheel's centre line and how many pixels (0 ... itemHeight - 1)
// it has scrolled past it.
struct WheelPosition
{
    int item = 0;
    int offset = 0;
};

// The content position at which the wheel shows position item, offset.
int wheelContentY(int item, int offset, int itemHeight);

// An index of the same item as index (whole rounds away) whose content
// position lies in the scroller's range, so that a scroll to it lands on item
// index mod itemCount. Rounds longer than the range cannot always be fitted;
// index is kept as it is when there are no items.
int wheelIndexInRange(int index, int itemHeight, int itemCount);

// The position a content position y means, wrapped into 0 ... itemCount - 1
// in both directions. itemHeight and itemCount must be > 0.
WheelPosition wheelPositionAt(double contentY, int itemHeight, int itemCount);

// One item row of the painted wheel: the item and the top of its rectangle.
struct WheelRow
{
    int item;
    int top;
};

// The rows a wheel of the given height paints around its centre line, top to
// bottom: only those that can be visible, whatever the item count. Empty when
// there are no items.
QVector<WheelRow> visibleWheelRows(WheelPosition position, int itemHeight, int itemCount, int height);

#endif // WHEELPOSITION_H
