#include "app/backgroundwork.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

#include <memory>

void runAside(QWidget *window, const std::function<void()> &work)
{
    window->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QApplication::restoreOverrideCursor();
    window->setEnabled(true);
}
