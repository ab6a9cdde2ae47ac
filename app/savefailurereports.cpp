#include "app/savefailurereports.h"

#include "roster/classhistory.h"
#include "roster/rosterstore.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>

SaveFailureReports::SaveFailureReports(QWidget *window, RosterStore *store, ClassHistory *history)
    : QObject(window)
    , m_window(window)
    , m_store(store)
    , m_history(history)
{
    connect(m_history, &ClassHistory::appendFailed, this, &SaveFailureReports::reportHistoryFailure);
    connect(m_store, &RosterStore::backupFailed, this, &SaveFailureReports::reportBackupFailure);
}

void SaveFailureReports::offerToSaveBeforeClosing()
{
    while (m_store->hasUnsavedScores()
           && askToTryAgain(tr("Scores Not Saved"),
                            tr("Some scores could not be saved and are kept only while Zandrel runs.\n\n"
                               "Try to save them again, or close Zandrel and lose them?")))
        m_store->saveClasses();
    while (m_history->hasUnwritten()
           && askToTryAgain(tr("History Not Saved"),
                            tr("Some draws and scores could not be added to the history and are kept only while "
                               "Zandrel runs.\n\nTry to add them again, or close Zandrel and lose them?")))
        m_history->writeUnwritten();
}

bool SaveFailureReports::askToTryAgain(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Retry | QMessageBox::Close, m_window);
    box.button(QMessageBox::Retry)->setText(tr("Try Again"));
    box.button(QMessageBox::Close)->setText(tr("Close Anyway"));
    box.setDefaultButton(QMessageBox::Retry);
    // Losing them takes the button that says so, never Escape.
    box.setEscapeButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry;
}

// Told by a box that does not wait for an answer: the save went on, and a
// draw or a score may follow at once.
void SaveFailureReports::reportBackupFailure(const QString &folder)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Backup Not Made"),
                                tr("Zandrel could not keep its daily copy of the classes in %1. Your scores are "
                                   "saved all the same; check that the folder can be written.")
                                    .arg(QDir::toNativeSeparators(folder)),
                                QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("backupFailedBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void SaveFailureReports::reportHistoryFailure(const QString &path)
{
    QMessageBox::warning(m_window, tr("History Not Saved"),
                         tr("Zandrel cannot add the draws and scores to the history file\n%1\n\n"
                            "They are kept while Zandrel runs, and every new draw or score tries to add "
                            "them again. Check that the disk has free space and that this folder can be "
                            "written to.")
                             .arg(QDir::toNativeSeparators(path)));
}
