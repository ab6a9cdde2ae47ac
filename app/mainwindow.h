#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QTimer;
class CalculateAveScoreDialog;
class ClassMenu;
class DrawnNamesLabel;
class DrawPanels;
class FloatingDraws;
class ClassHistory;
class ClassroomScreen;
class ClassSettingDialog;
class DrawSession;
class LanguageMenu;
class MoveHomeworkDialog;
class RosterStore;
class SaveFailureReports;
class ScoreEntry;
class ScoreBook;
class SessionDrawCommands;
class SpeechDialog;
class SpeechService;
class StatusBarControls;
class StudentCounts;
class WindowServices;
class WigglyWidget;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Over the roster store the program shares with the class settings
    // dialog; the second form keeps a store of its own.
    explicit MainWindow(RosterStore *store, QWidget *parent = nullptr);
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // What another window or the command line drives: the same draws, on
    // the display this window shows, and the same scores.
    DrawSession *drawSession() const { return m_session; }
    ScoreBook *scoreBook() const { return m_scoreBook; }
    SpeechService *speech() const { return m_speech; }
    FloatingDraws *floatingDraws() const { return m_floatingDraws; }
    // Takes the command line's commands from now on; the program calls it
    // once it holds its one-copy lock.
    bool listenForCommands();

    // As the displays give a score, through the services the window installs.
    void recordScore(const QString &id, char letter);

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
    void on_actionBackUp_triggered();
    void on_actionRestore_triggered();
    void on_actionRestoreEarlierDay_triggered();
    void on_actionQuit_triggered();
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
    void on_actionFloatingButton_toggled(bool on);
    void on_actionSetting_triggered();
    void on_actionQuickGuide_triggered();
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
    void createDialogs();
    void setUpRounds();
    void setUpDisplays();
    void setUpDraws();
    void setUpStatusBar();
    // The classroom screen: full screen, zoom, the drawn names line and the
    // presenter keys. None of it changes the window at 100 % out of full screen.
    void setUpView();
    // The floating draw button and the command line, on the same session.
    void setUpFloating();

    // The chosen class and its students.
    // The class chooser's index into m_classNames, -1 when none is chosen.
    int currentClassIndex() const;
    std::optional<QString> chosenClass() const;
    void refreshRoster(bool reloadStore, bool refillClasses);
    // Lists, once for each class and list, the students of the chosen class
    // whose IDs no draw reaches.
    void tellUndrawableStudents();
    // The names line says what to do while the chosen class has no students.
    void showEmptyClassNotice();

    // The drawn names line.
    void placeDrawnNamesLabel();
    void showDrawnNames(const std::vector<QString> &ids);

    Ui::MainWindow *ui = nullptr;
    RosterStore *m_store;
    MoveHomeworkDialog *m_moveHomeworkDialog = nullptr;
    ClassSettingDialog *m_classSettingDialog = nullptr;
    CalculateAveScoreDialog *m_calcAveScoreDialog = nullptr;
    SpeechService *m_speech = nullptr;
    SpeechDialog *m_speechDialog = nullptr;
    WigglyWidget *m_wiggly = nullptr;
    QString m_dataDir;
    std::vector<QString> m_classNames;
    // While the class chooser is filled anew, its passing choices are not
    // the teacher's.
    bool m_refillingClasses = false;
    bool m_built = false;
    // The IDs last listed for each class, by the store's class key.
    QHash<quint64, QStringList> m_undrawableTold;

    // The draws, the scores and their history.
    ClassHistory *m_history = nullptr;
    DrawSession *m_session = nullptr;
    ScoreBook *m_scoreBook = nullptr;
    DrawPanels *m_panels = nullptr;
    ScoreEntry *m_scoreEntry = nullptr;
    StudentCounts *m_studentCounts = nullptr;

    LanguageMenu *m_language = nullptr;
    ClassMenu *m_classMenu = nullptr;
    WindowServices *m_services = nullptr;
    StatusBarControls *m_statusBarControls = nullptr;
    SaveFailureReports *m_saveFailures = nullptr;

    ClassroomScreen *m_screen = nullptr;
    DrawnNamesLabel *m_drawnNamesLabel = nullptr;

    SessionDrawCommands *m_drawCommands = nullptr;
    FloatingDraws *m_floatingDraws = nullptr;
};

#endif // MAINWINDOW_H
