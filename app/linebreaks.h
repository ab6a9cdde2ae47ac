#ifndef LINEBREAKS_H
#define LINEBREAKS_H

#include <QString>

// Text for a narrow label that may wrap only before an opening bracket:
// "33 名学生（3 人缺席）" breaks into "33 名学生" and "（3 人缺席）", never
// inside 缺席, where Chinese text would otherwise break between any two
// characters. Word joiners hold the other characters together and spaces
// become no-break spaces; both show as the text did.
QString breakOnlyBeforeBrackets(const QString &text);

#endif // LINEBREAKS_H
