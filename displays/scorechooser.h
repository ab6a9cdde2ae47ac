#ifndef SCORECHOOSER_H
#define SCORECHOOSER_H

#include <QWidget>
#include <functional>

class QComboBox;
class QLineEdit;

// A letter chooser "A" to "F" and a score box beside it, under or beside the
// student a display drew: a letter chosen, or typed and entered, goes to
// that student and the banner rises over the control to confirm it.
class ScoreChooser : public QWidget
{
    Q_OBJECT

public:
    // student gives the student scores go to at the moment one is given,
    // false when the display shows none; spacing lies between the controls.
    ScoreChooser(const QString &chooserName, int spacing, std::function<bool(QString &id)> student,
                 QWidget *parent = nullptr);

    QComboBox *chooser() const { return m_chooser; }
    QLineEdit *box() const { return m_box; }
    // Controls taller than height shrink to it and take the font.
    void fitHeight(int height, const QFont &font);

private:
    void choose(const QString &text);
    void enter();

    std::function<bool(QString &id)> m_student;
    QComboBox *m_chooser;
    QLineEdit *m_box;
};

#endif // SCORECHOOSER_H
