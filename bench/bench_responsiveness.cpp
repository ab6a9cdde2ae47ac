// How long each action keeps the GUI thread busy with a class of 2,000
// students (speech switched off, since a reading blocks for its length):
// start-up, class change, each display, a draw step, a score, the dialogs.
#include "app/mainwindow.h"

#include "benchsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The time from the action to the end of the repaints it caused.
double busyMs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// Runs the action while a dialog it opens is shown, closing the dialog from
// the event loop; the time is the opening and the closing.
double dialogMs(const std::function<void()> &open, const std::function<void(QWidget *)> &inside = {})
{
    QTimer::singleShot(0, [inside] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog && inside)
            inside(dialog);
        if (dialog)
            dialog->close();
    });
    return busyMs(open);
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useTemporaryHome(home);
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Language")).setValue(QStringLiteral("Language"), QStringLiteral("english"));
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Enable"), false);
    writeBenchRoster(2, 2000, QStringLiteral("ABCDEF").repeated(5));

    QTextStream out(stdout);
    auto report = [&out](const char *what, double ms) { out << QString::fromLatin1(what).leftJustified(44) << ms << " ms\n"; };

    MainWindow *window = nullptr;
    report("first start (2,000 student folders made)", busyMs([&window] { window = new MainWindow; window->show(); }));
    auto child = [window](const char *name) { return window->findChild<QObject *>(QLatin1String(name)); };
    auto trigger = [&](const char *name) { return busyMs([&] { qobject_cast<QAction *>(child(name))->trigger(); }); };
    auto click = [&](const char *name) { return busyMs([&] { qobject_cast<QAbstractButton *>(child(name))->click(); }); };
    auto chooser = qobject_cast<QComboBox *>(child("comboBox"));

    report("class change (LED)", busyMs([chooser] { chooser->setCurrentIndex(1); }));
    report("LED start", click("pushButton"));
    report("LED stop", click("pushButton"));
    report("roll mode on", click("checkBox"));
    report("roll mode stop after start", (click("pushButton"), click("pushButton")));
    report("score button", click("pushButton_5"));
    report("micro tile mode (2,000 tiles)", trigger("actionMicro_Tile"));
    report("class change (micro tile)", busyMs([chooser] { chooser->setCurrentIndex(0); }));
    report("trace start", click("pushButton_11"));
    QTest::qWait(200);
    report("trace stop", click("pushButton_11"));
    report("TV roller mode", trigger("actionTV_Roller"));
    report("class change (TV roller)", busyMs([chooser] { chooser->setCurrentIndex(1); }));
    report("wheel mode (1 wheel)", trigger("actionWheel"));
    report("six wheels", busyMs([&] {
        auto *count = qobject_cast<QComboBox *>(child("comboBox_5"));
        count->setCurrentIndex(5);
        QMetaObject::invokeMethod(window, "on_comboBox_5_activated", Q_ARG(QString, QStringLiteral("6")));
    }));
    report("wheel spin start", click("pushButton_4"));
    report("class settings open and close", dialogMs([&] { trigger("actionClass_Settings"); }));
    report("calculate scores (both files)", dialogMs([&] { trigger("actionCalculate_Ave_Score"); }, [](QWidget *dialog) {
        dialog->findChild<QToolButton *>(QStringLiteral("toolButton"))->click();
    }));
    report("speech settings open and close", dialogMs([&] { trigger("actionSetting"); }));
    report("homework dialog open and close", dialogMs([&] { trigger("actionMove_Homework"); }));
    delete window;
    return 0;
}
