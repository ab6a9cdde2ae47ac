#include "roster/scorefiles.h"

#include "common/datapaths.h"

#include <vector>

QByteArray csvField(const QByteArray &text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    QByteArray quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
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
