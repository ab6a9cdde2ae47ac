#include "app/viewsettings.h"

#include <QSettings>

#include <algorithm>

namespace ViewSettings {

namespace {
const char *const kOrganization = "Velmor";
const char *const kApplication = "Velmor Zandrel";
const char *const kZoomKey = "View_Zoom";
const char *const kShowNamesKey = "View_ShowNames";
}

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
    QSettings settings(kOrganization, kApplication);
    bool isNumber = false;
    const int percent = settings.value(kZoomKey, kActualSize).toInt(&isNumber);
    return isNumber ? validZoom(percent) : kActualSize;
}

void storeZoom(int percent)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(kZoomKey, validZoom(percent));
}

bool storedShowNames()
{
    QSettings settings(kOrganization, kApplication);
    return settings.value(kShowNamesKey, true).toBool();
}

void storeShowNames(bool show)
{
    QSettings settings(kOrganization, kApplication);
    settings.setValue(kShowNamesKey, show);
}

}
