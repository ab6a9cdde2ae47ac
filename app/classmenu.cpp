#include "app/classmenu.h"

#include "app/aboutbox.h"
#include "app/backupdialog.h"
#include "app/interfacelanguage.h"
#include "app/quickguidedialog.h"
#include "app/restoredialog.h"
#include "common/datapaths.h"
#include "homework/movehomeworkdialog.h"
#include "roster/absentstudentsdialog.h"
#include "roster/calculateavescoredialog.h"
#include "roster/classsettingdialog.h"
#include "roster/drawdisplay.h"
#include "roster/drawsession.h"
#include "roster/historydialog.h"
#include "roster/historyfile.h"

#include <QDesktopServices>
#include <QUrl>

ClassMenu::ClassMenu(QWidget *window, const QString &dataDir, DrawSession *session, const Dialogs &dialogs,
                     ChosenClass chosenClass)
    : m_window(window)
    , m_dataDir(dataDir)
    , m_session(session)
    , m_dialogs(dialogs)
    , m_chosenClass(std::move(chosenClass))
{
}

void ClassMenu::calculateAverages()
{
    m_dialogs.averages->setClassName(m_chosenClass().value_or(QString()));
    m_dialogs.averages->exec();
}

void ClassMenu::openStudentDirectories()
{
    const std::optional<QString> className = m_chosenClass();
    if (!className)
        return;
    for (const QString &id : m_session->display()->drawnIds()) {
        // An empty ID (nothing drawn yet) opens the class directory.
        const QString path =
            id.isEmpty() ? classDirectoryPath(m_dataDir, *className) : studentDirectoryPath(m_dataDir, *className, id);
        if (ensureDirectory(path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

void ClassMenu::moveHomework()
{
    const std::optional<QString> className = m_chosenClass();
    if (!className)
        return;
    m_dialogs.homework->setClassName(*className);
    m_dialogs.homework->exec();
}

bool ClassMenu::markAbsentStudents()
{
    if (!m_chosenClass())
        return false;
    if (!m_absentDialog)
        m_absentDialog = new AbsentStudentsDialog(m_window);
    const DrawPool &pool = m_session->pool();
    QStringList names;
    for (const QString &id : pool.students())
        names.append(m_session->nameOf(id));
    m_absentDialog->setStudents(pool.students(), names, pool.absent());
    if (m_absentDialog->exec() != QDialog::Accepted)
        return false;
    m_session->setAbsentToday(m_absentDialog->absentStudents());
    return true;
}

void ClassMenu::showHistory()
{
    const std::optional<QString> className = m_chosenClass();
    if (!className)
        return;
    if (!m_historyDialog)
        m_historyDialog = new HistoryDialog(m_window);
    QStringList ids, names;
    m_dialogs.classSettings->classStudents(*className, ids, names);
    m_historyDialog->showHistory(*className, historyFilePath(m_dataDir, *className), ids, names);
    m_historyDialog->exec();
}

void ClassMenu::backUp()
{
    BackupDialog dialog(m_dataDir, m_window);
    dialog.exec();
}

void ClassMenu::restore()
{
    RestoreDialog dialog(RestoreDialog::BackupFile, m_dataDir, m_window);
    dialog.exec();
}

void ClassMenu::restoreEarlierDay()
{
    RestoreDialog dialog(RestoreDialog::EarlierDay, m_dataDir, m_window);
    dialog.exec();
}

void ClassMenu::showQuickGuide()
{
    QuickGuideDialog dialog(InterfaceLanguage::stored(), m_window);
    dialog.exec();
}

void ClassMenu::showAbout()
{
    AboutBox::show(m_window);
}
