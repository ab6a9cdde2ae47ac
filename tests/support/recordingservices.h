#ifndef RECORDINGSERVICES_H
#define RECORDINGSERVICES_H

#include "app/appservices.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

// Stands in for the main window: keeps every call the displays and dialogs
// make, answers with what the test set, and is the installed services object
// for as long as it lives. A test that needs other answers sets the members
// below rather than deriving from it.
class RecordingServices : public AppServices
{
public:
    struct Score
    {
        QString id;
        char letter;
        bool operator==(const Score &other) const { return id == other.id && letter == other.letter; }
    };
    struct Banner
    {
        // Guarded, so a check after the target is gone sees null rather than
        // a dangling address that might match a new widget.
        QPointer<QWidget> target;
        QString text;
    };
    struct Calculation
    {
        int aScore;
        int fScore;
        int rounding;
    };

    RecordingServices();
    ~RecordingServices() override;
    // A copy would remove the installed object when it goes away.
    RecordingServices(const RecordingServices &) = delete;
    RecordingServices &operator=(const RecordingServices &) = delete;

    // What was asked of the main window, in order.
    QList<Score> scores;
    QList<Banner> banners;
    QList<bool> switchStates;
    int wheelRests = 0;
    QList<QPair<QString, QString>> studentQuestions; // class name, ID
    QList<Calculation> calculations;
    QList<Calculation> workbookExports;
    int scoreFileOpenings = 0;
    int directoryOpenings = 0;
    QList<QStringList> averagedScores;

    // The answers.
    QString dataDir;
    // Unset, nobody is a student of any class.
    std::function<bool(const QString &className, const QString &id)> studentOfClass;
    // Unset, every average is 0, as when no main window is there.
    std::function<void(const QStringList &scoreStrings, std::vector<double> &averages)> averages;
    // Whether the score files were written.
    bool scoreFilesWritten = true;
    // Runs after each wheel rest is counted, e.g. to start the next spin.
    std::function<void()> onRest;

    void recordScore(const QString &id, char letter) override;
    void showBanner(QWidget *target, const QString &text) override;
    void syncVoiceSwitch(bool on) override;
    QString dataDirectory() const override;
    void onWheelStopped() override;
    bool isStudentOfClass(const QString &className, const QString &id) override;
    bool calculateScores(int aScore, int fScore, int rounding) override;
    void openScoreFiles() override;
    void exportScoreWorkbook(int aScore, int fScore, int rounding) override;
    void openDataDirectory() override;
    void averageScores(const QStringList &scoreStrings, std::vector<double> &averages) override;
};

// Lets QCOMPARE print the scores it finds different.
char *toString(const RecordingServices::Score &score);

#endif // RECORDINGSERVICES_H
