#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QDialogButtonBox>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Answers the next modal widget that opens: records its window title and
// text and presses a button (or runs a custom action on it). It gives up
// after a time limit so that no test can hang on a box nobody answers.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(QDialogButtonBox::StandardButton button = QDialogButtonBox::Ok,
                           int timeoutMs = 5000);
    explicit ModalAnswerer(std::function<void(QWidget *)> action, int timeoutMs = 5000);

    bool answered() const { return m_answered; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }

private:
    void poll();

    QDialogButtonBox::StandardButton m_button = QDialogButtonBox::Ok;
    std::function<void(QWidget *)> m_action;
    int m_remainingMs;
    bool m_answered = false;
    QString m_title;
    QString m_text;
};

#endif // MODALANSWERER_H
