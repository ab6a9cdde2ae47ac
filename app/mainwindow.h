#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/appservices.h"
#include "app/lotterymode.h"
#include "displays/wheelrestcount.h"
#include "roster/drawpool.h"
#include "roster/historylog.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QSpacerItem;
class QTimer;
class QTranslator;
class AbsentStudentsDialog;
class CalculateAveScoreDialog;
class HistoryDialog;
class ClassSettingDialog;
class MicroTileWidget;
class MoveHomeworkDialog;
class ScaledContentView;
class SpeechDialog;
class SpeechService;
class VoiceSwitchButton;
class TVRollerWidget;
class WheelAssemblyWidget;
class WigglyWidget;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow, public AppServices
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // AppServices
    void recordScore(const QString &id, char letter) override;
    void showBanner(QWidget *target, const QString &text) override;
    void syncVoiceSwitch(bool on) override;
    QString dataDirectory() const override;
    void onWheelStopped() override;
    bool isStudentOfClass(const QString &className, const QString &id) override;
    void calculateScores(int aScore, int fScore, int rounding) override;
    void openScoreFiles() override;
    void exportScoreWorkbook(int aScore, int fScore, int rounding) override;
    void openDataDirectory() override;
    void averageScores(const QStringList &scoreStrings, std::vector<double> &averages) override;

protected:
    // Asks before scores that the disk refused are dropped with the window.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Draws on the LED display.
    void lotteryScroll();
    void OnLEDRollerTimer();
    void on_pushButton_clicked();
    void on_m_timeSpeedSlider_valueChanged(int value);
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_checkBox_clicked();
    // Draws on the tile board, the TV roller and the wheels.
    void on_pushButton_11_clicked();
    void on_checkBox_2_clicked();
    void on_pushButton_12_clicked();
    void on_comboBox_3_activated(const QString &arg1);
    void on_comboBox_4_activated(const QString &arg1);
    void on_pushButton_4_clicked();
    void on_comboBox_5_activated(const QString &arg1);
    // Page Down and Page Up, as a presenter remote sends them.
    void startOrStopActiveDraw();
    void OnVoiceReadLaterTimer();

    // Score entry.
    void on_lineEdit_returnPressed();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_10_clicked();
    void on_comboBox_2_activated(const QString &arg1);
    void on_lineEdit_2_returnPressed();
    void on_actionUndoScore_triggered();

    // The class chooser and the menus.
    void on_comboBox_currentIndexChanged(int index);
    void on_actionClass_Settings_triggered();
    void on_actionCalculate_Ave_Score_triggered();
    void on_actionOpen_Directory_triggered();
    void on_actionOpen_Student_Directory_triggered();
    void on_actionMove_Homework_triggered();
    void on_actionAbsentStudents_triggered();
    void on_actionHistory_triggered();
    void on_actionLED_triggered();
    void on_actionWheel_triggered();
    void on_actionMicro_Tile_triggered();
    void on_actionTV_Roller_triggered();
    void on_actionNoRepeat_triggered(bool checked);
    void on_actionNewRound_triggered();
    void on_actionFullScreen_toggled(bool on);
    void on_actionZoomIn_triggered();
    void on_actionZoomOut_triggered();
    void on_actionZoomReset_triggered();
    void on_actionShowNames_toggled(bool on);
    void on_actionSetting_triggered();
    void on_actionAbout_triggered();

    // The status bar.
    void showTimeInLCD();
    void OnStatusBarVoiceSwitchClicked();

    // Language.
    void on_actionChinese_Simplify_triggered();
    void on_actionEnglish_2_triggered();
    void on_actionChinese_Tranditional_triggered();

private:
    // Construction, in the order the constructor takes the steps.
    void initDataDir();
    void installTranslation(const QString &language);
    void startClock();
    void createDialogs();
    void setUpRounds();
    void setUpLanguageMenu(const QString &language);
    void setUpDisplays();
    void limitWindowSize();
    void setUpStatusBar();
    // The classroom screen: full screen, zoom, the drawn names line and the
    // presenter keys. None of it changes the window at 100 % out of full screen.
    void setUpView();

    // The chosen class and its students.
    // The class chooser's index into m_classNames, -1 when none is chosen.
    int currentClassIndex() const;
    void refreshRoster(bool reloadStore, bool refillClasses);
    void loadDrawState(const QString &className);
    void showStudentCount();

    // Draws: what every display shares.
    void feedDisplay();
    // Brings the active display in line with the draw pool as a draw starts.
    void beginDraw();
    // The students the draw announced: to the history, and out of the round.
    void noteDrawn(const std::vector<QString> &ids);
    void collectDrawnIDs(std::vector<QString> &ids) const;
    // The announcement of the drawn IDs, each followed by the separator: its
    // last four characters or, with names read, the student's name where the
    // current class gives one.
    QString spokenText(const std::vector<QString> &ids, const QString &separator, bool withNames) const;
    void readLater(const QString &text);
    void readAloud(const QString &text);
    void placeDrawnNamesLabel();
    void showDrawnNames(const std::vector<QString> &ids);
    void fitDrawnNames();
    void clearDrawnNames();
    QPushButton *activeDrawButton() const;

    // Draws on each display.
    int ledDigits() const;
    void showLedText(const QString &text);
    void startDrawTimer();
    void buildRollerBuffer();
    void collectShownIDs(std::vector<QString> &ids) const;
    void feedMicroTile();
    void feedTvRoller();
    void fillSelectCounts();
    void addWheelSpacer(int width, int height);
    void buildWheels(int count);
    void refillWheels();

    // Score entry.
    void giveScore(const QString &id, char letter);
    void appendHistory(const QString &className, const QByteArray &lines);
    bool acceptedScoreLetter(const QLineEdit *box, char &letter);
    void scoreShownStudent(char letter);
    void scoreFromButton(QPushButton *button, char letter);

    // Menus, speech and language.
    void checkModeAction(QAction *action);
    void showPanel(QWidget *panel);
    void applyView();
    void scaleContent(bool scaled);
    void setZoom(int percent);
    void setVoiceSwitch(bool on);
    // The switch's colour and tool tip for speech that cannot be heard.
    void showSpeechSilence();
    void checkLanguageAction(const QString &language);
    void changeLanguage(const QString &language);

    Ui::MainWindow *ui = nullptr;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_drawTimer = nullptr;
    QTimer *m_readLaterTimer = nullptr;
    int m_ledIndex = 0;
    MoveHomeworkDialog *m_moveHomeworkDialog = nullptr;
    ClassSettingDialog *m_classSettingDialog = nullptr;
    CalculateAveScoreDialog *m_calcAveScoreDialog = nullptr;
    SpeechService *m_speech = nullptr;
    SpeechDialog *m_speechDialog = nullptr;
    bool m_running = false;
    WigglyWidget *m_wiggly = nullptr;
    QString m_currentText;
    MicroTileWidget *m_microTile = nullptr;
    TVRollerWidget *m_tvRoller = nullptr;
    std::vector<WheelAssemblyWidget *> m_wheels;
    std::vector<QSpacerItem *> m_wheelSpacers;
    // Rest notices of the wheels since the last spin or rebuild; a wheel
    // without items never turns and is not waited for.
    WheelRestCount m_stoppedWheels;
    LotteryMode m_mode = LedSingleMode;
    std::vector<char> m_rollerBuffer;
    unsigned int m_rollerPos = 0;
    QLabel *m_clockLabel = nullptr;
    VoiceSwitchButton *m_voiceSwitch = nullptr;
    QString m_pendingSpeech;
    QString m_dataDir;
    std::vector<QString> m_classNames;
    // What the displays are filled with: the class's IDs less the absent
    // students and, with No Repeats on, less those drawn in the round.
    std::vector<QString> m_studentIDs;
    QTranslator *m_translator = nullptr;

    // Rounds, absent students, the history and undo.
    struct GivenScore
    {
        QString className;
        QString id;
        QString name;
        char letter;
        QString display;
    };
    DrawPool m_drawPool;
    // The current class's names by ID, for the history.
    QHash<QString, QString> m_studentNames;
    HistoryLog m_history;
    bool m_historyFailureReported = false;
    // The scores given in this run, newest last, for undo.
    std::vector<GivenScore> m_givenScores;
    QLabel *m_roundLabel = nullptr;
    AbsentStudentsDialog *m_absentDialog = nullptr;
    HistoryDialog *m_historyDialog = nullptr;

    QTranslator *m_qtTranslator = nullptr;

    ScaledContentView *m_scaledView = nullptr;
    QLabel *m_drawnNamesLabel = nullptr;
    QStringList m_drawnNames;
    QShortcut *m_leaveFullScreen = nullptr;
    int m_zoom = 100;
};

#endif // MAINWINDOW_H
