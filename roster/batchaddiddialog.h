#ifndef BATCHADDIDDIALOG_H
#define BATCHADDIDDIALOG_H

#include <QDialog>

namespace Ui {
class BatchAddIDDialog;
}

class ClassSettingDialog;

// Asks for the first and last ID of a range and has the class settings
// dialog that owns it add the IDs missing from the current class.
class BatchAddIDDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BatchAddIDDialog(ClassSettingDialog *parent);
    ~BatchAddIDDialog() override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    Ui::BatchAddIDDialog *ui;
    ClassSettingDialog *m_classSettingDialog;
};

#endif // BATCHADDIDDIALOG_H
