#include "speech/espeakreading.h"

#include "speech/chinesenumbers.h"
#include "speech/digitreading.h"
#include "speech/pinyintable.h"

#include <QString>
#include <QVector>

namespace {
bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

QString numbersInCharacters(const QString &text, bool digitByDigit)
{
    QString written;
    for (int i = 0; i < text.size();) {
        if (!isAsciiDigit(text.at(i))) {
            written += text.at(i++);
            continue;
        }
        int end = i;
        while (end < text.size() && isAsciiDigit(text.at(end)))
            ++end;
        const QString digits = text.mid(i, end - i);
        written += digitByDigit ? chineseDigits(digits) : chineseNumber(digits);
        i = end;
    }
    return written;
}

QString charactersInPinyin(const QString &text)
{
    QString pinyin;
    bool syllableBefore = false;
    for (const uint character : text.toUcs4()) {
        const char32_t c = character;
        if (const char *syllable = PinyinTable::reading(c)) {
            if (!pinyin.isEmpty() && !pinyin.endsWith(QLatin1Char(' ')))
                pinyin += QLatin1Char(' ');
            pinyin += QLatin1String(syllable);
            syllableBefore = true;
            continue;
        }
        const bool leftOut = PinyinTable::isIdeograph(c);
        if (syllableBefore || leftOut)
            pinyin += QLatin1Char(' ');
        syllableBefore = false;
        if (!leftOut)
            pinyin += QString::fromUcs4(&c, 1);
    }
    return pinyin.trimmed();
}
}

ChineseReading chineseReadingFor(const std::string &language)
{
    if (language == "cmn" || startsWith(language, "cmn-"))
        return ChineseReading::Mandarin;
    if (language == "yue" || startsWith(language, "yue-"))
        return ChineseReading::Cantonese;
    return ChineseReading::None;
}

std::string espeakReadingText(const std::string &text, const EspeakReading &reading)
{
    if (reading.chinese == ChineseReading::None)
        return reading.digitByDigit ? digitsApart(text) : text;
    const QString written = numbersInCharacters(QString::fromStdString(text), reading.digitByDigit);
    if (reading.chinese == ChineseReading::Cantonese)
        return written.toStdString();
    return charactersInPinyin(written).toStdString();
}
