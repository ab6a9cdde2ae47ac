#include "roster/historydialog.h"
#include "ui_historydialog.h"

#include "roster/historyfile.h"
#include "roster/historysummary.h"
#include "roster/texttablemodel.h"

#include <QFile>

namespace {
const int kTimeColumnWidth = 140;
}

HistoryDialog::HistoryDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::HistoryDialog)
    , m_events(new TextTableModel(this))
    , m_students(new TextTableModel(this))
{
    ui->setupUi(this);
    m_events->setHeaders({tr("Time"), tr("Event"), tr("Display"), tr("ID"), tr("Name"), tr("Score")});
    m_students->setHeaders({tr("ID"), tr("Name"), tr("Times Drawn"), tr("Last Drawn"), tr("Letters Given")});
    ui->eventTable->setModel(m_events);
    ui->studentTable->setModel(m_students);
    ui->eventTable->setColumnWidth(0, kTimeColumnWidth);
    ui->studentTable->setColumnWidth(3, kTimeColumnWidth);
}

HistoryDialog::~HistoryDialog()
{
    delete ui;
}

void HistoryDialog::showHistory(const QString &className, const QString &path, const QStringList &ids,
                                const QStringList &names)
{
    setWindowTitle(tr("History of %1").arg(className));
    std::vector<HistoryEntry> entries;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        entries = readHistory(file);

    std::vector<QStringList> events;
    events.reserve(entries.size());
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        events.push_back({entry->time, eventText(entry->event), displayText(entry->display), entry->id,
                          entry->name, entry->score});
    }
    m_events->setRows(std::move(events));

    std::vector<QStringList> students;
    for (const StudentHistory &student : summarizeHistory(entries, ids, names)) {
        students.push_back({student.id, student.name, QString::number(student.timesDrawn), student.lastDrawn,
                            student.lettersGiven});
    }
    m_students->setRows(std::move(students));
}

QString HistoryDialog::eventText(const QString &event) const
{
    if (event == QLatin1String(kHistoryDraw))
        return tr("Draw");
    if (event == QLatin1String(kHistoryScore))
        return tr("Score");
    if (event == QLatin1String(kHistoryUndo))
        return tr("Undo");
    return event;
}

QString HistoryDialog::displayText(const QString &display) const
{
    if (display == QLatin1String(kHistoryLed))
        return tr("LED");
    if (display == QLatin1String(kHistoryLedRoll))
        return tr("LED Roll");
    if (display == QLatin1String(kHistoryMicroTile))
        return tr("Micro Tile");
    if (display == QLatin1String(kHistoryTvRoller))
        return tr("TV Roller");
    if (display == QLatin1String(kHistoryWheel))
        return tr("Wheel");
    return display;
}
