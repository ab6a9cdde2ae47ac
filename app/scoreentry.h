#ifndef SCOREENTRY_H
#define SCOREENTRY_H

#include <QCoreApplication>

class QComboBox;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QString;
class DrawSession;
class ScoreBook;
class WindowServices;

// The main window's own letters: the A–F buttons, the score boxes and the
// undo of the last score. A letter goes to the first student the names line
// names; with none, the status bar says why no letter was given.
class ScoreEntry
{
    Q_DECLARE_TR_FUNCTIONS(ScoreEntry)

public:
    ScoreEntry(QMainWindow *window, DrawSession *session, ScoreBook *scoreBook, WindowServices *services);

    void scoreFromButton(QPushButton *button, char letter);
    void scoreFromChooser(QComboBox *chooser, const QString &text);
    void scoreFromLedBox(QLineEdit *box);
    void scoreFromTileBox(QLineEdit *box);
    void undo();

private:
    bool acceptedScoreLetter(const QLineEdit *box, char &letter);
    bool hasNamedStudent();
    void scoreNamedStudent(char letter);
    void scoreFromBox(QLineEdit *box, char letter);

    QMainWindow *m_window;
    DrawSession *m_session;
    ScoreBook *m_scoreBook;
    WindowServices *m_services;
};

#endif // SCOREENTRY_H
