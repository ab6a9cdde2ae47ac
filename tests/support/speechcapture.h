#ifndef SPEECHCAPTURE_H
#define SPEECHCAPTURE_H

#include <QStringList>

// Every SpeechService a test program builds speaks through a recording back
// end with one Mandarin voice, so nothing is played and a test can read what
// the program read aloud.
namespace SpeechCapture {
void install();
// The texts spoken by the newest speech service, in order.
QStringList spokenTexts();
// How often the newest speech service cut a reading off.
int cutOffs();
void clear();
}

#endif // SPEECHCAPTURE_H
