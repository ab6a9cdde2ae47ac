#ifndef SPEECHDIALOG_H
#define SPEECHDIALOG_H

#include <QDialog>

class SpeechService;

namespace Ui {
class SpeechDialog;
}

// The speech settings dialog: it shows the speech service's voices and
// settings, changes them at once (the service stores them) and reads the
// test text with them.
class SpeechDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SpeechDialog(SpeechService *speech, QWidget *parent = nullptr);
    ~SpeechDialog() override;

private slots:
    void on_comboBox_currentIndexChanged(int index);
    void on_horizontalSlider_sliderReleased();
    void on_horizontalSlider_2_sliderReleased();
    void on_pushButton_clicked();
    void on_pushButton_3_clicked();
    void on_lineEdit_returnPressed();
    void on_checkBox_clicked();
    void on_checkBox_2_clicked();
    void on_pushButton_2_clicked();
    void on_checkBox_digits_clicked();
    void on_checkBox_readName_clicked();
    void on_lineEdit_template_textEdited(const QString &text);
    void on_lineEdit_nameTemplate_textEdited(const QString &text);

private:
    void showVoices();
    void showVoiceEnabled(bool enabled);
    void speakTestText(bool randomVoice);

    Ui::SpeechDialog *ui = nullptr;
    SpeechService *m_speech;
};

#endif // SPEECHDIALOG_H
