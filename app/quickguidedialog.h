#ifndef QUICKGUIDEDIALOG_H
#define QUICKGUIDEDIALOG_H

#include <QDialog>

namespace Ui {
class QuickGuideDialog;
}

// Help > Quick Guide: the steps of a teacher's day, from making a class to
// the backups, in the interface language.
class QuickGuideDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QuickGuideDialog(const QString &language, QWidget *parent = nullptr);
    ~QuickGuideDialog() override;

    // The guide's page for a language; English for one without a page.
    static QString pageOf(const QString &language);

private:
    Ui::QuickGuideDialog *ui;
};

#endif // QUICKGUIDEDIALOG_H
