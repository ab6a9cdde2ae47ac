#ifndef WHEELASSEMBLYWIDGET_H
#define WHEELASSEMBLYWIDGET_H

#include <QWidget>

class QColor;
class StringWheelWidget;

// One column of the wheel display: a string wheel with, under it, a letter
// chooser and a score box that give the student on the wheel a score.
class WheelAssemblyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit WheelAssemblyWidget(bool touch, QWidget *parent = nullptr);

    int currentIndex() const;
    int itemCount() const;
    QString currentText() const;
    void setItems(const QStringList &items);
    void setShowChars(int count);
    void setColors(const QColor &frame, const QColor &fill);

public slots:
    void scrollTo(int index);

private:
    StringWheelWidget *m_wheel;
    QWidget *m_scoreRow;
};

#endif // WHEELASSEMBLYWIDGET_H
