#ifndef STATUSBARCONTROLS_H
#define STATUSBARCONTROLS_H

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;
class SpeechService;
class VoiceSwitchButton;

// The status bar's own widgets, after its messages: the clock, the speech
// notice and the voice switch, whose colour and tool tip follow speech.
class StatusBarControls : public QObject
{
    Q_OBJECT

public:
    StatusBarControls(QStatusBar *bar, SpeechService *speech);

    // Ticks once a second; each tick is for showTime().
    QTimer *clockTimer() const { return m_clockTimer; }
    VoiceSwitchButton *voiceSwitch() const { return m_voiceSwitch; }

    void showTime();
    // Speech follows the switch as the teacher left it.
    void takeVoiceSwitch();

private:
    void setVoiceSwitch(bool on);
    // The switch's colour and tool tip for speech that cannot be heard.
    void showSpeechSilence();

    SpeechService *m_speech;
    QTimer *m_clockTimer;
    QLabel *m_clockLabel;
    VoiceSwitchButton *m_voiceSwitch;
};

#endif // STATUSBARCONTROLS_H
