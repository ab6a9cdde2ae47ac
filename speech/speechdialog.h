#ifndef SPEECHDIALOG_H
#define SPEECHDIALOG_H

#include "speech/speechbackend.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class SpeechDialog;
}

// The speech settings dialog, which also carries the speech engine: it lists
// the installed voices under readable names (on espeak-ng only those of the
// program's and the desktop's languages, and the stored one), chooses one
// (the stored voice, else the best Mandarin voice, else the first), and reads
// texts aloud with the stored volume and rate, optionally with a voice drawn
// at random among the listed ones for every reading. Announcements are read
// through the teacher's template, and numbers digit by digit or as numbers.
// Every change made in the dialog is applied at once and stored in the
// settings area "Speech".
class SpeechDialog : public QDialog
{
    Q_OBJECT

public:
    using BackendFactory = std::function<std::unique_ptr<SpeechBackend>()>;

    // Speaks through the platform's speech interface, or through the back
    // end of the factory set with setBackendFactory (tests use that to hear
    // what the program reads aloud).
    explicit SpeechDialog(QWidget *parent = nullptr);
    explicit SpeechDialog(std::unique_ptr<SpeechBackend> backend, QWidget *parent = nullptr);
    ~SpeechDialog() override;

    void initVoice();
    void releaseVoice();
    void speak(const QString &text, bool randomVoice);
    // Reads an announcement through the template.
    void readAloud(const QString &text);
    bool isVoiceEnabled() const;
    void setVoiceEnabled(bool enabled, bool save);
    // Whether announcements read the drawn students' names.
    bool readsNames() const;
    // Whether readings go unheard: the engine could not be set up, or the
    // last reading found no sound device.
    bool isSilent() const;
    static QString silenceMessage();

    // A null factory brings back the platform's back end.
    static void setBackendFactory(BackendFactory factory);

signals:
    void silenceChanged(bool silent);

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

private:
    // initVoice but for telling whether the engine stays silent.
    void setUpEngine();
    void speakTestText(bool randomVoice);
    void closeSession();
    // Appends the voice to the listing and the combo box, whose signals the
    // caller blocks.
    void addVoice(const SpeechBackend::TokenPtr &token);
    void setSilent(bool silent);
    // Once per run, so that a class's every draw does not ask again.
    void tellSilence();

    Ui::SpeechDialog *ui = nullptr;
    // Declared before the engine's voice and tokens so that it outlives them.
    std::unique_ptr<SpeechBackend> m_backend;
    bool m_sessionOpen = false;

    bool m_voiceReady = false;
    bool m_voiceEnabled = true;
    int m_volume = 100;
    int m_rate = 1;
    bool m_randomVoice = false;
    QString m_voiceLib;
    QStringList m_voiceNames;
    std::unique_ptr<SpeechBackend::Voice> m_voice;
    SpeechBackend::TokenPtr m_currentToken;
    std::vector<SpeechBackend::TokenPtr> m_tokens;

    bool m_digitByDigit = true;
    bool m_readName = false;
    QString m_template;
    bool m_silent = false;
    bool m_silenceTold = false;
};

#endif // SPEECHDIALOG_H
