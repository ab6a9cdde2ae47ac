#ifndef WIGGLYWIDGET_H
#define WIGGLYWIDGET_H

#include <QBasicTimer>
#include <QString>
#include <QWidget>

// The banner that confirms a score: laid over the control that took it, the
// text rises 52 pixels in 13 steps of 60 ms, growing paler, and the banner
// then hides itself.
class WigglyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit WigglyWidget(QWidget *parent = nullptr);

    // Restarts the animation with this text where the caller has put the
    // banner; the caller shows, moves and sizes it first.
    void setText(const QString &text);
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QBasicTimer m_timer;
    QString m_text;
    int m_step = 0;
    int m_alpha = 255;
};

#endif // WIGGLYWIDGET_H
