#include "speech/espeakreading.h"

#include "speech/chinesenumbers.h"
#include "speech/digitreading.h"
#include "speech/pinyintable.h"

#include <QString>
#include <QVector>

#include <algorithm>

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
        if (const char *syllable = PinyinTable::reading(PinyinTable::readableForm(c))) {
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

// Espeak-ng's Cantonese voice reads the characters itself, but spells out
// the code of one it does not know; one without a reading of its own is read
// as its variant, or left out.
QString readableCharacters(const QString &text)
{
    QString readable;
    for (const uint character : text.toUcs4()) {
        const char32_t form = PinyinTable::readableForm(character);
        if (form)
            readable += QString::fromUcs4(&form, 1);
    }
    return readable;
}

bool hasIdeograph(const std::u32string &text)
{
    return std::any_of(text.begin(), text.end(), PinyinTable::isIdeograph);
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
        return readableCharacters(written).toStdString();
    return charactersInPinyin(written).toStdString();
}

std::string espeakNameText(const std::string &name, ChineseReading reading)
{
    const QVector<uint> characters = QString::fromStdString(name).toUcs4();
    std::u32string readable(characters.begin(), characters.end());
    if (reading == ChineseReading::None)
        return hasIdeograph(readable) ? std::string() : name;
    for (char32_t &c : readable) {
        c = PinyinTable::readableForm(c);
        if (!c)
            return std::string();
    }
    if (const PinyinTable::Surname *surname = PinyinTable::surnameAt(readable))
        readable.replace(0, surname->surname.size(),
                         reading == ChineseReading::Mandarin ? surname->mandarin : surname->cantonese);
    return QString::fromUcs4(readable.data(), static_cast<int>(readable.size())).toStdString();
}
