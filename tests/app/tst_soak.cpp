#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include <functional>
#include <unistd.h>

// Each display runs a long draw, 10,000 steps under the event loop with a
// score given every 100 steps; the memory of the process must not grow once
// it has warmed up.
class TestSoak : public QObject
{
    Q_OBJECT

private:
    static const int kSteps = 10000;
    static const int kWarmUpSteps = 1000;
    static const int kScoreEvery = 100;
    static constexpr qint64 kAllowedGrowth = 2 * 1024 * 1024;

    // AddressSanitizer keeps freed memory in quarantine, so the resident size
    // says nothing there; the long runs still look for errors and leaks.
    static bool memoryIsMeasurable()
    {
#if defined(__SANITIZE_ADDRESS__)
        return false;
#else
        return true;
#endif
    }

    static void verifyFlat(qint64 growth)
    {
        if (memoryIsMeasurable())
            QVERIFY2(growth < kAllowedGrowth, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    }

    static qint64 residentBytes()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> fields = statm.readAll().split(' ');
        return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
    }

    static void seedClass()
    {
        QStringList ids;
        for (int i = 0; i < 40; ++i)
            ids << QString::number(20230101 + i);
        seedRoster({{QStringLiteral("Soak"), ids, {}, {}}});
    }

    // Runs step() kSteps times through the event loop, score() every
    // kScoreEvery steps, and returns the growth after the warm-up.
    static qint64 growthOver(const std::function<void(int)> &step, const std::function<void()> &score)
    {
        qint64 warm = 0;
        for (int i = 0; i < kSteps; ++i) {
            step(i);
            if (i % kScoreEvery == 0)
                score();
            QCoreApplication::processEvents();
            if (i == kWarmUpSteps)
                warm = residentBytes();
        }
        return residentBytes() - warm;
    }

    static int givenScores()
    {
        int count = 0;
        for (const QString &score : storedRoster().value(0).scores)
            count += score.size();
        return count;
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void ledSingleAndRoll()
    {
        seedClass();
        MainWindow window;
        window.show();
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton_5"));
        auto score = [button] { QTest::mouseClick(button, Qt::LeftButton); };
        // Stepped by hand, so that each letter goes to the student shown.
        auto *down = window.findChild<QPushButton *>(QStringLiteral("pushButton_3"));
        auto step = [down](int) { down->click(); };
        const qint64 single = growthOver(step, score);
        QCOMPARE(givenScores(), kSteps / kScoreEvery);
        QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("checkBox")), Qt::LeftButton);
        const qint64 roll = growthOver(step, score);
        verifyFlat(single);
        verifyFlat(roll);
        // In roll mode a letter given while no ID shows whole is dropped.
        QVERIFY(givenScores() > kSteps / kScoreEvery);
    }

    void tileBoard()
    {
        seedClass();
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionMicro_Tile"))->trigger();
        auto *board = window.findChild<MicroTileWidget *>();
        auto *trace = window.findChild<QPushButton *>(QStringLiteral("pushButton_11"));
        auto *letters = window.findChild<QComboBox *>(QStringLiteral("comboBox_2"));
        // Each pair of letters goes to a tile drawn for it.
        const qint64 growth = growthOver([board](int) { board->traceItTimer(); },
                                         [&] {
                                             trace->click();
                                             board->traceItTimer();
                                             trace->click();
                                             QTest::keyClick(letters, Qt::Key_Down);
                                             QTest::keyClick(letters, Qt::Key_Up);
                                         });
        verifyFlat(growth);
        QCOMPARE(givenScores(), 2 * kSteps / kScoreEvery);
    }

    void tvRoller()
    {
        seedClass();
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionTV_Roller"))->trigger();
        auto *roller = window.findChild<TVRollerWidget *>();
        auto *letters = roller->findChild<QComboBox *>();
        const qint64 growth = growthOver([roller](int) { roller->traceItTimer(); },
                                         [letters] { QTest::keyClick(letters, Qt::Key_Down); QTest::keyClick(letters, Qt::Key_Up); });
        verifyFlat(growth);
        QCOMPARE(givenScores(), 2 * kSteps / kScoreEvery);
    }

    void wheels()
    {
        seedClass();
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
        auto *count = window.findChild<QComboBox *>(QStringLiteral("comboBox_5"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(count, Qt::Key_Down);
        const QList<WheelAssemblyWidget *> wheels = window.findChildren<WheelAssemblyWidget *>();
        QCOMPARE(wheels.size(), 6);
        auto *letters = wheels.first()->findChild<QComboBox *>(QStringLiteral("comboBox"));
        const qint64 growth = growthOver([&wheels](int i) { wheels[i % wheels.size()]->scrollTo(i % 97); },
                                         [letters] { QTest::keyClick(letters, Qt::Key_Down); });
        verifyFlat(growth);
    }
};

ZANDREL_TEST_MAIN(TestSoak)
#include "tst_soak.moc"
