#ifndef CALCULATEAVESCOREDIALOG_H
#define CALCULATEAVESCOREDIALOG_H

#include <QDialog>

namespace Ui {
class CalculateAveScoreDialog;
}

// Where the teacher sets the worth of an 'A' and an 'F' and the rounding,
// and has the main window write and open the score files of its class.
class CalculateAveScoreDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalculateAveScoreDialog(QWidget *parent = nullptr);
    ~CalculateAveScoreDialog() override;

    // The base scores and rounding for averages computed without the dialog:
    // 30 and 10 when either field is not above 0, and never an 'A' below
    // the 'F'. rounding is a ScoreRounding value.
    void scoreSettings(int &rounding, int &aScore, int &fScore);

    // The class whose score files a calculation writes: the one chosen in
    // the main window, named in the title.
    void setClassName(const QString &className);

private slots:
    void on_toolButton_clicked();
    void on_actionDataFormat1_triggered();
    void on_actionDataFormat2_triggered();
    void on_actionDataFormat3_triggered();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_exportExcel_clicked();

private:
    int rounding() const;
    // The base scores as entered; false, after telling the teacher, when
    // either is not above 0.
    bool enteredScores(int &aScore, int &fScore);
    void calculate();
    // Where the score files were written, or why not.
    void tellWhatWasWritten(bool written);

    Ui::CalculateAveScoreDialog *ui;
    QString m_className;
};

#endif // CALCULATEAVESCOREDIALOG_H
