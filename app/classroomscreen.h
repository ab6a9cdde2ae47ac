#ifndef CLASSROOMSCREEN_H
#define CLASSROOMSCREEN_H

#include <QObject>

class QAction;
class QMainWindow;
class QShortcut;
class QWidget;
class ScaledContentView;

// The window on the classroom screen: full screen and zoom, which scale the
// window's content as a whole. At 100 % out of full screen the window keeps
// its normal, limited size and its content is not touched.
class ClassroomScreen : public QObject
{
    Q_OBJECT

public:
    ClassroomScreen(QMainWindow *window, QWidget *content, QAction *fullScreen, QAction *zoomIn, QAction *zoomOut,
                    QAction *zoomReset);

    // The window's size out of full screen at 100 %.
    static void limitWindowSize(QWidget *window);

    // Brings the window in line with the full screen action and the zoom.
    void apply();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Gives the content back to the window, as it is taken apart.
    void release() { scaleContent(false); }

private:
    void scaleContent(bool scaled);
    void setZoom(int percent);

    QMainWindow *m_window;
    QWidget *m_content;
    QAction *m_fullScreen;
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    ScaledContentView *m_scaledView = nullptr;
    QShortcut *m_leaveFullScreen;
    int m_zoom;
};

#endif // CLASSROOMSCREEN_H
