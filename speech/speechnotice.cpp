#include "speech/speechnotice.h"

#include "speech/speechservice.h"

namespace {
// Against the status bar's small print, which a class at the back of the
// room does not make out on a projected full screen.
const qreal kEnlargement = 1.5;
}

SpeechNotice::SpeechNotice(SpeechService *speech, QWidget *parent)
    : QLabel(parent)
    , m_speech(speech)
{
    setObjectName(QStringLiteral("label_speechNotice"));
    setFocusPolicy(Qt::NoFocus);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * kEnlargement);
    large.setBold(true);
    setFont(large);
    QPalette warning = palette();
    warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    setPalette(warning);
    connect(m_speech, &SpeechService::silenceChanged, this, &SpeechNotice::follow);
    connect(m_speech, &SpeechService::voiceEnabledChanged, this, &SpeechNotice::follow);
    follow();
}

void SpeechNotice::follow()
{
    setText(SpeechService::silenceMessage());
    setToolTip(text());
    setVisible(m_speech->isSilent() && m_speech->isVoiceEnabled());
}
