#include "roster/scoreworkbook.h"

#include "common/datapaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

// What a cell can hold in Excel; a longer text would be refused whole.
const int kLongestCellText = 32767;
const int kLongestSheetName = 31;
const double kWidestColumn = 60;
const int kLetters = 6;

// At most length UTF-16 units of text, never half a surrogate pair.
QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// How wide a text shows, in widths of a digit: East Asian characters take two.
double displayWidth(const QString &text)
{
    double width = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            width += c.unicode() >= 0x2E80 ? 2 : 1;
    }
    return width;
}

}

QString ScoreWorkbook::path(const QString &dataDir, const QString &className)
{
    return classFilePath(dataDir, className, QStringLiteral("_score100.xlsx"));
}

QString ScoreWorkbook::sheetName(const QString &className)
{
    QString name;
    for (const QChar c : className) {
        if (c.unicode() >= 0x20 && !QStringLiteral("[]:*?/\\").contains(c))
            name += c;
    }
    const auto trimApostrophes = [&name] {
        while (name.startsWith(QLatin1Char('\'')))
            name.remove(0, 1);
        while (name.endsWith(QLatin1Char('\'')))
            name.chop(1);
    };
    trimApostrophes();
    name = cut(name, kLongestSheetName);
    trimApostrophes();
    return name;
}

bool ScoreWorkbook::write(const QString &path, const QString &className, const QStringList &ids,
                          const QStringList &names, const QStringList &scoreStrings, double aScore, double fScore,
                          ScoreRounding rounding)
{
    // The library writes only to a named file; it is built aside and then
    // saved into place in one step.
    QTemporaryFile built(QDir::tempPath() + QStringLiteral("/zandrel-XXXXXX.xlsx"));
    if (!built.open())
        return false;
    built.close();
    lxw_workbook *workbook = workbook_new(QFile::encodeName(built.fileName()).constData());
    if (!workbook)
        return false;
    const QByteArray sheet = sheetName(className).toUtf8();
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.isEmpty() ? nullptr : sheet.constData());
    if (!worksheet) {
        workbook_close(workbook);
        return false;
    }
    bool written = true;
    const auto check = [&written](lxw_error error) { written = written && error == LXW_NO_ERROR; };

    const QStringList header{tr("ID"), tr("Name"), tr("Scores"), QStringLiteral("A"), QStringLiteral("B"),
                             QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                             tr("Count"), tr("Average")};
    const int idColumn = 0, nameColumn = 1, scoresColumn = 2, firstLetterColumn = 3;
    const int countColumn = firstLetterColumn + kLetters, averageColumn = countColumn + 1;
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    std::vector<double> widths;
    for (int column = 0; column < header.size(); ++column) {
        check(worksheet_write_string(worksheet, 0, lxw_col_t(column), header.at(column).toUtf8().constData(), bold));
        widths.push_back(displayWidth(header.at(column)));
    }

    std::vector<double> averages;
    computeAverages(scoreStrings, aScore, fScore, rounding, averages);
    const auto writeText = [&](lxw_row_t row, int column, const QString &text) {
        const QString cell = cut(text, kLongestCellText);
        check(worksheet_write_string(worksheet, row, lxw_col_t(column), cell.toUtf8().constData(), nullptr));
        widths[size_t(column)] = std::max(widths[size_t(column)], displayWidth(cell));
    };
    for (int i = 0; i < ids.size(); ++i) {
        const auto row = lxw_row_t(i + 1);
        writeText(row, idColumn, ids.at(i));
        writeText(row, nameColumn, names.value(i));
        const QString scores = scoreStrings.value(i);
        writeText(row, scoresColumn, scores);
        std::array<int, kLetters> counts{};
        for (const QChar c : scores) {
            const int letter = scoreLetterIndex(c);
            if (letter >= 0)
                ++counts[size_t(letter)];
        }
        for (int letter = 0; letter < kLetters; ++letter)
            check(worksheet_write_number(worksheet, row, lxw_col_t(firstLetterColumn + letter),
                                         counts[size_t(letter)], nullptr));
        const int count = std::accumulate(counts.cbegin(), counts.cend(), 0);
        check(worksheet_write_number(worksheet, row, lxw_col_t(countColumn), count, nullptr));
        check(worksheet_write_number(worksheet, row, lxw_col_t(averageColumn), averages[size_t(i)], nullptr));
    }
    widths[size_t(averageColumn)] = std::max(widths[size_t(averageColumn)], 6.0);
    for (size_t column = 0; column < widths.size(); ++column)
        check(worksheet_set_column(worksheet, lxw_col_t(column), lxw_col_t(column),
                                   std::min(widths[column] + 2, kWidestColumn), nullptr));
    worksheet_freeze_panes(worksheet, 1, 0);
    check(workbook_close(workbook));
    if (!written)
        return false;

    QFile result(built.fileName());
    QSaveFile file(path);
    if (!result.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = result.readAll();
    return file.write(bytes) == bytes.size() && file.commit();
}
