#include "app/viewsettings.h"

#include "common/settingsmap.h"

#include <algorithm>

using namespace SettingsMap;

namespace ViewSettings {

int validZoom(int percent)
{
    const int clamped = std::clamp(percent, kActualSize, kLargestZoom);
    return kActualSize + (clamped - kActualSize + kZoomStep / 2) / kZoomStep * kZoomStep;
}

int steppedZoom(int zoom, int steps)
{
    return validZoom(validZoom(zoom) + steps * kZoomStep);
}

int storedZoom()
{
    bool isNumber = false;
    const int percent = readSetting(kProgramArea, kViewZoom, kActualSize).toInt(&isNumber);
    return isNumber ? validZoom(percent) : kActualSize;
}

void storeZoom(int percent)
{
    writeSetting(kProgramArea, kViewZoom, validZoom(percent));
}

bool storedShowNames()
{
    return readSetting(kProgramArea, kViewShowNames, true).toBool();
}

void storeShowNames(bool show)
{
    writeSetting(kProgramArea, kViewShowNames, show);
}

QString storedLastClass()
{
    return readSetting(kProgramArea, kLastClass).toString();
}

void storeLastClass(const QString &className)
{
    writeSetting(kProgramArea, kLastClass, className);
}
}
