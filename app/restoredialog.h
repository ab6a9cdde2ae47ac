#ifndef RESTOREDIALOG_H
#define RESTOREDIALOG_H

#include "roster/backuparchive.h"
#include "roster/rosterbackups.h"

#include <QDialog>
#include <vector>

namespace Ui {
class RestoreDialog;
}

// Puts an earlier state back: from a backup file (Class > Restore from
// Backup...) or from one of the copies of the roster the program keeps by
// itself (Class > Restore an Earlier Day...). It shows what the source holds
// beside what is there now, asks, keeps the current state in a backup of
// its own, restores, and starts the program again, as a language change
// does, so that every window reads what was put back.
class RestoreDialog : public QDialog
{
    Q_OBJECT

public:
    enum Source { BackupFile, EarlierDay };

    RestoreDialog(Source source, const QString &dataDir, QWidget *parent = nullptr);
    ~RestoreDialog() override;

public slots:
    void accept() override;
    // Not while a backup is being read or put back.
    void reject() override;

private slots:
    void on_pushButton_browse_clicked();
    void on_comboBox_day_currentIndexChanged(int index);

protected:
    // Enter in the file box reads that file; it must not also press Restore.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openBackup(const QString &file);
    void showSource(const QDateTime &date, const RosterCounts &counts);
    void showNoSource();
    bool restore(QString &keptCopy);

    Ui::RestoreDialog *ui;
    Source m_source;
    QString m_dataDir;
    RosterCounts m_now;
    BackupArchive m_archive;
    bool m_archiveOpen = false;
    std::vector<RosterBackups::Copy> m_copies;
};

#endif // RESTOREDIALOG_H
