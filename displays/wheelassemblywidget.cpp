#include "displays/wheelassemblywidget.h"

#include "displays/scorechooser.h"
#include "displays/stringwheelwidget.h"

#include <QBoxLayout>

WheelAssemblyWidget::WheelAssemblyWidget(bool touch, QWidget *parent)
    : QWidget(parent)
    , m_wheel(new StringWheelWidget(touch))
    , m_scoreRow(new QWidget(this))
{
    auto *column = new QVBoxLayout(this);
    column->setSpacing(1);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_wheel, 0);

    m_scoreRow->setGeometry(0, 0, 90, 30);
    column->addWidget(m_scoreRow, 1);
    const int spacing = 1;
    auto *scores = new ScoreChooser(
        QStringLiteral("comboBox"), spacing,
        [this](QString &id) {
            id = m_wheel->currentText();
            return true;
        },
        m_scoreRow);
    auto *row = new QHBoxLayout(m_scoreRow);
    row->setSpacing(spacing);
    row->addStretch(1);
    row->addWidget(scores);
    row->addStretch(1);
}

int WheelAssemblyWidget::currentIndex() const
{
    return m_wheel->currentIndex();
}

int WheelAssemblyWidget::itemCount() const
{
    return m_wheel->itemCount();
}

QString WheelAssemblyWidget::currentText() const
{
    return m_wheel->currentText();
}

void WheelAssemblyWidget::setItems(const QStringList &items)
{
    m_wheel->setItems(items);
}

void WheelAssemblyWidget::setShowChars(int count)
{
    m_wheel->setShowChars(count);
}

void WheelAssemblyWidget::setColors(const QColor &frame, const QColor &fill)
{
    m_wheel->setColors(frame, fill);
}

void WheelAssemblyWidget::scrollTo(int index)
{
    m_wheel->scrollTo(index);
}
