#include "speech/voicelanguage.h"

#include <QChar>
#include <QStringList>
#include <QVector>

#include <algorithm>

namespace {
// The primary language of a Windows language identifier, its low ten bits;
// 0x04 is Chinese, whatever the region (0x804 PRC, 0xC04 Hong Kong).
const int kPrimaryLanguageMask = 0x3FF;
const int kChinesePrimaryLanguage = 0x04;

bool isChineseTag(const QString &tag)
{
    for (const char *chinese : {"cmn", "yue", "zh"}) {
        const QLatin1String prefix(chinese);
        if (tag == prefix || tag.startsWith(prefix + QLatin1Char('-')))
            return true;
    }
    return false;
}

bool isChineseLanguageIdentifier(const QString &hex)
{
    bool ok = false;
    const int identifier = hex.toInt(&ok, 16);
    return ok && (identifier & kPrimaryLanguageMask) == kChinesePrimaryLanguage;
}
}

namespace VoiceLanguage {

bool readsChinese(const QString &language)
{
    const QStringList languages = language.toLower().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(languages.begin(), languages.end(), [](const QString &entry) {
        const QString trimmed = entry.trimmed();
        return isChineseTag(trimmed) || isChineseLanguageIdentifier(trimmed);
    });
}

bool hasHanCharacters(const QString &text)
{
    const QVector<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(),
                       [](uint c) { return QChar::script(c) == QChar::Script_Han; });
}

bool canRead(const QString &language, const QString &text)
{
    return !hasHanCharacters(text) || readsChinese(language);
}

}
