#include "app/appservices.h"

#include "common/datapaths.h"

namespace {
AppServices *g_services = nullptr;
}

void installAppServices(AppServices *services)
{
    g_services = services;
}

void recordScore(const QString &id, char letter)
{
    if (g_services)
        g_services->recordScore(id, letter);
}

void showScoreBanner(QWidget *target, const QString &text)
{
    if (g_services)
        g_services->showBanner(target, text);
}

void syncVoiceSwitch(bool on)
{
    if (g_services)
        g_services->syncVoiceSwitch(on);
}

QString dataDirectory()
{
    return g_services ? g_services->dataDirectory() : defaultDataDirectory();
}

void wheelStopped()
{
    if (g_services)
        g_services->onWheelStopped();
}

bool isStudentOfClass(const QString &className, const QString &id)
{
    return g_services && g_services->isStudentOfClass(className, id);
}

bool calculateScores(int aScore, int fScore, int rounding)
{
    return g_services && g_services->calculateScores(aScore, fScore, rounding);
}

void openScoreFiles()
{
    if (g_services)
        g_services->openScoreFiles();
}

void exportScoreWorkbook(int aScore, int fScore, int rounding)
{
    if (g_services)
        g_services->exportScoreWorkbook(aScore, fScore, rounding);
}

void openDataDirectory()
{
    if (g_services)
        g_services->openDataDirectory();
}

void averageScores(const QStringList &scoreStrings, std::vector<double> &averages)
{
    if (g_services)
        g_services->averageScores(scoreStrings, averages);
    else
        averages.assign(scoreStrings.size(), 0.0);
}
