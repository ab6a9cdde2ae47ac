#include "app/floatingplace.h"

#include "common/settingsmap.h"

#include <algorithm>

using namespace SettingsMap;

namespace FloatingPlace {

namespace {

// The top-left corner that brings a window of size inside area, moving it as
// little as it can; a window larger than the area keeps to its top left.
QPoint inside(const QPoint &topLeft, const QSize &size, const QRect &area)
{
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    return QPoint(x, y);
}

int shownArea(const QRect &window, const QRect &screen)
{
    const QRect shown = window.intersected(screen);
    return shown.isEmpty() ? 0 : shown.width() * shown.height();
}

}

QPoint onScreen(const std::optional<QPoint> &stored, const QSize &size, const QVector<QRect> &screens)
{
    if (screens.isEmpty())
        return stored.value_or(QPoint(0, 0));
    const QRect &primary = screens.first();
    if (!stored) {
        return inside(primary.bottomRight() + QPoint(1, 1) - QPoint(size.width(), size.height())
                          - QPoint(kMargin, kMargin),
                      size, primary);
    }
    const QRect window(*stored, size);
    const QRect *best = &primary;
    int bestArea = 0;
    for (const QRect &screen : screens) {
        const int area = shownArea(window, screen);
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    return inside(*stored, size, *best);
}

QPoint besideButton(const QRect &button, const QSize &result, const QRect &screen)
{
    const int left = button.left() - kMargin - result.width();
    const int x = left >= screen.left() ? left : button.right() + 1 + kMargin;
    const int y = button.top() + (button.height() - result.height()) / 2;
    return inside(QPoint(x, y), result, screen.adjusted(kMargin, kMargin, -kMargin, -kMargin));
}

int resultTextPixels(int screenHeight)
{
    return std::max(24, screenHeight / 20);
}

std::optional<QPoint> storedPosition()
{
    const QVariant value = readSetting(kProgramArea, kViewFloatingPos);
    if (value.type() != QVariant::Point)
        return std::nullopt;
    return value.toPoint();
}

void storePosition(const QPoint &topLeft)
{
    writeSetting(kProgramArea, kViewFloatingPos, topLeft);
}

bool storedShown()
{
    return readSetting(kProgramArea, kViewFloating, false).toBool();
}

void storeShown(bool shown)
{
    writeSetting(kProgramArea, kViewFloating, shown);
}

}
