#ifndef TVROLLERDRAWDISPLAY_H
#define TVROLLERDRAWDISPLAY_H

#include "roster/drawdisplay.h"

#include <QObject>

class DrawSession;
class QPushButton;
class TVRollerWidget;

// The draw on the TV roller: the students roll past the marked rows until
// the teacher stops them; the marked rows hold those drawn.
class TvRollerDrawDisplay : public QObject, public DrawDisplay
{
    Q_OBJECT

public:
    TvRollerDrawDisplay(DrawSession *session, QPushButton *button, TVRollerWidget *roller, QObject *parent = nullptr);

    QString historyName() const override;
    void fill() override;
    bool start() override;
    void stop() override;
    std::vector<QString> drawnIds() const override;

private:
    DrawSession *m_session;
    QPushButton *m_button;
    TVRollerWidget *m_roller;
};

#endif // TVROLLERDRAWDISPLAY_H
