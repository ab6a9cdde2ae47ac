#include "app/linebreaks.h"

namespace {
const QChar kWordJoiner(0x2060);
const QChar kNoBreakSpace(0x00A0);

bool isOpeningBracket(QChar c)
{
    return c == QLatin1Char('(') || c == QChar(0xFF08);
}
}

QString breakOnlyBeforeBrackets(const QString &text)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool breakAfter = i + 1 < text.size() && isOpeningBracket(text.at(i + 1));
        if (c == QLatin1Char(' ')) {
            result += breakAfter ? c : kNoBreakSpace;
            continue;
        }
        result += c;
        if (i + 1 < text.size() && !breakAfter && text.at(i + 1) != QLatin1Char(' '))
            result += kWordJoiner;
    }
    return result;
}
