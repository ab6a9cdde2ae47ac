#include "displays/wheelassemblywidget.h"

#include "app/appservices.h"
#include "displays/scoreletter.h"
#include "displays/stringwheelwidget.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

WheelAssemblyWidget::WheelAssemblyWidget(bool touch, QWidget *parent)
    : QWidget(parent)
    , m_wheel(new StringWheelWidget(touch))
    , m_scoreRow(new QWidget(this))
    , m_comboBox(new QComboBox(m_scoreRow))
    , m_lineEdit(new QLineEdit(m_scoreRow))
{
    auto *column = new QVBoxLayout(this);
    column->setSpacing(1);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_wheel, 0);

    m_scoreRow->setGeometry(0, 0, 90, 30);
    column->addWidget(m_scoreRow, 1);
    m_comboBox->setObjectName(QStringLiteral("comboBox"));
    m_comboBox->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                          QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F")});
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    m_lineEdit->setMaximumWidth(40);
    m_lineEdit->setEchoMode(QLineEdit::Password);
    auto *row = new QHBoxLayout(m_scoreRow);
    row->setSpacing(1);
    row->addStretch(1);
    row->addWidget(m_comboBox);
    row->addWidget(m_lineEdit);
    row->addStretch(1);

    connect(m_lineEdit, &QLineEdit::returnPressed, this, &WheelAssemblyWidget::on_lineEdit_returnPressed);
    connect(m_comboBox, &QComboBox::textActivated, this, &WheelAssemblyWidget::on_combobox_activated);
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

void WheelAssemblyWidget::on_lineEdit_returnPressed()
{
    const char letter = scoreLetter(m_lineEdit->text());
    if (!letter) {
        QMessageBox::warning(this, tr("Warning"), tr("Please input letter 'A','B','C','D','E' or 'F'"));
        return;
    }
    recordScore(m_wheel->currentText(), letter);
    m_lineEdit->clear();
    showScoreBanner(m_lineEdit, QStringLiteral("*"));
}

void WheelAssemblyWidget::on_combobox_activated(const QString &text)
{
    recordScore(m_wheel->currentText(), text.toLatin1().at(0));
    m_lineEdit->clear();
    showScoreBanner(m_comboBox, text);
}
