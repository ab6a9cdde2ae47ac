#include "app/wheeldrawdisplay.h"

#include "displays/wheelassemblywidget.h"
#include "displays/wheeldraw.h"
#include "displays/wheelshares.h"
#include "roster/drawsession.h"
#include "roster/historyfile.h"

#include <QBoxLayout>
#include <QSpacerItem>

WheelDrawDisplay::WheelDrawDisplay(DrawSession *session, QBoxLayout *row, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_row(row)
{
}

void WheelDrawDisplay::addSpacer(int width, int height)
{
    auto *spacer = new QSpacerItem(width, height, QSizePolicy::Minimum, QSizePolicy::Minimum);
    m_row->addItem(spacer);
    m_spacers.push_back(spacer);
}

void WheelDrawDisplay::build(int count)
{
    for (WheelAssemblyWidget *wheel : m_wheels) {
        m_row->removeWidget(wheel);
        delete wheel;
    }
    m_wheels.clear();
    for (QSpacerItem *spacer : m_spacers) {
        m_row->removeItem(spacer);
        delete spacer;
    }
    m_spacers.clear();

    const int spacerWidth = wheelSpacerWidth(count);
    if (spacerWidth > 0)
        addSpacer(spacerWidth, 50);
    const std::vector<QString> &candidates = m_session->candidates();
    for (WheelAssemblyWidget *wheel :
         createWheelAssemblies(QStringList(candidates.cbegin(), candidates.cend()), count)) {
        m_row->addWidget(wheel);
        m_wheels.push_back(wheel);
    }
    if (spacerWidth > 0)
        addSpacer(spacerWidth, 30);

    m_stoppedWheels.expect(count);
}

void WheelDrawDisplay::noteRest()
{
    if (!m_stoppedWheels.noteRest())
        return;
    std::vector<QString> ids, drawn;
    for (const WheelAssemblyWidget *wheel : m_wheels) {
        ids.push_back(wheel->currentText());
        if (wheel->itemCount() > 0)
            drawn.push_back(wheel->currentText());
    }
    DrawOutcome outcome;
    outcome.statusText = m_session->spokenText(ids, QStringLiteral(" "));
    outcome.announced = ids;
    outcome.separator = QStringLiteral(" ");
    outcome.when = DrawOutcome::AnnounceLater;
    outcome.shown = drawn;
    outcome.drawn = std::move(drawn);
    m_session->finish(outcome);
}

QString WheelDrawDisplay::historyName() const
{
    return QString::fromLatin1(kHistoryWheel);
}

void WheelDrawDisplay::fill()
{
    const std::vector<QString> &candidates = m_session->candidates();
    const QVector<QStringList> shares =
        wheelShares(QStringList(candidates.cbegin(), candidates.cend()), static_cast<int>(m_wheels.size()));
    for (int w = 0; w < shares.size() && w < static_cast<int>(m_wheels.size()); ++w)
        m_wheels[static_cast<size_t>(w)]->setItems(shares.at(w));
}

bool WheelDrawDisplay::start()
{
    if (m_wheels.empty())
        return false;
    m_stoppedWheels.expect(spinWheels(m_wheels));
    return true;
}

std::vector<QString> WheelDrawDisplay::drawnIds() const
{
    std::vector<QString> ids;
    for (const WheelAssemblyWidget *wheel : m_wheels)
        ids.push_back(wheel->currentText());
    return ids;
}
