#include "homework/movehomeworkdialog.h"
#include "ui_movehomeworkdialog.h"

#include "app/appservices.h"
#include "common/datapaths.h"
#include "common/settingsmap.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextCursor>
#include <QUrl>

using namespace SettingsMap;


MoveHomeworkDialog::MoveHomeworkDialog(QWidget *parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::MoveHomeworkDialog)
{
    ui->setupUi(this);
    // The log is read-only and grows over the whole run; an undo history of
    // it would only grow with it.
    ui->textEdit->document()->setUndoRedoEnabled(false);
    m_dataDir = dataDirectory();

    // The stored default is the number 0, so a first opening shows "0".
    ui->lineEdit->setText(readSetting(kProgramArea, kHomeworkDownloadPath, 0).toString());
    ui->checkBox->setChecked(readSetting(kProgramArea, kHomeworkCopy, false).toBool());
    ui->checkBox_2->setChecked(readSetting(kProgramArea, kHomeworkToStudentDir, true).toBool());
}

MoveHomeworkDialog::~MoveHomeworkDialog()
{
    delete ui;
}

void MoveHomeworkDialog::setClassName(const QString &className)
{
    m_className = className;
    // Shown as named even where the name can be no folder; nothing is
    // created or opened there.
    ui->lineEdit_2->setText(m_dataDir + QLatin1Char('/') + m_className);
}

void MoveHomeworkDialog::collectHomework(bool move)
{
    const QString path = ui->lineEdit->text().trimmed();
    const QDir downloadDir(path);
    if (!downloadDir.exists()) {
        QMessageBox::information(nullptr, tr("Warning"), tr("\nInvalid Download Path!\n\n"),
                                 QMessageBox::Ok);
        return;
    }

    // One edit block for the whole scan, so that the log is laid out once and
    // not again for every file.
    QTextCursor logBatch(ui->textEdit->document());
    logBatch.beginEditBlock();
    int count = 0;
    m_filesLeft = 0;
    const QFileInfoList entries =
        downloadDir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (entry.isFile() && collectFile(m_className, entry.filePath(), entry.fileName(), move))
            ++count;
    }
    // The summary follows what was done, so a caller asking for a copy is
    // never told that files were moved.
    QString summary = QString::number(count)
        + (move ? tr(" files moved successfully!") : tr(" files copied successfully!"));
    if (m_filesLeft > 0) {
        summary += QLatin1Char(' ')
            + (move ? tr("%1 files could not be moved and are still in the download folder.")
                    : tr("%1 files could not be copied."))
                  .arg(m_filesLeft);
    }
    appendLog(summary);
    logBatch.endEditBlock();
    ui->textEdit->moveCursor(QTextCursor::End);
    ui->textEdit->ensureCursorVisible();
}

bool MoveHomeworkDialog::collectFile(const QString &className, const QString &filePath,
                                     const QString &fileName, bool move)
{
    const QString id = homeworkStudentId(fileName);
    if (!isStudentOfClass(className, id))
        return false;
    const QString destinationDir =
        homeworkDestinationDirectory(m_dataDir, className, id, ui->checkBox_2->isChecked());
    if (destinationDir.isEmpty()) {
        logLeft(fileName, move, tr("the class name or the student ID cannot be a folder name"));
        return false;
    }
    TransferProblem problem;
    if (!transferHomeworkFile(filePath, destinationDir + QLatin1Char('/') + fileName, move, &problem)) {
        logLeft(fileName, move, whyLeft(problem, destinationDir));
        return false;
    }
    appendLog((move ? tr("Move ") : tr("Copy ")) + fileName + tr(" to ") + destinationDir
              + QLatin1Char('\n'));
    return true;
}

void MoveHomeworkDialog::logLeft(const QString &fileName, bool move, const QString &why)
{
    ++m_filesLeft;
    appendLog((move ? tr("Could not move %1: %2") : tr("Could not copy %1: %2")).arg(fileName, why)
              + QLatin1Char('\n'));
}

QString MoveHomeworkDialog::whyLeft(const TransferProblem &problem, const QString &destinationDir)
{
    switch (problem.reason) {
    case TransferProblem::AlreadyThere:
        return tr("%1 already holds a file of that name").arg(destinationDir);
    case TransferProblem::NoFolder:
        return tr("there is no folder %1").arg(destinationDir);
    case TransferProblem::CannotRead:
        return tr("it cannot be read (%1)").arg(problem.systemError);
    case TransferProblem::CannotWrite:
        return tr("it cannot be written to %1 (%2)").arg(destinationDir, problem.systemError);
    case TransferProblem::StillChanging:
        return tr("it changed while it was copied, perhaps because it is still downloading");
    case TransferProblem::CannotRemove:
        return tr("it cannot be removed from the download folder (%1)").arg(problem.systemError);
    case TransferProblem::None:
        break;
    }
    return QString();
}

void MoveHomeworkDialog::on_pushButton_clicked()
{
    QFileDialog dialog(this, tr("Set Download Directory"), ui->lineEdit->text());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    writeSetting(kProgramArea, kHomeworkDownloadPath, path);
    ui->lineEdit->setText(path);
}

void MoveHomeworkDialog::on_pushButton_3_clicked()
{
    const QString classDir = classDirectoryPath(m_dataDir, m_className);
    if (!classDir.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(classDir));
}

void MoveHomeworkDialog::on_checkBox_clicked()
{
    writeSetting(kProgramArea, kHomeworkCopy, ui->checkBox->isChecked());
}

void MoveHomeworkDialog::on_checkBox_2_clicked()
{
    writeSetting(kProgramArea, kHomeworkToStudentDir, ui->checkBox_2->isChecked());
}

void MoveHomeworkDialog::on_pushButton_2_clicked()
{
    collectHomework(!ui->checkBox->isChecked());
}

void MoveHomeworkDialog::appendLog(const QString &text)
{
    // Inserted as plain text: a file name that looks like markup is shown as
    // it is written, not rendered.
    QTextCursor cursor(ui->textEdit->document());
    cursor.movePosition(QTextCursor::End);
    if (!ui->textEdit->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
}
