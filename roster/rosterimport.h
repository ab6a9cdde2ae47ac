#ifndef ROSTERIMPORT_H
#define ROSTERIMPORT_H

#include "roster/importreader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// What a class list file does to the current class's table, and the
// summary that tells the teacher. IDs are compared by their numeric value,
// as the table's IDs are read; each ID of the file counts once.
class RosterImport
{
    Q_DECLARE_TR_FUNCTIONS(RosterImport)

public:
    // The table holds these IDs and names, row by row.
    RosterImport(const QStringList &tableIds, const QStringList &tableNames, const ImportedStudents &imported);

    // The rows to append: a student whose ID neither the table nor an
    // earlier line of the file holds.
    const QStringList &addedIds() const { return m_addedIds; }
    const QStringList &addedNames() const { return m_addedNames; }
    // Table rows whose name is empty and which the file names: the row and
    // the name. A name or score already there is never replaced.
    const std::vector<std::pair<int, QString>> &filledNames() const { return m_filledNames; }

    // The summary: the import's own sentence, then the names filled in, the
    // skipped lines (lines set) or rows with their reasons, and, when
    // sheetName is not empty, the sheet that was read.
    QString summary(bool lines, const QString &sheetName) const;

private:
    QString skippedSentence(SkippedStudent::Reason reason, bool lines) const;

    QStringList m_addedIds;
    QStringList m_addedNames;
    std::vector<std::pair<int, QString>> m_filledNames;
    std::vector<SkippedStudent> m_skipped;
    bool m_sawDuplicate = false;
};

#endif // ROSTERIMPORT_H
