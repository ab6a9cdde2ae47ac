#ifndef RECORDINGSERVICES_H
#define RECORDINGSERVICES_H

#include "app/appservices.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>
#include <functional>

// Stands in for the main window: records what the wheels ask of it and
// installs itself for as long as it lives.
class RecordingServices : public AppServices
{
public:
    RecordingServices() { installAppServices(this); }
    ~RecordingServices() override { installAppServices(nullptr); }

    QList<QPair<QString, char>> scores;
    QList<QPair<QPointer<QWidget>, QString>> banners;
    int wheelRests = 0;
    std::function<void()> onRest;

    void recordScore(const QString &id, char letter) override { scores.append({id, letter}); }
    void showBanner(QWidget *target, const QString &text) override { banners.append({target, text}); }
    void syncVoiceSwitch(bool) override {}
    QString dataDirectory() const override { return QString(); }
    void onWheelStopped() override
    {
        ++wheelRests;
        if (onRest)
            onRest();
    }
    bool isStudentOfClass(const QString &, const QString &) override { return false; }
    void calculateScores(int, int, int) override {}
    void openScoreFiles() override {}
    void openDataDirectory() override {}
    void averageScores(const QStringList &scoreStrings, std::vector<double> &averages) override
    {
        averages.assign(scoreStrings.size(), 0.0);
    }
};

#endif // RECORDINGSERVICES_H
