#include "roster/rosterimport.h"

#include "roster/studentids.h"

#include <QHash>
#include <QSet>

namespace {
// Enough for the teacher to find the rows; the count says how many more.
const int kShownNumbers = 3;

// A sentence about a count, with its own text for one, so that the English
// reads right whether or not a translation is installed.
struct CountedText
{
    const char *one;
    const char *many;
};

const CountedText kNamesFilled{QT_TRANSLATE_N_NOOP("RosterImport", "%n name filled in."),
                               QT_TRANSLATE_N_NOOP("RosterImport", "%n names filled in.")};
const CountedText kLinesNotWhole{
    QT_TRANSLATE_N_NOOP("RosterImport", "%n line skipped: the ID is not a whole number (%1)."),
    QT_TRANSLATE_N_NOOP("RosterImport", "%n lines skipped: the ID is not a whole number (%1).")};
const CountedText kRowsNotWhole{
    QT_TRANSLATE_N_NOOP("RosterImport", "%n row skipped: the ID is not a whole number (%1)."),
    QT_TRANSLATE_N_NOOP("RosterImport", "%n rows skipped: the ID is not a whole number (%1).")};
const CountedText kLinesRounded{
    QT_TRANSLATE_N_NOOP("RosterImport",
                        "%n line skipped: the ID was stored as a rounded number (%1); store IDs "
                        "as text in the spreadsheet."),
    QT_TRANSLATE_N_NOOP("RosterImport",
                        "%n lines skipped: the ID was stored as a rounded number (%1); store IDs "
                        "as text in the spreadsheet.")};
const CountedText kRowsRounded{
    QT_TRANSLATE_N_NOOP("RosterImport",
                        "%n row skipped: the ID was stored as a rounded number (%1); store IDs "
                        "as text in the spreadsheet."),
    QT_TRANSLATE_N_NOOP("RosterImport",
                        "%n rows skipped: the ID was stored as a rounded number (%1); store IDs "
                        "as text in the spreadsheet.")};

QString counted(const CountedText &text, int count)
{
    return QCoreApplication::translate("RosterImport", count == 1 ? text.one : text.many, nullptr, count);
}

}

RosterImport::RosterImport(const QStringList &tableIds, const QStringList &tableNames, const ImportedStudents &imported)
    : m_skipped(imported.skipped)
{
    // Of several rows with one value the first is the class's student.
    QHash<qint64, int> tableRows;
    for (int row = tableIds.size() - 1; row >= 0; --row)
        tableRows.insert(studentIdValue(tableIds.at(row)), row);
    QSet<qint64> inFile;
    inFile.reserve(int(imported.students.size()));
    for (const ImportedStudent &student : imported.students) {
        if (inFile.contains(student.id)) {
            m_sawDuplicate = true;
            continue;
        }
        inFile.insert(student.id);
        const auto row = tableRows.constFind(student.id);
        if (row == tableRows.cend()) {
            m_addedIds.append(QString::number(student.id));
            m_addedNames.append(student.name);
            continue;
        }
        m_sawDuplicate = true;
        // Batch Add leaves the names empty; the class list fills them in.
        if (!student.name.isEmpty() && tableNames.value(*row).trimmed().isEmpty())
            m_filledNames.emplace_back(*row, student.name);
    }
}

QString RosterImport::summary(bool lines, const QString &sheetName) const
{
    // These three sentences are the dialog's own, as the teacher has always
    // seen them.
    QStringList sentences;
    if (!m_addedIds.isEmpty())
        sentences << QCoreApplication::translate("ClassSettingDialog", "%1 record added in this file!")
                         .arg(m_addedIds.size());
    else if (m_sawDuplicate)
        sentences << QCoreApplication::translate("ClassSettingDialog", "0 record added in this file!");
    else
        sentences << QCoreApplication::translate("ClassSettingDialog",
                                                 "Sorry, no ID and Name recognized in this file!");
    if (!m_filledNames.empty())
        sentences << counted(kNamesFilled, int(m_filledNames.size()));
    for (const SkippedStudent::Reason reason : {SkippedStudent::NotWholeNumber, SkippedStudent::RoundedNumber}) {
        const QString sentence = skippedSentence(reason, lines);
        if (!sentence.isEmpty())
            sentences << sentence;
    }
    if (!sheetName.isEmpty())
        sentences << tr("Read the sheet %1.").arg(sheetName);
    return sentences.join(QLatin1Char('\n'));
}

QString RosterImport::skippedSentence(SkippedStudent::Reason reason, bool lines) const
{
    int count = 0;
    QStringList numbers;
    for (const SkippedStudent &skipped : m_skipped) {
        if (skipped.reason != reason)
            continue;
        if (++count <= kShownNumbers)
            numbers << QString::number(skipped.number);
    }
    if (count == 0)
        return QString();
    const QString separator = tr(", ", "between line or row numbers");
    QString shown = numbers.join(separator);
    if (count > kShownNumbers)
        shown += separator + QStringLiteral("…");
    const QString where = lines ? (numbers.size() == 1 ? tr("line %1") : tr("lines %1")).arg(shown)
                                : (numbers.size() == 1 ? tr("row %1") : tr("rows %1")).arg(shown);
    const bool rounded = reason == SkippedStudent::RoundedNumber;
    const CountedText &text =
        lines ? (rounded ? kLinesRounded : kLinesNotWhole) : (rounded ? kRowsRounded : kRowsNotWhole);
    return counted(text, count).arg(where);
}
