#ifndef VIEWSETTINGS_H
#define VIEWSETTINGS_H

// How the main window is shown: its zoom, a whole percent from 100 to 300 in
// steps of 25, and whether the drawn students' names are shown. Both are kept
// in the settings area "Velmor Zandrel" and read again at the next start.
namespace ViewSettings {

constexpr int kActualSize = 100;
constexpr int kLargestZoom = 300;
constexpr int kZoomStep = 25;

// The nearest zoom there is to percent: a stored value that was edited by
// hand or written by another version still gives a window that fits a step.
int validZoom(int percent);
// steps (negative: smaller) steps on from zoom, held within the range.
int steppedZoom(int zoom, int steps);

int storedZoom();
void storeZoom(int percent);
bool storedShowNames();
void storeShowNames(bool show);

}

#endif // VIEWSETTINGS_H
