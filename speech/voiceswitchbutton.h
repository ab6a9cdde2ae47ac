#ifndef VOICESWITCHBUTTON_H
#define VOICESWITCHBUTTON_H

#include <QPushButton>
#include <QRect>
#include <QSize>

// The status bar's speech switch: a checkable button painted as a disc,
// green while speech is on (checked) and red while it is off, whether the
// button is enabled or not. Speech that is on but cannot be heard, for want
// of a sound device or voice data, shows grey.
class VoiceSwitchButton : public QPushButton
{
    Q_OBJECT

public:
    explicit VoiceSwitchButton(QWidget *parent = nullptr);

    // The disc is 20 pixels across whatever the button's size, centred along
    // the longer side and at the start of the shorter one.
    static QRect discRect(const QSize &size);

    // Shows speech on or off without the click that switches it.
    void showState(bool on);

    void setSilent(bool silent);
    bool isSilent() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_silent = false;
};

#endif // VOICESWITCHBUTTON_H
