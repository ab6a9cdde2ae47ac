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
// the installed voices, chooses one (the stored voice, else the best
// Mandarin voice, else the first), and reads texts aloud with the stored
// volume and rate, optionally with a voice drawn at random for every reading.
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
    void readAloud(const QString &text);
    bool isVoiceEnabled() const;
    void setVoiceEnabled(bool enabled, bool save);

    // A null factory brings back the platform's back end.
    static void setBackendFactory(BackendFactory factory);

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

private:
    void speakTestText(bool randomVoice);
    void closeSession();

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
};

#endif // SPEECHDIALOG_H
