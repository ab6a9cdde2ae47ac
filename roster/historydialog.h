#ifndef HISTORYDIALOG_H
#define HISTORYDIALOG_H

#include "roster/historyfile.h"
#include "roster/historysummary.h"

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <vector>

class TextTableModel;

namespace Ui {
class HistoryDialog;
}

// Shows one class's history: every draw, score and undo, newest first, and
// per student how often they were drawn, when last, and the letters given.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryDialog(QWidget *parent = nullptr);
    ~HistoryDialog() override;

    // Reads the class's history file at path (none yet reads as an empty
    // history); ids and names are the class's students in roster order.
    void showHistory(const QString &className, const QString &path, const QStringList &ids,
                     const QStringList &names);

private:
    QString eventCell(int row, int column) const;
    QString studentCell(int row, int column) const;

    Ui::HistoryDialog *ui;
    TextTableModel *m_eventModel;
    TextTableModel *m_studentModel;
    std::vector<HistoryEntry> m_entries;
    std::vector<StudentHistory> m_students;
    // The Event and Display words of the file as the interface shows them.
    QHash<QString, QString> m_words;
};

#endif // HISTORYDIALOG_H
