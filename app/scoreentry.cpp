#include "app/scoreentry.h"

#include "app/windowservices.h"
#include "displays/scoreletter.h"
#include "roster/drawsession.h"
#include "roster/scorebook.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {
// Messages about a score or its undo go once the next draw is under way.
const int kScoreMessageMs = 5000;
}

ScoreEntry::ScoreEntry(QMainWindow *window, DrawSession *session, ScoreBook *scoreBook, WindowServices *services)
    : m_window(window)
    , m_session(session)
    , m_scoreBook(scoreBook)
    , m_services(services)
{
}

bool ScoreEntry::acceptedScoreLetter(const QLineEdit *box, char &letter)
{
    letter = scoreLetter(box->text());
    if (letter)
        return true;
    QMessageBox::warning(m_window, tr("Warning"), tr("Please input letter 'A','B','C','D','E' or 'F'"));
    return false;
}

bool ScoreEntry::hasNamedStudent()
{
    if (!m_session->namedIds().empty())
        return true;
    m_window->statusBar()->showMessage(tr("No letter given: no student is drawn or shown yet"), kScoreMessageMs);
    return false;
}

void ScoreEntry::scoreNamedStudent(char letter)
{
    m_scoreBook->give(m_session->namedIds().front(), letter);
}

void ScoreEntry::scoreFromButton(QPushButton *button, char letter)
{
    if (!hasNamedStudent())
        return;
    scoreNamedStudent(letter);
    m_services->showBanner(button, QString(QLatin1Char(letter)));
}

void ScoreEntry::scoreFromBox(QLineEdit *box, char letter)
{
    box->clear();
    scoreNamedStudent(letter);
    m_services->showBanner(box, QStringLiteral("*"));
}

void ScoreEntry::scoreFromLedBox(QLineEdit *box)
{
    char letter = 0;
    if (acceptedScoreLetter(box, letter) && hasNamedStudent())
        scoreFromBox(box, letter);
}

void ScoreEntry::scoreFromChooser(QComboBox *chooser, const QString &text)
{
    if (text.isEmpty() || !hasNamedStudent())
        return;
    scoreNamedStudent(text.at(0).toLatin1());
    m_services->showBanner(chooser, text);
}

void ScoreEntry::scoreFromTileBox(QLineEdit *box)
{
    // The board's box says nothing of a wrong letter while no tile is drawn.
    char letter = 0;
    if (hasNamedStudent() && acceptedScoreLetter(box, letter))
        scoreFromBox(box, letter);
}

void ScoreEntry::undo()
{
    if (m_scoreBook->canUndo())
        m_window->statusBar()->showMessage(m_scoreBook->undo(), kScoreMessageMs);
}
