#ifndef VOICESWITCHBUTTON_H
#define VOICESWITCHBUTTON_H

#include <QPushButton>
#include <QRect>
#include <QSize>

// The status bar's speech switch: a checkable button painted as a disc,
// green while speech is on (checked) and red while it is off, whether the
// button is enabled or not.
class VoiceSwitchButton : public QPushButton
{
    Q_OBJECT

public:
    explicit VoiceSwitchButton(QWidget *parent = nullptr);

    // The disc is 20 pixels across whatever the button's size, centred along
    // the longer side and at the start of the shorter one.
    static QRect discRect(const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // VOICESWITCHBUTTON_H
