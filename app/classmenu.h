#ifndef CLASSMENU_H
#define CLASSMENU_H

#include <QString>
#include <functional>
#include <optional>

class QWidget;
class AbsentStudentsDialog;
class CalculateAveScoreDialog;
class ClassSettingDialog;
class DrawSession;
class HistoryDialog;
class MoveHomeworkDialog;

// The dialogs the Class and Help menus open over the main window, on the
// class chosen there. Those that need a class do nothing while none is chosen.
class ClassMenu
{
public:
    // The class chosen in the main window, none while there is none.
    using ChosenClass = std::function<std::optional<QString>()>;

    struct Dialogs
    {
        ClassSettingDialog *classSettings;
        CalculateAveScoreDialog *averages;
        MoveHomeworkDialog *homework;
    };

    ClassMenu(QWidget *window, const QString &dataDir, DrawSession *session, const Dialogs &dialogs,
              ChosenClass chosenClass);

    void calculateAverages();
    void openStudentDirectories();
    void moveHomework();
    // True when the teacher changed who is absent today.
    bool markAbsentStudents();
    void showHistory();
    void backUp();
    void restore();
    void restoreEarlierDay();
    void showQuickGuide();
    void showAbout();

private:
    QWidget *m_window;
    QString m_dataDir;
    DrawSession *m_session;
    Dialogs m_dialogs;
    ChosenClass m_chosenClass;
    // Made the first time they are asked for.
    AbsentStudentsDialog *m_absentDialog = nullptr;
    HistoryDialog *m_historyDialog = nullptr;
};

#endif // CLASSMENU_H
