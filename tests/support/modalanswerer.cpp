#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
const int kPollMs = 20;
}

ModalAnswerer::ModalAnswerer(QDialogButtonBox::StandardButton button, int timeoutMs)
    : m_button(button)
    , m_remainingMs(timeoutMs)
{
    QTimer::singleShot(kPollMs, this, &ModalAnswerer::poll);
}

ModalAnswerer::ModalAnswerer(std::function<void(QWidget *)> action, int timeoutMs)
    : m_action(std::move(action))
    , m_remainingMs(timeoutMs)
{
    QTimer::singleShot(kPollMs, this, &ModalAnswerer::poll);
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        m_remainingMs -= kPollMs;
        if (m_remainingMs > 0)
            QTimer::singleShot(kPollMs, this, &ModalAnswerer::poll);
        return;
    }
    m_answered = true;
    m_title = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        m_text = box->text();
    if (m_action) {
        m_action(modal);
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        if (QAbstractButton *button = box->button(static_cast<QMessageBox::StandardButton>(m_button))) {
            button->click();
            return;
        }
    }
    modal->close();
}
