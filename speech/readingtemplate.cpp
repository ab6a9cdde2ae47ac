#include "speech/readingtemplate.h"

QString fillReadingTemplate(const QString &pattern, const QString &announced)
{
    const QString marker = QStringLiteral("%1");
    if (announced.trimmed().isEmpty() || pattern.trimmed().isEmpty())
        return announced;
    if (!pattern.contains(marker))
        return pattern + QLatin1Char(' ') + announced;
    QString sentence = pattern;
    return sentence.replace(marker, announced);
}
