#include "roster/scorebook.h"

#include "roster/classhistory.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"

#include <QDateTime>

#include <algorithm>

namespace {
QByteArray scoreLine(const char *event, const GivenScore &given)
{
    return historyLine({historyTime(QDateTime::currentDateTime()), QString::fromLatin1(event), given.display, given.id,
                        given.name, QString(QChar::fromLatin1(given.letter))});
}
}

ScoreBook::ScoreBook(RosterStore *store, ClassHistory *history, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_history(history)
{
}

void ScoreBook::setClass(const QString &className)
{
    m_className = className;
    m_names = m_store->namesById(className);
    forgetScoresOfStudentsGone();
}

bool ScoreBook::stillHolds(const GivenScore &given) const
{
    return m_store->studentOfKey(m_store->classOfKey(given.classKey), given.studentKey) >= 0;
}

void ScoreBook::forgetScoresOfStudentsGone()
{
    const bool couldUndo = canUndo();
    m_given.erase(
        std::remove_if(m_given.begin(), m_given.end(), [this](const GivenScore &given) { return !stillHolds(given); }),
        m_given.end());
    if (couldUndo && !canUndo())
        emit undoAvailable(false);
}

void ScoreBook::give(const QString &id, char letter)
{
    give(id, letter, m_display);
}

void ScoreBook::give(const QString &id, char letter, const QString &display)
{
    // The store passes over an ID it does not know; so do undo and history.
    const int k = m_store->classIndex(m_className);
    const int student = k >= 0 ? m_store->ids(k).indexOf(id) : -1;
    m_store->appendScore(m_className, id, letter);
    if (student < 0)
        return;
    m_given.push_back(
        {m_className, id, m_names.value(id), letter, display, m_store->classKey(k), m_store->studentKey(k, student)});
    emit undoAvailable(true);
    m_history->append(m_className, scoreLine(kHistoryScore, m_given.back()));
}

QString ScoreBook::undo()
{
    if (m_given.empty())
        return QString();
    forgetScoresOfStudentsGone();
    if (m_given.empty())
        return QString();
    GivenScore given = m_given.back();
    m_given.pop_back();
    emit undoAvailable(!m_given.empty());

    // The class and the student as they are called now.
    const int k = m_store->classOfKey(given.classKey);
    const int student = m_store->studentOfKey(k, given.studentKey);
    given.className = m_store->classNameList().at(k);
    given.id = m_store->ids(k).at(student);
    given.name = m_store->names(k).at(student);
    const QString letter(QChar::fromLatin1(given.letter));
    if (!m_store->removeLastScoreOf(given.classKey, given.studentKey, given.letter))
        return tr("%1 was not removed: the scores of %2 no longer end with it").arg(letter, given.id);
    m_history->append(given.className, scoreLine(kHistoryUndo, given));
    return tr("Removed %1 from %2").arg(letter, given.id);
}
