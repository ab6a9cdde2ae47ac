#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include <QDialog>

namespace Ui {
class BackupDialog;
}

// Class > Back Up Everything...: writes every class, score, setting and
// score file, and the collected homework when the box is ticked, into one
// zip file the teacher chooses.
class BackupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BackupDialog(const QString &dataDir, QWidget *parent = nullptr);
    ~BackupDialog() override;

public slots:
    void accept() override;
    // Not while the backup is being written.
    void reject() override;

private slots:
    void on_pushButton_browse_clicked();

private:
    Ui::BackupDialog *ui;
    QString m_dataDir;
};

#endif // BACKUPDIALOG_H
