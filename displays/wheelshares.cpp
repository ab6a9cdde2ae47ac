#include "displays/wheelshares.h"

#include "common/drawrandom.h"

QVector<QStringList> wheelShares(const QStringList &ids, int wheelCount)
{
    QVector<QStringList> shares;
    if (wheelCount < 1)
        return shares;
    const int per = ids.size() / wheelCount;
    const int largeWheels = ids.size() % wheelCount;
    int next = 0;
    for (int wheel = 0; wheel < wheelCount; ++wheel) {
        const int share = wheel < largeWheels ? per + 1 : per;
        shares.append(ids.mid(next, share));
        next += share;
    }
    return shares;
}

int wheelShowChars(int wheelCount)
{
    switch (wheelCount) {
    case 2: return 12;
    case 3: return 10;
    case 4: return 8;
    case 5: return 7;
    case 6: return 5;
    default: return 14;
    }
}

QString wheelItemText(const QString &item, int showChars)
{
    return showChars < 0 ? item : item.right(showChars);
}

int wheelSpacerWidth(int wheelCount)
{
    switch (wheelCount) {
    case 1: return 140;
    case 2: return 80;
    default: return 0;
    }
}

float wheelSpinFactor(int itemCount)
{
    if (itemCount < 40)
        return 5.0f;
    if (itemCount < 50)
        return 4.0f;
    if (itemCount < 70)
        return 3.0f;
    if (itemCount < 80)
        return 2.0f;
    if (itemCount < 120)
        return 1.5f;
    return 1.2f;
}

int wheelSpinRounds(float factor)
{
    return qMax(static_cast<int>(factor), 1);
}

int wheelSpinTarget(int currentIndex, int itemCount, int extraRounds, int step)
{
    return currentIndex + itemCount * (1 + extraRounds) + step;
}

WheelColors randomWheelColors()
{
    const auto channels = [](int base, int range) {
        const int blue = base + drawRandomBelow(range);
        const int green = base + drawRandomBelow(range);
        const int red = base + drawRandomBelow(range);
        return QColor(red, green, blue);
    };
    WheelColors colors;
    colors.frame = channels(0, 250);
    colors.fill = channels(100, 150);
    return colors;
}
