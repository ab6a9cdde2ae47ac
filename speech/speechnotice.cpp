#include "speech/speechnotice.h"

#include "speech/speechservice.h"

namespace {
// Against the status bar's small print, which a class at the back of the
// room does not make out on a projected full screen.
const qreal kEnlargement = 1.5;
// The least the notice shrinks to: a word and the ellipsis.
const int kShortestCharacters = 6;
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
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(m_speech, &SpeechService::silenceChanged, this, &SpeechNotice::follow);
    connect(m_speech, &SpeechService::voiceEnabledChanged, this, &SpeechNotice::follow);
    follow();
}

QString SpeechNotice::message() const
{
    return SpeechService::silenceMessage();
}

QSize SpeechNotice::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(message()) + margins.left() + margins.right(),
                 QLabel::sizeHint().height());
}

QSize SpeechNotice::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * kShortestCharacters, QLabel::minimumSizeHint().height());
}

void SpeechNotice::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitMessage();
}

void SpeechNotice::follow()
{
    setToolTip(message());
    fitMessage();
    setVisible(m_speech->isSilent() && m_speech->isVoiceEnabled());
}

void SpeechNotice::fitMessage()
{
    setText(fontMetrics().elidedText(message(), Qt::ElideRight, contentsRect().width()));
}
