#include "roster/historydialog.h"
#include "ui_historydialog.h"

#include "roster/texttablemodel.h"

#include <QFile>

HistoryDialog::HistoryDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::HistoryDialog)
    , m_eventModel(new TextTableModel({tr("Time"), tr("Event"), tr("Display"), tr("ID"), tr("Name"), tr("Score")}, this))
    , m_studentModel(new TextTableModel({tr("ID"), tr("Name"), tr("Times Drawn"), tr("Last Drawn"), tr("Letters Given")}, this))
    , m_words({{QLatin1String(kHistoryDraw), tr("Draw")},
               {QLatin1String(kHistoryScore), tr("Score")},
               {QLatin1String(kHistoryUndo), tr("Undo")},
               {QLatin1String(kHistoryLed), tr("LED")},
               {QLatin1String(kHistoryLedRoll), tr("LED Roll")},
               {QLatin1String(kHistoryMicroTile), tr("Micro Tile")},
               {QLatin1String(kHistoryTvRoller), tr("TV Roller")},
               {QLatin1String(kHistoryWheel), tr("Wheel")},
               {QLatin1String(kHistoryFloating), tr("Floating Button")},
               {QLatin1String(kHistoryCommandLine), tr("Command Line")}})
{
    ui->setupUi(this);
    ui->eventTable->setModel(m_eventModel);
    ui->studentTable->setModel(m_studentModel);
    // Measured once: fitting the columns to a long history would read every row.
    const int timeWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 16;
    ui->eventTable->setColumnWidth(0, timeWidth);
    ui->studentTable->setColumnWidth(3, timeWidth);
}

HistoryDialog::~HistoryDialog()
{
    delete ui;
}

void HistoryDialog::showHistory(const QString &className, const QString &path, const QStringList &ids,
                                const QStringList &names)
{
    setWindowTitle(tr("History of %1").arg(className));
    m_entries.clear();
    int damagedLines = 0;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        m_entries = readHistory(file, &damagedLines);
    ui->damagedLinesLabel->setText(tr("%n lines could not be read", nullptr, damagedLines));
    ui->damagedLinesLabel->setVisible(damagedLines > 0);
    m_students = summarizeHistory(m_entries, ids, names);
    m_eventModel->setCells(int(m_entries.size()), [this](int row, int column) { return eventCell(row, column); });
    m_studentModel->setCells(int(m_students.size()), [this](int row, int column) { return studentCell(row, column); });
}

QString HistoryDialog::eventCell(int row, int column) const
{
    const HistoryEntry &entry = m_entries[m_entries.size() - 1 - size_t(row)];
    switch (column) {
    case 0:
        return entry.time;
    case 1:
        return m_words.value(entry.event, entry.event);
    case 2:
        return m_words.value(entry.display, entry.display);
    case 3:
        return entry.id;
    case 4:
        return entry.name;
    default:
        return entry.score;
    }
}

QString HistoryDialog::studentCell(int row, int column) const
{
    const StudentHistory &student = m_students[size_t(row)];
    switch (column) {
    case 0:
        return student.id;
    case 1:
        return student.name;
    case 2:
        return QString::number(student.timesDrawn);
    case 3:
        return student.lastDrawn;
    default:
        return student.lettersGiven;
    }
}
