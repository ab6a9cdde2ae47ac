#ifndef CHINESENUMBERS_H
#define CHINESENUMBERS_H

#include <QString>

// Runs of ASCII digits written out in Chinese characters, the way a teacher
// says them. Every run is given as digits only.

// One Chinese digit for every digit: "1001" gives 一零零一.
QString chineseDigits(const QString &digits);

// The number the digits make: "1001" gives 一千零一, "3050" 三千零五十,
// "1010" 一千零一十, "12" 十二, and two before 千, 万 and 亿 is 两: "2001"
// 两千零一, "20000" 两万, "200" 二百. A run that starts with 0 is a code such as
// "0012" and is read digit by digit, as is a run of more than twelve digits,
// beyond 9999亿.
QString chineseNumber(const QString &digits);

#endif // CHINESENUMBERS_H
