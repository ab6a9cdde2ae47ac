#ifndef ABSTRACTWHEELWIDGET_H
#define ABSTRACTWHEELWIDGET_H

#include <QColor>
#include <QWidget>

class QPainter;

// A vertical, endlessly wrapping drum of items turned by the kinetic
// scroller, with a translucent highlight bar across its middle. The item
// under the bar is the current item. Every scroll ends with wheelStopped().
// Subclasses supply the items through the four pure virtual operations.
class AbstractWheelWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractWheelWidget(bool touch, QWidget *parent = nullptr);

    virtual void paintItem(QPainter *painter, int index, const QRect &rect) = 0;
    virtual int itemHeight() const = 0;
    virtual int itemCount() const = 0;

    int currentIndex() const { return m_currentItem; }
    void setColors(const QColor &frame, const QColor &fill);

public slots:
    // Turns the wheel in an animation of spinTimeMs() until item index (which
    // may lie several rounds on) sits under the bar.
    void scrollTo(int index);

public:
    // How long every wheel turns: 5000 ms; tests that only wait for the rest
    // shorten it.
    static int spinTimeMs();
    static void setSpinTimeMs(int ms);

protected:
    // Called after the current item may have changed.
    virtual void currentItemChanged() = 0;

    void setCurrentIndex(int index) { m_currentItem = index; }

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setupLook();
    void comeToRest();

    int m_currentItem = 0;
    int m_itemOffset = 0;
    QColor m_frameColor;
    QColor m_fillColor;
};

#endif // ABSTRACTWHEELWIDGET_H
