#include "roster/batchaddiddialog.h"
#include "ui_batchaddiddialog.h"

#include <QMessageBox>

BatchAddIDDialog::BatchAddIDDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::BatchAddIDDialog)
{
    ui->setupUi(this);
}

BatchAddIDDialog::~BatchAddIDDialog()
{
    delete ui;
}

void BatchAddIDDialog::on_pushButton_2_clicked()
{
    const QString from = ui->lineEdit->text().simplified();
    const QString to = ui->lineEdit_2->text().simplified();
    if (from.isEmpty() || to.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("ID should not be empty!"), QMessageBox::Ok);
        return;
    }
    emit rangeRequested(from, to);
}

void BatchAddIDDialog::on_pushButton_clicked()
{
    close();
}
