#ifndef ABSENTSTUDENTSDIALOG_H
#define ABSENTSTUDENTSDIALOG_H

#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class QStandardItemModel;

namespace Ui {
class AbsentStudentsDialog;
}

// Lists a class's students, ID and name, each with a check box that marks
// the student absent.
class AbsentStudentsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AbsentStudentsDialog(QWidget *parent = nullptr);
    ~AbsentStudentsDialog() override;

    // names holds one name per ID; the absent students start checked.
    void setStudents(const std::vector<QString> &ids, const QStringList &names, const QSet<QString> &absent);
    // The IDs checked now.
    QSet<QString> absentStudents() const;

private:
    Ui::AbsentStudentsDialog *ui;
    QStandardItemModel *m_model;
};

#endif // ABSENTSTUDENTSDIALOG_H
