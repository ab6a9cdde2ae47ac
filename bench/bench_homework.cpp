// Moving or copying 10,000 small homework files of a 60-student class with
// the Move Homework dialog. Run by hand: bench_homework [rounds]
#include "app/appservices.h"
#include "homework/movehomeworkdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kStudents = 60;
const int kFiles = 10000;
const QString kClass = QStringLiteral("Bench");

// Answers like the roster store: a linear search of the class's IDs.
class BenchServices : public AppServices
{
public:
    QString dataDir;
    QStringList ids;

    void recordScore(const QString &, char) override {}
    void showBanner(QWidget *, const QString &) override {}
    void syncVoiceSwitch(bool) override {}
    QString dataDirectory() const override { return dataDir; }
    void onWheelStopped() override {}
    bool isStudentOfClass(const QString &className, const QString &id) override
    {
        return className == kClass && ids.contains(id);
    }
    bool calculateScores(int, int, int) override { return true; }
    void openScoreFiles() override {}
    void exportScoreWorkbook(int, int, int) override {}
    void openDataDirectory() override {}
    void averageScores(const QStringList &, std::vector<double> &) override {}
};

void prepare(const BenchServices &services, const QString &downloads)
{
    QDir(services.dataDir).removeRecursively();
    QDir(downloads).removeRecursively();
    QDir().mkpath(downloads);
    for (const QString &id : services.ids)
        QDir().mkpath(services.dataDir + QLatin1Char('/') + kClass + QLatin1Char('/') + id);
    const QByteArray body(1500, 'h');
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QStringLiteral("%1_%2_%3.txt")
                                 .arg(services.ids.at(i % kStudents))
                                 .arg(i / kStudents / 10 + 1)
                                 .arg(i / kStudents % 10 + 1);
        QFile file(downloads + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir root;
    // The dialog reads its settings at construction; keep the user's apart.
    qputenv("HOME", root.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    BenchServices services;
    services.dataDir = root.path() + QStringLiteral("/Brimvale");
    for (int i = 0; i < kStudents; ++i)
        services.ids << QString::number(20230101 + i);
    const QString downloads = root.path() + QStringLiteral("/downloads");
    installAppServices(&services);

    struct Mode
    {
        const char *name;
        bool move;
        bool toStudent;
    };
    const Mode modes[] = {{"move to student directories", true, true},
                          {"move to class directory", true, false},
                          {"copy to student directories", false, true},
                          {"copy to class directory", false, false}};

    for (const Mode &mode : modes) {
        std::vector<qint64> times;
        for (int round = 0; round < rounds; ++round) {
            prepare(services, downloads);
            MoveHomeworkDialog dialog;
            dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(downloads);
            dialog.findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(!mode.move);
            dialog.findChild<QCheckBox *>(QStringLiteral("checkBox_2"))->setChecked(mode.toStudent);
            dialog.setClassName(kClass);
            dialog.show();
            app.processEvents();

            QElapsedTimer timer;
            timer.start();
            dialog.collectHomework(mode.move);
            app.processEvents();
            times.push_back(timer.elapsed());

            const int left = QDir(downloads).entryList(QDir::Files).size();
            if (left != (mode.move ? 0 : kFiles))
                qFatal("%s: %d files left in the download folder", mode.name, left);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-28s %d files, %d students: best %lld ms, median %lld ms, worst %lld ms (%d rounds)\n",
                    mode.name, kFiles, kStudents, static_cast<long long>(times.front()),
                    static_cast<long long>(times[times.size() / 2]),
                    static_cast<long long>(times.back()), rounds);
    }
    installAppServices(nullptr);
    return 0;
}
