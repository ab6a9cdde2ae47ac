// Times the roster's heavy paths on a class of 10,000 students with
// 100-letter score strings: the averages, both score files, opening the
// class settings dialog on that class, sorting it by ID, and importing a
// 100,000-line class list through the "Import..." button. Run by hand:
// prints the median of several runs in milliseconds.

#include "app/appservices.h"
#include "roster/averagescores.h"
#include "roster/classsettingdialog.h"
#include "roster/rosterstore.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

const int kStudents = 10000;
const int kLetters = 100;
const int kImportLines = 100000;

struct BenchServices : AppServices
{
    QString dataDir;
    void recordScore(const QString &, char) override {}
    void showBanner(QWidget *, const QString &) override {}
    void syncVoiceSwitch(bool) override {}
    QString dataDirectory() const override { return dataDir; }
    void onWheelStopped() override {}
    bool isStudentOfClass(const QString &, const QString &) override { return false; }
    void calculateScores(int, int, int) override {}
    void openScoreFiles() override {}
    void exportScoreWorkbook(int, int, int) override {}
    void openDataDirectory() override {}
    void averageScores(const QStringList &scores, std::vector<double> &averages) override
    {
        computeAverages(scores, 30, 10, RoundOff, averages);
    }
};

void writeRoster(const QStringList &ids, const QStringList &names, const QStringList &scores)
{
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    settings.clear();
    settings.beginWriteArray(QStringLiteral("Classes"));
    settings.setArrayIndex(0);
    settings.setValue(QStringLiteral("Name"), QStringLiteral("Big"));
    settings.beginWriteArray(QStringLiteral("StudentInfor"));
    for (int i = 0; i < ids.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("ID"), ids.at(i));
        settings.setValue(QStringLiteral("Name"), names.at(i));
        settings.setValue(QStringLiteral("Score"), scores.at(i));
    }
    settings.endArray();
    settings.setArrayIndex(1);
    settings.setValue(QStringLiteral("Name"), QStringLiteral("Empty"));
    settings.beginWriteArray(QStringLiteral("StudentInfor"));
    settings.endArray();
    settings.endArray();
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useTemporaryHome(home);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchServices services;
    services.dataDir = home.path();
    installAppServices(&services);

    std::mt19937 random(12345);
    QStringList ids, names, scores;
    for (int i = 0; i < kStudents; ++i) {
        ids << QString::number(20230000 + int(random() % 1000000));
        names << QStringLiteral("Student %1").arg(i);
        QString score;
        for (int k = 0; k < kLetters; ++k)
            score += QChar('A' + int(random() % 6));
        scores << score;
    }
    writeRoster(ids, names, scores);
    std::printf("class of %d students, %d letters each\n", kStudents, kLetters);

    std::vector<double> averages;
    report("computeAverages", medianMs(21, [&] { computeAverages(scores, 30, 10, KeepFloat, averages); }),
           10);

    RosterStore store(dataDirectory());
    store.loadClasses();
    report("both score files (text, then CSV)",
           medianMs(11, [&] {
               store.writeScoreFile(QStringLiteral("Big"), 30, 10, KeepFloat, false);
               store.writeScoreFile(QStringLiteral("Big"), 30, 10, KeepFloat, true);
           }),
           50);

    ClassSettingDialog dialog(&store);
    report("opening the class settings dialog on that class",
           medianMs(7, [&] {
               dialog.show();
               QApplication::processEvents();
           }, [&] { dialog.hide(); }),
           300);

    QHeaderView *header = dialog.findChild<QTableView *>(QStringLiteral("tableView"))->horizontalHeader();
    report("sorting by ID (header click)", medianMs(7, [&] { emit header->sectionClicked(0); }), 100);

    QString listPath = home.path() + QStringLiteral("/list.csv");
    {
        QFile list(listPath);
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < kImportLines; ++i)
            list.write(QByteArray::number(30000000 + i) + ",\"Name " + QByteArray::number(i) + "\"\r\n");
    }
    auto *importButton = dialog.findChild<QPushButton *>(QStringLiteral("pushButton_3"));
    QString summary;
    report("importing a 100,000-line file (file dialog to summary)",
           medianMs(5, [&] { importButton->click(); }, [&] {
               dialog.hide();
               dialog.show();
               answerImportDialogs(listPath, &summary);
           }),
           1500);
    std::printf("import summary: %s\n", qPrintable(summary));
    dialog.hide();
    installAppServices(nullptr);
    return 0;
}
