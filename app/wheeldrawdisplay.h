#ifndef WHEELDRAWDISPLAY_H
#define WHEELDRAWDISPLAY_H

#include "displays/wheelrestcount.h"
#include "roster/drawdisplay.h"

#include <QObject>
#include <vector>

class DrawSession;
class QBoxLayout;
class QSpacerItem;
class WheelAssemblyWidget;

// The draw on one to six wheels in a row of the window: they spin to random
// students and come to rest by themselves.
class WheelDrawDisplay : public QObject, public DrawDisplay
{
    Q_OBJECT

public:
    WheelDrawDisplay(DrawSession *session, QBoxLayout *row, QObject *parent = nullptr);

    // New wheels sharing the candidates out, in place of the present ones.
    void build(int count);
    const std::vector<WheelAssemblyWidget *> &wheels() const { return m_wheels; }
    // One wheel came to rest; the last of them ends the draw.
    void noteRest();

    QString historyName() const override;
    // The present wheels take the new shares: new ones would not be laid
    // out in time to spin.
    void fill() override;
    bool start() override;
    void stop() override { }
    bool stopsByItself() const override { return true; }
    std::vector<QString> drawnIds() const override;

private:
    void addSpacer(int width, int height);

    DrawSession *m_session;
    QBoxLayout *m_row;
    std::vector<WheelAssemblyWidget *> m_wheels;
    std::vector<QSpacerItem *> m_spacers;
    // Rest notices of the wheels since the last spin or rebuild; a wheel
    // without items never turns and is not waited for.
    WheelRestCount m_stoppedWheels;
};

#endif // WHEELDRAWDISPLAY_H
