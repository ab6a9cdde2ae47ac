#ifndef BATCHADDIDDIALOG_H
#define BATCHADDIDDIALOG_H

#include <QDialog>

namespace Ui {
class BatchAddIDDialog;
}

// Asks for the first and last ID of a range; its owner adds the IDs the
// current class does not hold yet.
class BatchAddIDDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BatchAddIDDialog(QWidget *parent = nullptr);
    ~BatchAddIDDialog() override;

signals:
    // Both ends given, simplified, in the order typed.
    void rangeRequested(const QString &from, const QString &to);

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    Ui::BatchAddIDDialog *ui;
};

#endif // BATCHADDIDDIALOG_H
