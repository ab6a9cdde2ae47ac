#ifndef MOVEHOMEWORKDIALOG_H
#define MOVEHOMEWORKDIALOG_H

#include "homework/homeworkfiles.h"

#include <QDialog>
#include <QString>

namespace Ui {
class MoveHomeworkDialog;
}

// Collects the homework files that students name after their ID from the
// download folder into the current class's directory or into each student's
// own directory, and logs every file it handles or has to leave.
class MoveHomeworkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MoveHomeworkDialog(QWidget *parent = nullptr);
    ~MoveHomeworkDialog() override;

    void setClassName(const QString &className);
    void collectHomework(bool move);
    bool collectFile(const QString &className, const QString &filePath, const QString &fileName,
                     bool move);

private slots:
    void on_pushButton_clicked();
    void on_pushButton_3_clicked();
    void on_checkBox_clicked();
    void on_checkBox_2_clicked();
    void on_pushButton_2_clicked();

private:
    void appendLog(const QString &text);
    // Logs why a homework file of a student stays in the download folder.
    void logLeft(const QString &fileName, bool move, const QString &why);
    static QString whyLeft(const TransferProblem &problem, const QString &destinationDir);

    Ui::MoveHomeworkDialog *ui;
    QString m_dataDir;
    QString m_className;
    // Files of students that the current scan could not move or copy.
    int m_filesLeft = 0;
};

#endif // MOVEHOMEWORKDIALOG_H
