#ifndef APPSERVICES_H
#define APPSERVICES_H

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

// What the displays and dialogs may ask of the main window. The main window
// installs its services (WindowServices) as it is built; tests install a
// recording double.
class AppServices
{
public:
    virtual ~AppServices() = default;

    virtual void recordScore(const QString &id, char letter) = 0;
    virtual void showBanner(QWidget *target, const QString &text) = 0;
    virtual void syncVoiceSwitch(bool on) = 0;
    virtual QString dataDirectory() const = 0;
    virtual void onWheelStopped() = 0;
    virtual bool isStudentOfClass(const QString &className, const QString &id) = 0;
    // Writes the score files of the class chosen in the main window; false
    // when there is none, or the files could not be written.
    virtual bool calculateScores(int aScore, int fScore, int rounding) = 0;
    virtual void openScoreFiles() = 0;
    virtual void exportScoreWorkbook(int aScore, int fScore, int rounding) = 0;
    virtual void openDataDirectory() = 0;
    virtual void averageScores(const QStringList &scoreStrings, std::vector<double> &averages) = 0;
};

// Installs the services object the functions below forward to; nullptr removes it.
void installAppServices(AppServices *services);

// Process-wide functions; while no services object is installed each does
// nothing (or returns an empty or false result), but dataDirectory() gives
// the default data directory, so that a dialog built on its own still finds
// the teacher's files.
void recordScore(const QString &id, char letter);
void showScoreBanner(QWidget *target, const QString &text);
void syncVoiceSwitch(bool on);
QString dataDirectory();
void wheelStopped();
bool isStudentOfClass(const QString &className, const QString &id);
bool calculateScores(int aScore, int fScore, int rounding);
void openScoreFiles();
void exportScoreWorkbook(int aScore, int fScore, int rounding);
void openDataDirectory();
void averageScores(const QStringList &scoreStrings, std::vector<double> &averages);

#endif // APPSERVICES_H
