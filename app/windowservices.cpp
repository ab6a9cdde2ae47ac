#include "app/windowservices.h"

#include "app/wheeldrawdisplay.h"
#include "displays/wigglywidget.h"
#include "roster/averagescores.h"
#include "roster/calculateavescoredialog.h"
#include "roster/classsettingdialog.h"
#include "roster/rosterstore.h"
#include "roster/scorebook.h"
#include "speech/speechservice.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

WindowServices::WindowServices(Parts parts)
    : m_parts(std::move(parts))
{
}

void WindowServices::recordScore(const QString &id, char letter)
{
    m_parts.scoreBook->give(id, letter);
}

void WindowServices::showBanner(QWidget *target, const QString &text)
{
    WigglyWidget *banner = m_parts.banner;
    banner->show();
    QWidget *bannerParent = banner->parentWidget();
    banner->move(bannerParent->mapFromGlobal(target->mapToGlobal(QPoint(0, 0))));
    banner->setFixedSize(target->width(), target->height());
    banner->setText(text);
    m_parts.scoreBox->clear();
}

void WindowServices::syncVoiceSwitch(bool on)
{
    m_parts.speech->syncVoiceSwitch(on);
}

QString WindowServices::dataDirectory() const
{
    return m_parts.dataDir;
}

void WindowServices::onWheelStopped()
{
    m_parts.wheels->noteRest();
}

bool WindowServices::isStudentOfClass(const QString &className, const QString &id)
{
    return m_parts.classSettings->hasStudent(className, id);
}

bool WindowServices::calculateScores(int aScore, int fScore, int rounding)
{
    const std::optional<QString> className = m_parts.chosenClass();
    if (!className)
        return false;
    const auto mode = static_cast<ScoreRounding>(rounding);
    const bool textWritten = m_parts.store->writeScoreFile(*className, aScore, fScore, mode, false);
    return m_parts.store->writeScoreFile(*className, aScore, fScore, mode, true) && textWritten;
}

void WindowServices::openScoreFiles()
{
    if (const std::optional<QString> className = m_parts.chosenClass())
        m_parts.classSettings->openScoreFiles(*className);
}

void WindowServices::exportScoreWorkbook(int aScore, int fScore, int rounding)
{
    if (const std::optional<QString> className = m_parts.chosenClass())
        m_parts.classSettings->exportScoreWorkbook(*className, aScore, fScore, static_cast<ScoreRounding>(rounding));
}

void WindowServices::averageScores(const QStringList &scoreStrings, std::vector<double> &averages)
{
    int rounding = 0;
    int aScore = 0;
    int fScore = 0;
    m_parts.averages->scoreSettings(rounding, aScore, fScore);
    computeAverages(scoreStrings, aScore, fScore, static_cast<ScoreRounding>(rounding), averages);
}

void WindowServices::openDataDirectory()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_parts.dataDir));
}
