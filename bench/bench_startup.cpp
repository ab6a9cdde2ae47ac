// Start-up and score saving with big rosters: constructing and showing the
// main window over 40 classes of 50 students, and one score entry (with its
// write to disk) at 2,000 and at 10,000 students.
#include "app/mainwindow.h"
#include "roster/classsettingdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

void writeRoster(int classCount, int studentCount)
{
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    settings.clear();
    const QString scores = QString(QStringLiteral("ABCDEF")).repeated(17).left(100);
    settings.beginWriteArray(QStringLiteral("Classes"));
    for (int k = 0; k < classCount; ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QStringLiteral("Name"), QStringLiteral("Class %1").arg(k + 1));
        settings.beginWriteArray(QStringLiteral("StudentInfor"));
        for (int i = 0; i < studentCount; ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("ID"), QString::number(20230000 + i));
            settings.setValue(QStringLiteral("Name"), QStringLiteral("Student %1").arg(i));
            settings.setValue(QStringLiteral("Score"), scores);
        }
        settings.endArray();
    }
    settings.endArray();
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

template<typename Work>
double measureMs(int runs, Work work)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(samples);
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    QTextStream out(stdout);

    writeRoster(40, 50);
    out << "main window with 40 x 50 students, construct and show: "
        << measureMs(9, [] {
               MainWindow window;
               window.show();
               QApplication::processEvents();
           })
        << " ms\n";

    for (const auto &size : {std::make_pair(40, 50), std::make_pair(1, 10000)}) {
        writeRoster(size.first, size.second);
        ClassSettingDialog store;
        store.loadClasses();
        std::vector<QString> ids;
        store.studentIds(QStringLiteral("Class 1"), ids);
        int next = 0;
        const double scoreMs = measureMs(51, [&] { store.appendScore(ids[next++ % ids.size()], 'B'); });
        const double fullMs = measureMs(9, [&] { store.saveClasses(false); });
        out << size.first * size.second << " students: one score " << scoreMs << " ms, full save "
            << fullMs << " ms\n";
    }
    return 0;
}
