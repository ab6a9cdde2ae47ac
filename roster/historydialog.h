#ifndef HISTORYDIALOG_H
#define HISTORYDIALOG_H

#include <QDialog>
#include <QStringList>

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
    QString eventText(const QString &event) const;
    QString displayText(const QString &display) const;

    Ui::HistoryDialog *ui;
    TextTableModel *m_events;
    TextTableModel *m_students;
};

#endif // HISTORYDIALOG_H
