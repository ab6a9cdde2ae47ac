#ifndef SPEECHNOTICE_H
#define SPEECHNOTICE_H

#include <QLabel>

class SpeechService;

// The notice beside the status bar's voice switch that drawn IDs go unheard:
// shown while speech is on and no sound device plays it, in letters large
// enough to read across a classroom. It never takes the keyboard, so a
// presenter remote goes on driving the draws, and in a narrow window it
// shortens itself rather than push the switch away; the tool tip holds all
// of it.
class SpeechNotice : public QLabel
{
    Q_OBJECT

public:
    explicit SpeechNotice(SpeechService *speech, QWidget *parent = nullptr);

    QString message() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void follow();
    void fitMessage();

    SpeechService *m_speech;
};

#endif // SPEECHNOTICE_H
