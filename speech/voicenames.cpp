#include "speech/voicenames.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {
struct NamedVoice
{
    const char *id;
    const char *name;
};

// espeak-ng's voices of the languages the program is used in. Its voices
// that read Chinese from a Latin transcription are left out: the Mandarin
// voice already speaks through the pinyin one, and both read characters.
const NamedVoice kNamedVoices[] = {
    {"sit/cmn", QT_TRANSLATE_NOOP("VoiceNames", "Chinese (Mandarin)")},
    {"sit/yue", QT_TRANSLATE_NOOP("VoiceNames", "Chinese (Cantonese)")},
    {"gmw/en-US", QT_TRANSLATE_NOOP("VoiceNames", "English (America)")},
    {"gmw/en-US-nyc", QT_TRANSLATE_NOOP("VoiceNames", "English (America, New York City)")},
    {"gmw/en", QT_TRANSLATE_NOOP("VoiceNames", "English (Great Britain)")},
    {"gmw/en-GB-x-rp", QT_TRANSLATE_NOOP("VoiceNames", "English (Received Pronunciation)")},
    {"gmw/en-GB-scotland", QT_TRANSLATE_NOOP("VoiceNames", "English (Scotland)")},
    {"gmw/en-GB-x-gbclan", QT_TRANSLATE_NOOP("VoiceNames", "English (Lancaster)")},
    {"gmw/en-GB-x-gbcwmd", QT_TRANSLATE_NOOP("VoiceNames", "English (West Midlands)")},
    {"gmw/en-029", QT_TRANSLATE_NOOP("VoiceNames", "English (Caribbean)")},
};

const NamedVoice *namedVoice(const QString &id)
{
    const auto found = std::find_if(std::begin(kNamedVoices), std::end(kNamedVoices),
                                    [&id](const NamedVoice &voice) { return id == QLatin1String(voice.id); });
    return found == std::end(kNamedVoices) ? nullptr : found;
}
}

namespace VoiceNames {

QString readableName(const QString &id, const QString &platformName)
{
    if (const NamedVoice *voice = namedVoice(id))
        return QCoreApplication::translate("VoiceNames", voice->name);
    return platformName.isEmpty() ? id : platformName;
}

bool isOffered(const QString &id, const QString &languageTag, const QString &desktopLanguage)
{
    if (namedVoice(id))
        return true;
    return !desktopLanguage.isEmpty() && languageTag.section(QLatin1Char('-'), 0, 0).toLower() == desktopLanguage;
}

QString desktopLanguage()
{
    const QLocale desktop = QLocale::system();
    if (desktop.language() == QLocale::C)
        return QString();
    return desktop.bcp47Name().section(QLatin1Char('-'), 0, 0).toLower();
}

}
