#ifndef VIEWSETTINGS_H
#define VIEWSETTINGS_H

#include <QString>

// How the main window is shown: its zoom, a whole percent from 100 to 300 in
// steps of 25, whether the drawn students' names are shown, and the class it
// shows. All are kept in the settings area "Velmor Zandrel" and read again at
// the next start.
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
// The name of the class chosen last, so that the next start (also the one
// after a language change or a restore) begins on it; empty when none was.
QString storedLastClass();
void storeLastClass(const QString &className);
}

#endif // VIEWSETTINGS_H
