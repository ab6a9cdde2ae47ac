#ifndef WINDOWSERVICES_H
#define WINDOWSERVICES_H

#include "app/appservices.h"

#include <functional>
#include <optional>

class QLineEdit;
class CalculateAveScoreDialog;
class ClassSettingDialog;
class RosterStore;
class ScoreBook;
class SpeechService;
class WheelDrawDisplay;
class WigglyWidget;

// What the displays and dialogs ask of the program, served by what the main
// window builds: the roster store, its dialogs, the score book, speech, the
// wheels and the score banner, on the class chosen in the window.
class WindowServices : public AppServices
{
public:
    struct Parts
    {
        RosterStore *store;
        ClassSettingDialog *classSettings;
        CalculateAveScoreDialog *averages;
        ScoreBook *scoreBook;
        SpeechService *speech;
        WheelDrawDisplay *wheels;
        WigglyWidget *banner;
        // Cleared whenever the banner shows.
        QLineEdit *scoreBox;
        QString dataDir;
        // None while the window has no class to choose.
        std::function<std::optional<QString>()> chosenClass;
    };

    explicit WindowServices(Parts parts);

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

private:
    Parts m_parts;
};

#endif // WINDOWSERVICES_H
