#include "app/classroomscreen.h"

#include "app/scaledcontentview.h"
#include "app/viewsettings.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

ClassroomScreen::ClassroomScreen(QMainWindow *window, QWidget *content, QAction *fullScreen, QAction *zoomIn,
                                 QAction *zoomOut, QAction *zoomReset)
    : QObject(window)
    , m_window(window)
    , m_content(content)
    , m_fullScreen(fullScreen)
    , m_zoomIn(zoomIn)
    , m_zoomOut(zoomOut)
    , m_leaveFullScreen(new QShortcut(QKeySequence(Qt::Key_Escape), window))
    , m_zoom(ViewSettings::storedZoom())
{
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL + Qt::Key_Plus), QKeySequence(Qt::CTRL + Qt::Key_Equal)});
    zoomOut->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_Minus));
    zoomReset->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_0));
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QShortcut::activated, fullScreen, [this] {
        if (!m_scaledView || !m_scaledView->closePopups())
            m_fullScreen->setChecked(false);
    });
}

void ClassroomScreen::limitWindowSize(QWidget *window)
{
    window->setMinimumHeight(400);
    window->setMaximumHeight(400);
    window->setMinimumWidth(500);
    window->setMaximumWidth(540);
}

void ClassroomScreen::zoomIn()
{
    setZoom(ViewSettings::steppedZoom(m_zoom, 1));
}

void ClassroomScreen::zoomOut()
{
    setZoom(ViewSettings::steppedZoom(m_zoom, -1));
}

void ClassroomScreen::zoomReset()
{
    setZoom(ViewSettings::kActualSize);
}

void ClassroomScreen::apply()
{
    const bool fullScreen = m_fullScreen->isChecked();
    scaleContent(fullScreen || m_zoom != ViewSettings::kActualSize);
    m_leaveFullScreen->setEnabled(fullScreen);
    m_zoomIn->setEnabled(m_zoom < ViewSettings::kLargestZoom);
    m_zoomOut->setEnabled(m_zoom > ViewSettings::kActualSize);

    if (fullScreen) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_scaledView->setMinimumSize(0, 0);
        m_scaledView->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->showFullScreen();
        // Where no window manager acts on the request, the window itself
        // takes the screen.
        if (m_window->windowHandle() && m_window->windowHandle()->screen())
            m_window->setGeometry(m_window->windowHandle()->screen()->geometry());
        return;
    }
    if (m_window->isFullScreen())
        m_window->showNormal();
    if (!m_scaledView) {
        limitWindowSize(m_window);
        return;
    }
    // The menus and the status bar keep their size; the content grows.
    m_window->setMinimumSize(0, 0);
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_scaledView->setFixedSize(m_scaledView->contentSize() * (m_zoom / double(ViewSettings::kActualSize)));
    m_window->layout()->invalidate();
    m_window->setFixedSize(m_window->layout()->totalMinimumSize());
}

void ClassroomScreen::scaleContent(bool scaled)
{
    if (scaled == (m_scaledView != nullptr))
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (scaled) {
        // The content is scaled from the size it has in the normal window.
        if (m_window->layout())
            m_window->layout()->activate();
        const QSize contentSize = m_content->size();
        m_window->takeCentralWidget();
        // Taken out, the content lost its parent. Back as the window's first
        // child, it is searched first again, so that a lookup by name finds
        // the same widget as before and not one of a dialog.
        m_content->setParent(m_window);
        m_content->lower();
        m_scaledView = new ScaledContentView(m_content, contentSize, m_window);
        m_window->setCentralWidget(m_scaledView);
        m_scaledView->show();
    } else {
        m_window->takeCentralWidget();
        m_scaledView->releaseContent();
        delete m_scaledView;
        m_scaledView = nullptr;
        m_window->setCentralWidget(m_content);
        m_content->show();
    }
    if (focus && m_content->isAncestorOf(focus))
        focus->setFocus();
}

void ClassroomScreen::setZoom(int percent)
{
    m_zoom = ViewSettings::validZoom(percent);
    ViewSettings::storeZoom(m_zoom);
    apply();
}
