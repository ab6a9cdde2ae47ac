#include "app/studentcounts.h"

#include "roster/drawsession.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>

namespace {
// The count beside the class chooser, 10 points as the form has it, smaller
// only when it would not fit.
const int kCountPointSize = 10;
const int kSmallestCountPointSize = 7;
}

StudentCounts::StudentCounts(QLabel *countLabel, QMenuBar *menuBar, DrawSession *session, QObject *parent)
    : QObject(parent)
    , m_countLabel(countLabel)
    , m_session(session)
{
    // "33 名学生（3 人缺席）" is wider than the label; wrapped, Chinese would
    // break inside a word, so the count stays on one line and its font
    // shrinks instead.
    m_countLabel->setWordWrap(false);
    // Beside the menus rather than in the status bar, whose messages (the
    // new round's is long) it would cut short.
    m_roundLabel = new QLabel(menuBar);
    m_roundLabel->setObjectName(QStringLiteral("roundLabel"));
    m_roundLabel->setContentsMargins(0, 0, 6, 0);
    menuBar->setCornerWidget(m_roundLabel, Qt::TopRightCorner);
    connect(m_session, &DrawSession::countsChanged, this, &StudentCounts::show);
}

void StudentCounts::show()
{
    const DrawPool &pool = m_session->pool();
    const int present = pool.presentCount();
    const int absent = pool.absentCount();
    const QString count = absent > 0 ? tr("%1 Students (%2 absent)").arg(present).arg(absent)
                                     : QStringLiteral("%1 ").arg(present) + tr("Students");
    QFont countFont = m_countLabel->font();
    for (int size = kCountPointSize; size >= kSmallestCountPointSize; --size) {
        countFont.setPointSize(size);
        if (QFontMetrics(countFont).horizontalAdvance(count) <= m_countLabel->maximumWidth())
            break;
    }
    m_countLabel->setFont(countFont);
    m_countLabel->setText(count);
    m_roundLabel->setText(tr("%1 of %2 left in this round").arg(pool.remainingCount()).arg(present));
    m_roundLabel->setVisible(pool.noRepeat());
}
