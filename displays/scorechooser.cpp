#include "displays/scorechooser.h"

#include "app/appservices.h"
#include "displays/scoreletter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace {
const int kBoxWidth = 40;
}

ScoreChooser::ScoreChooser(const QString &chooserName, int spacing, std::function<bool(QString &id)> student,
                           QWidget *parent)
    : QWidget(parent)
    , m_student(std::move(student))
    , m_chooser(new QComboBox(this))
    , m_box(new QLineEdit(this))
{
    setObjectName(QStringLiteral("scoreChooser"));
    m_chooser->setObjectName(chooserName);
    m_chooser->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                         QStringLiteral("E"), QStringLiteral("F")});
    m_box->setObjectName(QStringLiteral("lineEdit"));
    m_box->setMaximumWidth(kBoxWidth);
    m_box->setEchoMode(QLineEdit::Password);
    auto *row = new QHBoxLayout(this);
    row->setSpacing(spacing);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_chooser, 0, Qt::AlignVCenter);
    row->addWidget(m_box, 0, Qt::AlignVCenter);

    connect(m_chooser, &QComboBox::textActivated, this, &ScoreChooser::choose);
    connect(m_box, &QLineEdit::returnPressed, this, &ScoreChooser::enter);
}

void ScoreChooser::fitHeight(int height, const QFont &font)
{
    if (std::max(m_chooser->sizeHint().height(), m_box->sizeHint().height()) <= height)
        return;
    for (QWidget *control : {static_cast<QWidget *>(m_chooser), static_cast<QWidget *>(m_box)}) {
        control->setFont(font);
        control->setFixedHeight(height);
    }
}

void ScoreChooser::choose(const QString &text)
{
    QString id;
    if (!m_student(id) || text.isEmpty())
        return;
    recordScore(id, text.at(0).toLatin1());
    m_box->clear();
    showScoreBanner(m_chooser, text);
}

void ScoreChooser::enter()
{
    QString id;
    if (!m_student(id))
        return;
    const char letter = scoreLetter(m_box->text());
    if (!letter) {
        QMessageBox::warning(this, tr("Warning"), tr("Please input letter 'A','B','C','D','E' or 'F'"));
        return;
    }
    recordScore(id, letter);
    m_box->clear();
    showScoreBanner(m_box, QStringLiteral("*"));
}
