#include "app/statusbarcontrols.h"

#include "speech/speechnotice.h"
#include "speech/speechservice.h"
#include "speech/voiceswitchbutton.h"

#include <QLabel>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

StatusBarControls::StatusBarControls(QStatusBar *bar, SpeechService *speech)
    : QObject(bar)
    , m_speech(speech)
    , m_clockTimer(new QTimer(this))
{
    m_clockTimer->start(1000);
    m_clockLabel = new QLabel(bar);
    m_clockLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    bar->addPermanentWidget(m_clockLabel);
    showTime();

    m_voiceSwitch = new VoiceSwitchButton(bar);
    m_voiceSwitch->setCheckable(true);
    m_voiceSwitch->setText(QString());
    m_voiceSwitch->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_voiceSwitch->setGeometry(0, 0, 20, 20);
    setVoiceSwitch(m_speech->isVoiceEnabled());
    bar->addPermanentWidget(new SpeechNotice(m_speech, bar));
    bar->addPermanentWidget(m_voiceSwitch);
    connect(m_speech, &SpeechService::silenceChanged, this, &StatusBarControls::showSpeechSilence);
    connect(m_speech, &SpeechService::voiceSwitchSynced, m_voiceSwitch, &VoiceSwitchButton::showState);
}

void StatusBarControls::showTime()
{
    m_clockLabel->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' '));
}

void StatusBarControls::takeVoiceSwitch()
{
    setVoiceSwitch(m_voiceSwitch->isChecked());
}

void StatusBarControls::setVoiceSwitch(bool on)
{
    m_speech->setVoiceEnabled(on, true);
    m_voiceSwitch->showState(on);
    showSpeechSilence();
}

void StatusBarControls::showSpeechSilence()
{
    const bool silent = m_speech->isSilent();
    m_voiceSwitch->setSilent(silent);
    if (!m_voiceSwitch->isChecked())
        m_voiceSwitch->setToolTip(tr("Voice Closed"));
    else
        m_voiceSwitch->setToolTip(silent ? SpeechService::silenceMessage() : tr("Voice Opened"));
}
