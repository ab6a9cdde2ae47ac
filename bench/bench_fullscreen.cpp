// The classroom screen: every display in full screen on the screen the
// program runs on (run it under Xvfb at 1920 x 1080): how long one paint of
// the whole scaled window takes, and how many frames the view paints a second
// while the wheels spin. With a directory as argument it also saves a
// screenshot of each display there, in simplified Chinese (the roster's
// made-up students are named "Student 1" and on).
#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QImage>
#include <QLCDNumber>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "benchsupport.h"

namespace {
void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useTemporaryHome(home);
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    const QString shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Language")).setValue(QStringLiteral("Language"), QStringLiteral("simplify"));
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Enable"), false);
    writeBenchRoster(1, 32, QString());
    QTextStream out(stdout);

    MainWindow window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("actionFullScreen"))->setChecked(true);
    wait(1000);
    auto *view = window.findChild<QGraphicsView *>();
    out << "screen " << window.width() << " x " << window.height() << ", content scaled by "
        << view->transform().m11() << "\n";

    // As the teacher picks an entry of a count box.
    auto choose = [&](const char *name, int index) {
        auto *box = window.findChild<QComboBox *>(QLatin1String(name));
        box->setCurrentIndex(index);
        QMetaObject::invokeMethod(box, "activated", Q_ARG(QString, box->currentText()));
    };
    auto button = [&](const char *name) { return window.findChild<QPushButton *>(QLatin1String(name)); };
    auto draw = [&](const char *name, int runMs) {
        button(name)->click();
        wait(runMs);
        button(name)->click();
        wait(300);
    };
    // A frame of a display: what it repaints on one step of its draw, the
    // display's area of the screen; and, at most, the whole screen. Each is
    // painted alone, into an image, and with its way to the X server.
    QImage frame(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    auto measure = [&](const QString &display, QWidget *widget) {
        auto *content = window.findChild<QWidget *>(QStringLiteral("centralWidget"));
        const QRect area = view->mapFromScene(QRectF(widget->mapTo(content, QPoint()), QSizeF(widget->size())))
                               .boundingRect();
        const double displayMs = medianMs(31, [&] { view->viewport()->render(&frame, area.topLeft(), area); });
        const double displayShownMs = medianMs(31, [&] { view->viewport()->repaint(area); });
        const double screenMs = medianMs(31, [&] { view->viewport()->render(&frame); });
        const double screenShownMs = medianMs(31, [&] { view->viewport()->repaint(); });
        out << display << ": a frame of the display (" << area.width() << " x " << area.height() << ") painted in "
            << displayMs << " ms, shown in " << displayShownMs << " ms; the whole screen painted in " << screenMs
            << " ms, shown in " << screenShownMs << " ms\n";
        if (!shots.isEmpty())
            QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                         shots + QLatin1Char('/') + display + QStringLiteral(".png")});
    };

    draw("pushButton", 1200);
    measure(QStringLiteral("led-single"), window.findChild<QLCDNumber *>());
    window.findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();
    draw("pushButton", 1500);
    measure(QStringLiteral("led-roll"), window.findChild<QLCDNumber *>());

    window.findChild<QAction *>(QStringLiteral("actionMicro_Tile"))->trigger();
    draw("pushButton_11", 800);
    measure(QStringLiteral("tile-board"), window.findChild<MicroTileWidget *>());

    window.findChild<QAction *>(QStringLiteral("actionTV_Roller"))->trigger();
    choose("comboBox_4", 1);
    draw("pushButton_12", 1000);
    measure(QStringLiteral("tv-roller"), window.findChild<TVRollerWidget *>());

    window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
    choose("comboBox_5", 2);
    wait(500);
    PaintCounter counter;
    view->viewport()->installEventFilter(&counter);
    window.statusBar()->clearMessage();
    QElapsedTimer spin;
    spin.start();
    button("pushButton_4")->click();
    while (window.statusBar()->currentMessage().isEmpty() && spin.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double seconds = spin.elapsed() / 1000.0;
    out << "wheels: " << counter.paints << " frames in the " << seconds << " s spin, "
        << counter.paints / seconds << " frames/s\n";
    view->viewport()->removeEventFilter(&counter);
    wait(500);
    measure(QStringLiteral("wheels"), window.findChild<QWidget *>(QStringLiteral("widget_2")));
    return 0;
}
