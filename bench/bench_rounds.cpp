// Rounds and the history on big classes: refilling the draw pool of a class
// of 10,000 after a draw (target 5 ms), a whole LED draw with No Repeats on
// in that class (the round and the history saved), and opening the History
// dialog on a history of 100,000 lines (target 300 ms). Run by hand: prints
// the median of several runs in milliseconds.

#include "app/mainwindow.h"
#include "roster/drawpool.h"
#include "roster/historyfile.h"

#include "benchsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

const int kStudents = 10000;
const int kHistoryLines = 100000;
const int kRuns = 11;

void report(const char *what, double ms)
{
    std::printf("%-55s %8.2f ms\n", what, ms);
}

void writeHistory(const QString &path, const std::vector<QString> &ids)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray content = historyFileStart();
    const QDateTime start(QDate(2024, 9, 2), QTime(8, 0));
    for (int line = 0; line < kHistoryLines; ++line) {
        const QString &id = ids[size_t(line) % ids.size()];
        const bool draw = line % 2 == 0;
        content += historyLine({historyTime(start.addSecs(line)), QLatin1String(draw ? kHistoryDraw : kHistoryScore),
                                QLatin1String(kHistoryTvRoller), id, QStringLiteral("Student %1").arg(id),
                                draw ? QString() : QStringLiteral("B")});
    }
    file.write(content);
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useBenchHome(home.path());
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);

    const std::vector<QString> ids = numberedIds(kStudents);
    DrawPool pool;
    pool.setStudents(ids);
    pool.setNoRepeat(true);
    pool.setAbsent({ids[1], ids[3], ids[5]});
    size_t next = 0;
    report("pool refill after a draw, class of 10,000", medianMs(kRuns, [&] {
        pool.take({ids[next]});
        const std::vector<QString> candidates = pool.candidates();
        if (candidates.empty() || pool.remainingCount() < 0)
            qFatal("empty pool");
        next += 2;
    }));

    writeBenchRoster(1, kStudents, QString());
    // A reading blocks for its length, which is not the program's own time.
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Enable"), false);
    QDir().mkpath(home.path() + QStringLiteral("/Brimvale"));
    writeHistory(home.path() + QStringLiteral("/Brimvale/Class 1_history.csv"), ids);

    auto *window = new MainWindow;
    window->show();
    QTest::qWait(100);
    window->findChild<QAction *>(QStringLiteral("actionNoRepeat"))->trigger();
    auto *start = window->findChild<QPushButton *>(QStringLiteral("pushButton"));
    report("LED draw with No Repeats, class of 10,000 (start + stop)", medianMs(kRuns, [&] {
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::mouseClick(start, Qt::LeftButton);
    }));

    auto *history = window->findChild<QAction *>(QStringLiteral("actionHistory"));
    report("History dialog on 100,000 lines (open, painted, closed)", medianMs(5, [&] {
        QTimer::singleShot(0, [] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                // Painting the tables is part of opening.
                dialog->grab();
                dialog->close();
            }
        });
        history->trigger();
    }));
    delete window;
    return 0;
}
