#include "roster/scorebook.h"

#include "roster/classhistory.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"

#include <QDateTime>

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
}

void ScoreBook::give(const QString &id, char letter)
{
    give(id, letter, m_display);
}

void ScoreBook::give(const QString &id, char letter, const QString &display)
{
    // The store passes over an ID it does not know; so do undo and history.
    const bool known = m_store->hasStudent(m_className, id);
    m_store->appendScore(m_className, id, letter);
    if (!known)
        return;
    m_given.push_back({m_className, id, m_names.value(id), letter, display});
    emit undoAvailable(true);
    m_history->append(m_className, scoreLine(kHistoryScore, m_given.back()));
}

QString ScoreBook::undo()
{
    if (m_given.empty())
        return QString();
    const GivenScore given = m_given.back();
    m_given.pop_back();
    emit undoAvailable(!m_given.empty());

    const QString letter(QChar::fromLatin1(given.letter));
    if (!m_store->removeLastScore(given.className, given.id, given.letter))
        return tr("%1 was not removed: the scores of %2 no longer end with it").arg(letter, given.id);
    m_history->append(given.className, scoreLine(kHistoryUndo, given));
    return tr("Removed %1 from %2").arg(letter, given.id);
}
