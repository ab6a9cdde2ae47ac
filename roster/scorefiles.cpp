#include "roster/scorefiles.h"

#include "common/datapaths.h"

#include <vector>

namespace {
// Whether the text, after its leading apostrophes, begins as a formula.
bool startsAsFormula(const QByteArray &text)
{
    int first = 0;
    while (first < text.size() && text.at(first) == '\'')
        ++first;
    return first < text.size() && QByteArrayLiteral("=+-@\t\r").contains(text.at(first));
}
}

QByteArray csvField(const QByteArray &text)
{
    QByteArray field = text;
    field.replace('\0', QByteArray());
    // A spreadsheet takes such a field for a formula and runs it when the
    // file is opened; the apostrophe makes it text. Fields that begin with
    // apostrophes before such a character get one more, so that reading
    // takes exactly one away.
    if (startsAsFormula(field))
        field.prepend('\'');
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

QByteArray csvFieldText(const QByteArray &field)
{
    return field.startsWith('\'') && startsAsFormula(field.mid(1)) ? field.mid(1) : field;
}

QString scoreFilePath(const QString &dataDir, const QString &className, bool csv)
{
    return classFilePath(dataDir, className, csv ? QStringLiteral("_score100.csv") : QStringLiteral("_score100.txt"));
}

QByteArray formatAverage(double average, ScoreRounding rounding)
{
    if (rounding == KeepFloat)
        return QByteArray::number(double(float(average)), 'g', 6);
    return QByteArray::number(average, 'f', 0);
}

QByteArray scoreFileContent(const QStringList &ids, const QStringList &scoreStrings, double aScore,
                            double fScore, ScoreRounding rounding, bool csv)
{
    std::vector<double> averages;
    computeAverages(scoreStrings, aScore, fScore, rounding, averages);
    const QByteArray separator = csv ? QByteArrayLiteral(", ") : QByteArrayLiteral(" ");
    QByteArray content;
    for (int i = 0; i < ids.size(); ++i) {
        const QByteArray id = ids.at(i).toUtf8();
        content += csv ? csvField(id) : id;
        content += separator;
        content += formatAverage(averages[size_t(i)], rounding);
        content += "\r\n";
    }
    return content;
}
