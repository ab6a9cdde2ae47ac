#ifndef VOICENAMES_H
#define VOICENAMES_H

#include <QString>

// What the voice list offers and how it names the voices. The program is
// used in Chinese and English, so a narrowed list holds the Mandarin, the
// Cantonese and the English voices, and the voices of the desktop's
// language.
namespace VoiceNames {

// The name the list shows: for the voices of the program's languages a name
// in the interface language ("Chinese (Mandarin)", "English (America)"),
// else the platform's description of the voice, else its identifier.
QString readableName(const QString &id, const QString &platformName);

// Whether a narrowed list offers the voice, given its language tag
// ("en-gb-scotland") and the desktop's language as desktopLanguage() gives it.
bool isOffered(const QString &id, const QString &languageTag, const QString &desktopLanguage);

// The language of the desktop's locale as a lower-case tag without region
// ("de", "zh"); empty for the C locale.
QString desktopLanguage();

}

#endif // VOICENAMES_H
