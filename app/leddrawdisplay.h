#ifndef LEDDRAWDISPLAY_H
#define LEDDRAWDISPLAY_H

#include "app/lotterymode.h"
#include "roster/drawdisplay.h"

#include <QObject>
#include <QString>
#include <vector>

class DrawSession;
class QLCDNumber;
class QPushButton;
class QSlider;
class QTimer;

// The draw on the LED number display: stepping through the IDs one at a
// time, or rolling them past as a row of text, at the pace of the speed
// slider.
class LedDrawDisplay : public QObject, public DrawDisplay
{
    Q_OBJECT

public:
    LedDrawDisplay(DrawSession *session, QPushButton *button, QLCDNumber *lcd, QSlider *speed,
                   QObject *parent = nullptr);
    ~LedDrawDisplay() override;

    // The mode the window is in; the LED display steps in LedSingleMode and
    // rolls in LedRollMode.
    void setMode(LotteryMode mode);

    QString historyName() const override;
    // Builds the ring of roll mode anew.
    void fill() override;
    bool start() override;
    void stop() override;
    // The number shown or, rolling, every ID shown completely.
    std::vector<QString> drawnIds() const override;

    // The first candidate, as a class is chosen or a draw begins.
    void showFirst();
    // A student drawn elsewhere (the floating button, the command line), so
    // that the window's own letters give the score to that student too.
    void showDrawn(const QString &id);
    // A new speed applies at once to a running display.
    void restartTimerIfActive();
    void stopTimer();
    // The arrow buttons.
    void stepBack();
    void stepOn();
    // The student the window's own score buttons give a score to; false
    // when the display shows none.
    bool studentToScore(QString &id) const;
    // One tick of the draw timer: the next ID, or the row one character on.
    void step();
    void roll();

private:
    int digits() const;
    void show(const QString &text);
    void runTimer();

    DrawSession *m_session;
    QPushButton *m_button;
    QLCDNumber *m_lcd;
    QSlider *m_speed;
    QTimer *m_drawTimer = nullptr;
    LotteryMode m_mode = LedSingleMode;
    int m_index = 0;
    QString m_currentText;
    std::vector<char> m_ring;
    unsigned m_ringPos = 0;
};

#endif // LEDDRAWDISPLAY_H
