#include "app/restoredialog.h"
#include "ui_restoredialog.h"

#include "app/backgroundwork.h"
#include "app/interfacelanguage.h"
#include "common/settingsmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidgetItem>

namespace {
enum Row { DateRow, ClassesRow, StudentsRow, ScoresRow };
enum Column { SourceColumn, NowColumn };

QString shownDate(const QDateTime &date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QStringLiteral("-");
}
}

RestoreDialog::RestoreDialog(Source source, const QString &dataDir, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::RestoreDialog)
    , m_source(source)
    , m_dataDir(dataDir)
    , m_now(RosterStore::countsOfFile(SettingsMap::settingsFileName(SettingsMap::kRosterArea)))
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Restore"));
    const bool fromFile = source == BackupFile;
    setWindowTitle(fromFile ? tr("Restore from Backup") : tr("Restore an Earlier Day"));
    ui->label_file->setVisible(fromFile);
    ui->lineEdit_file->setVisible(fromFile);
    ui->pushButton_browse->setVisible(fromFile);
    ui->label_day->setVisible(!fromFile);
    ui->comboBox_day->setVisible(!fromFile);
    ui->tableWidget_compare->setHorizontalHeaderLabels({fromFile ? tr("In the backup") : tr("On that day"), tr("Now")});
    ui->tableWidget_compare->setVerticalHeaderLabels({tr("Date"), tr("Classes"), tr("Students"), tr("Scores")});
    for (int row = DateRow; row <= ScoresRow; ++row)
        for (int column = SourceColumn; column <= NowColumn; ++column)
            ui->tableWidget_compare->setItem(row, column, new QTableWidgetItem);
    ui->tableWidget_compare->item(DateRow, NowColumn)->setText(shownDate(QDateTime::currentDateTime()));
    ui->tableWidget_compare->item(ClassesRow, NowColumn)->setText(QString::number(m_now.classes));
    ui->tableWidget_compare->item(StudentsRow, NowColumn)->setText(QString::number(m_now.students));
    ui->tableWidget_compare->item(ScoresRow, NowColumn)->setText(QString::number(m_now.scores));
    showNoSource();
    // The four rows whole, without a scroll bar.
    QTableWidget *table = ui->tableWidget_compare;
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                          + 2 * table->frameWidth());
    ui->lineEdit_file->installEventFilter(this);

    if (!fromFile) {
        m_copies = RosterBackups::copies();
        for (const RosterBackups::Copy &copy : m_copies)
            ui->comboBox_day->addItem(shownDate(copy.time));
        if (m_copies.empty())
            ui->label_note->setText(tr("There is no earlier day yet: Zandrel keeps a copy of the classes before "
                                       "the first score of each day."));
    }
}

RestoreDialog::~RestoreDialog()
{
    delete ui;
}

void RestoreDialog::showNoSource()
{
    for (int row = DateRow; row <= ScoresRow; ++row)
        ui->tableWidget_compare->item(row, SourceColumn)->setText(QStringLiteral("-"));
    ui->label_note->clear();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void RestoreDialog::showSource(const QDateTime &date, const RosterCounts &counts)
{
    ui->tableWidget_compare->item(DateRow, SourceColumn)->setText(shownDate(date));
    ui->tableWidget_compare->item(ClassesRow, SourceColumn)->setText(QString::number(counts.classes));
    ui->tableWidget_compare->item(StudentsRow, SourceColumn)->setText(QString::number(counts.students));
    ui->tableWidget_compare->item(ScoresRow, SourceColumn)->setText(QString::number(counts.scores));
    const int takenBack = std::max(0, m_now.scores - counts.scores);
    ui->label_note->setText(tr("Scores given since then that the restore takes back: %1").arg(takenBack));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
}

void RestoreDialog::on_pushButton_browse_clicked()
{
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Restore from Backup"), QDir::homePath(), tr("Zandrel Backup (*.zip)"));
    if (file.isEmpty())
        return;
    ui->lineEdit_file->setText(QDir::toNativeSeparators(file));
    openBackup(file);
}

bool RestoreDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit_file && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openBackup(QDir::fromNativeSeparators(ui->lineEdit_file->text().trimmed()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RestoreDialog::openBackup(const QString &file)
{
    showNoSource();
    runAside(this, [this, &file] { m_archiveOpen = m_archive.open(file); });
    if (!m_archiveOpen) {
        QMessageBox::warning(this, tr("Restore from Backup"), m_archive.errorMessage());
        return;
    }
    showSource(m_archive.manifest().date, m_archive.manifest().counts);
}

void RestoreDialog::on_comboBox_day_currentIndexChanged(int index)
{
    if (index < 0 || size_t(index) >= m_copies.size())
        return showNoSource();
    const RosterBackups::Copy &copy = m_copies[size_t(index)];
    showSource(copy.time, RosterStore::countsOfFile(copy.path));
}

bool RestoreDialog::restore(QString &keptCopy)
{
    bool restored = false;
    if (m_source == BackupFile) {
        runAside(this, [&] { restored = m_archive.restore(m_dataDir, keptCopy); });
    } else {
        const QString copy = m_copies.at(size_t(ui->comboBox_day->currentIndex())).path;
        runAside(this, [&] { restored = m_archive.restoreRosterCopy(copy, m_dataDir, keptCopy); });
    }
    return restored;
}

void RestoreDialog::accept()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, windowTitle(),
        tr("Put back the classes, scores and settings shown on the left? What is there now is kept in a backup "
           "first, and Zandrel starts again."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    QString keptCopy;
    if (!restore(keptCopy)) {
        QString message = m_archive.errorMessage();
        if (m_archive.error() != BackupArchive::CannotKeepCurrent)
            message +=
                QLatin1Char('\n') + tr("What was there before is kept in %1.").arg(QDir::toNativeSeparators(keptCopy));
        QMessageBox::warning(this, windowTitle(), message);
        return;
    }
    QDialog::accept();
    QCoreApplication::quit();
    InterfaceLanguage::startProgramAgain();
}

void RestoreDialog::reject()
{
    if (isEnabled())
        QDialog::reject();
}
