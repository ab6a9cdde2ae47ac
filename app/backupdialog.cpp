#include "app/backupdialog.h"
#include "ui_backupdialog.h"

#include "app/backgroundwork.h"
#include "roster/backuparchive.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

BackupDialog::BackupDialog(const QString &dataDir, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::BackupDialog)
    , m_dataDir(dataDir)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Back Up"));
    ui->lineEdit_file->setText(
        QDir::toNativeSeparators(QDir::home().filePath(BackupArchive::defaultFileName(QDate::currentDate()))));
}

BackupDialog::~BackupDialog()
{
    delete ui;
}

void BackupDialog::on_pushButton_browse_clicked()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Back Up Everything"), ui->lineEdit_file->text(),
                                                      tr("Zandrel Backup (*.zip)"));
    if (!file.isEmpty())
        ui->lineEdit_file->setText(QDir::toNativeSeparators(file));
}

void BackupDialog::accept()
{
    QString file = QDir::fromNativeSeparators(ui->lineEdit_file->text().trimmed());
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        file += QStringLiteral(".zip");
    const bool homework = ui->checkBox_includeHomework->isChecked();
    BackupArchive archive;
    bool written = false;
    runAside(this, [&] { written = archive.write(file, m_dataDir, homework); });
    if (!written) {
        QMessageBox::warning(this, tr("Back Up Everything"), archive.errorMessage());
        return;
    }
    QMessageBox::information(this, tr("Back Up Everything"),
                             tr("Everything was backed up to %1.").arg(QDir::toNativeSeparators(file)));
    QDialog::accept();
}

void BackupDialog::reject()
{
    if (isEnabled())
        QDialog::reject();
}
