#include "roster/calculateavescoredialog.h"
#include "ui_calculateavescoredialog.h"

#include "app/appservices.h"
#include "roster/averagescores.h"
#include "roster/scorefiles.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

#include <utility>

namespace {
const int kDefaultAScore = 30;
const int kDefaultFScore = 10;

int fieldValue(const QLineEdit *field)
{
    bool ok = false;
    const int value = field->text().toInt(&ok, 10);
    return ok ? value : 0;
}
}

CalculateAveScoreDialog::CalculateAveScoreDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::CalculateAveScoreDialog)
{
    ui->setupUi(this);
    auto *roundings = new QActionGroup(this);
    auto *menu = new QMenu(this);
    for (QAction *action : {ui->actionDataFormat1, ui->actionDataFormat2, ui->actionDataFormat3}) {
        roundings->addAction(action);
        menu->addAction(action);
    }
    ui->toolButton->setMenu(menu);
}

CalculateAveScoreDialog::~CalculateAveScoreDialog()
{
    delete ui;
}

int CalculateAveScoreDialog::rounding() const
{
    if (ui->actionDataFormat2->isChecked())
        return IntegerOnly;
    if (ui->actionDataFormat3->isChecked())
        return KeepFloat;
    return RoundOff;
}

void CalculateAveScoreDialog::scoreSettings(int &rounding, int &aScore, int &fScore)
{
    aScore = fieldValue(ui->lineEdit);
    fScore = fieldValue(ui->lineEdit_2);
    if (aScore <= 0 || fScore <= 0) {
        aScore = kDefaultAScore;
        fScore = kDefaultFScore;
    } else if (aScore < fScore) {
        std::swap(aScore, fScore);
    }
    rounding = this->rounding();
}

bool CalculateAveScoreDialog::enteredScores(int &aScore, int &fScore)
{
    aScore = fieldValue(ui->lineEdit);
    fScore = fieldValue(ui->lineEdit_2);
    if (aScore <= 0 || fScore <= 0) {
        QMessageBox::warning(this, tr("Define A and F score!"),
                             tr("Please define A and F's score, such as A to 30, F to 10!"), QMessageBox::Ok);
        return false;
    }
    return true;
}

void CalculateAveScoreDialog::setClassName(const QString &className)
{
    m_className = className;
    setWindowTitle(tr("Calculate Ave Score - %1").arg(className));
}

void CalculateAveScoreDialog::calculate()
{
    int aScore = 0;
    int fScore = 0;
    if (enteredScores(aScore, fScore))
        tellWhatWasWritten(calculateScores(aScore, fScore, rounding()));
}

void CalculateAveScoreDialog::tellWhatWasWritten(bool written)
{
    const QString textFile = scoreFilePath(dataDirectory(), m_className, false);
    const QString csvFile = scoreFilePath(dataDirectory(), m_className, true);
    if (written) {
        QMessageBox::information(
            this, windowTitle(),
            tr("The average scores of %1 were written to\n%2\nand\n%3")
                .arg(m_className, QDir::toNativeSeparators(textFile), QDir::toNativeSeparators(csvFile)));
    } else if (m_className.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("No score files were written: choose a class in the main window first."));
    } else if (textFile.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("No score files were written: the class name %1 holds a / or \\, which a file "
                                "name cannot. Rename the class in Class Settings.")
                                 .arg(m_className));
    } else {
        QMessageBox::warning(this, windowTitle(),
                             tr("The score files of %1 could not be written into %2. Check that the folder "
                                "exists, can be written and the disk is not full.")
                                 .arg(m_className, QDir::toNativeSeparators(dataDirectory())));
    }
}

void CalculateAveScoreDialog::on_toolButton_clicked()
{
    calculate();
}

void CalculateAveScoreDialog::on_actionDataFormat1_triggered()
{
    calculate();
}

void CalculateAveScoreDialog::on_actionDataFormat2_triggered()
{
    calculate();
}

void CalculateAveScoreDialog::on_actionDataFormat3_triggered()
{
    calculate();
}

void CalculateAveScoreDialog::on_pushButton_2_clicked()
{
    openScoreFiles();
}

void CalculateAveScoreDialog::on_pushButton_3_clicked()
{
    openDataDirectory();
}

void CalculateAveScoreDialog::on_pushButton_exportExcel_clicked()
{
    int aScore = 0;
    int fScore = 0;
    if (enteredScores(aScore, fScore))
        exportScoreWorkbook(aScore, fScore, rounding());
}
