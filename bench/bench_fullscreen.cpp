// The classroom screen: every display in full screen on the screen the
// program runs on (run it under Xvfb at 1920 x 1080): how long one paint of
// the whole scaled window takes, and how many frames the view paints a second
// while the wheels spin. With a directory as argument it also saves a
// screenshot of each display there, in simplified Chinese.
#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QImage>
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

// 32 students with Chinese names, as a class list would give them.
void writeNamedRoster()
{
    const QStringList family{"王", "李", "张", "刘", "陈", "杨", "赵", "黄"};
    const QStringList given{"子涵", "欣怡", "浩然", "梓萱"};
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    settings.clear();
    settings.beginWriteArray(QStringLiteral("Classes"));
    settings.setArrayIndex(0);
    settings.setValue(QStringLiteral("Name"), QStringLiteral("三年二班"));
    settings.beginWriteArray(QStringLiteral("StudentInfor"));
    for (int i = 0; i < 32; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("ID"), QString::number(20240301 + i));
        settings.setValue(QStringLiteral("Name"), family.at(i % family.size()) + given.at(i / family.size()));
        settings.setValue(QStringLiteral("Score"), QString());
    }
    settings.endArray();
    settings.endArray();
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
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    const QString shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Language")).setValue(QStringLiteral("Language"), QStringLiteral("simplify"));
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Enable"), false);
    writeNamedRoster();
    QTextStream out(stdout);

    MainWindow window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("actionFullScreen"))->setChecked(true);
    wait(1000);
    auto *view = window.findChild<QGraphicsView *>();
    out << "screen " << window.width() << " x " << window.height() << ", content scaled by "
        << view->transform().m11() << "\n";

    auto button = [&](const char *name) { return window.findChild<QPushButton *>(QLatin1String(name)); };
    auto draw = [&](const char *name, int runMs) {
        button(name)->click();
        wait(runMs);
        button(name)->click();
        wait(300);
    };
    // The paint alone, into an image of the screen's size, and the paint with
    // its way to the X server, as the window shows it.
    QImage frame(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    auto measure = [&](const QString &display) {
        const double paintMs = medianMs(31, [&] { view->viewport()->render(&frame); });
        const double shownMs = medianMs(31, [&] { view->viewport()->repaint(); });
        out << display << ": one frame of the full-screen window painted in " << paintMs << " ms, shown in "
            << shownMs << " ms\n";
        if (!shots.isEmpty())
            QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                         shots + QLatin1Char('/') + display + QStringLiteral(".png")});
    };

    draw("pushButton", 1200);
    measure(QStringLiteral("led-single"));
    window.findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();
    draw("pushButton", 1500);
    measure(QStringLiteral("led-roll"));

    window.findChild<QAction *>(QStringLiteral("actionMicro_Tile"))->trigger();
    draw("pushButton_11", 800);
    measure(QStringLiteral("tile-board"));

    window.findChild<QAction *>(QStringLiteral("actionTV_Roller"))->trigger();
    auto *selected = window.findChild<QComboBox *>(QStringLiteral("comboBox_4"));
    selected->setCurrentIndex(1);
    QMetaObject::invokeMethod(selected, "activated", Q_ARG(QString, selected->currentText()));
    draw("pushButton_12", 1000);
    measure(QStringLiteral("tv-roller"));

    window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
    auto *wheelCount = window.findChild<QComboBox *>(QStringLiteral("comboBox_5"));
    wheelCount->setCurrentIndex(2);
    QMetaObject::invokeMethod(wheelCount, "activated", Q_ARG(QString, wheelCount->currentText()));
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
    measure(QStringLiteral("wheels"));
    return 0;
}
