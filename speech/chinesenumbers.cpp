#include "speech/chinesenumbers.h"

namespace {
const QString kDigits = QStringLiteral("零一二三四五六七八九");
const QChar kZero = kDigits.at(0);
const QChar kOne = kDigits.at(1);
const QChar kTen(0x5341);            // 十
const QChar kTwo = kDigits.at(2);
const QChar kPairTwo(0x4E24); // 两
const int kThousandsPlace = 3;
const QString kPlaceUnits[] = {QString(), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千")};
const QString kGroupUnits[] = {QString(), QStringLiteral("万"), QStringLiteral("亿")};
const int kGroupDigits = 4;
const int kLongestNumber = 12;

QChar chineseDigit(QChar digit)
{
    return kDigits.at(digit.unicode() - '0');
}

// A group of up to four digits that is not all zeros: a zero between two
// other digits is said once, zeros at the end are not said.
QString groupReading(const QString &group)
{
    QString reading;
    bool zeroPending = false;
    for (int i = 0; i < group.size(); ++i) {
        const int place = group.size() - 1 - i;
        if (group.at(i) == QLatin1Char('0')) {
            zeroPending = !reading.isEmpty();
            continue;
        }
        if (zeroPending)
            reading += kZero;
        zeroPending = false;
        // A speaker says 两千 but 二百 and 二十.
        const QChar digit = chineseDigit(group.at(i));
        reading += place == kThousandsPlace && digit == kTwo ? kPairTwo : digit;
        reading += kPlaceUnits[place];
    }
    return reading;
}
}

QString chineseDigits(const QString &digits)
{
    QString reading;
    for (QChar digit : digits)
        reading += chineseDigit(digit);
    return reading;
}

QString chineseNumber(const QString &digits)
{
    if (digits.isEmpty())
        return QString();
    if (digits.size() > kLongestNumber || (digits.size() > 1 && digits.at(0) == QLatin1Char('0')))
        return chineseDigits(digits);
    if (digits == QLatin1String("0"))
        return QString(kZero);

    QString reading;
    // Zeros at the end of a group are not said; a zero is said where a group
    // starts with zeros or a whole group of zeros lies between two parts.
    bool gap = false;
    const int groups = (digits.size() + kGroupDigits - 1) / kGroupDigits;
    int end = digits.size() - (groups - 1) * kGroupDigits;
    int start = 0;
    for (int group = groups - 1; group >= 0; --group) {
        const QString part = digits.mid(start, end - start);
        start = end;
        end += kGroupDigits;
        if (part.count(QLatin1Char('0')) == part.size()) {
            gap = true;
            continue;
        }
        if (!reading.isEmpty() && (gap || part.at(0) == QLatin1Char('0')))
            reading += kZero;
        gap = false;
        // Two alone before 万 or 亿 at the start is 两万, 两亿.
        QString partReading = groupReading(part);
        if (group > 0 && reading.isEmpty() && partReading == QString(kTwo))
            partReading = kPairTwo;
        reading += partReading + kGroupUnits[group];
    }
    // Ten to nineteen, said at the start, drop their one: 十二, 十万.
    if (reading.size() > 1 && reading.at(0) == kOne && reading.at(1) == kTen)
        reading.remove(0, 1);
    return reading;
}
