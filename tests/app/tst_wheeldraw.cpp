#include "app/mainwindow.h"
#include "displays/wheelassemblywidget.h"
#include "displays/wigglywidget.h"

#include "../support/rosterseeder.h"
#include "../support/shortspins.h"
#include "../support/speechcapture.h"
#include "../support/testenvironment.h"
#include "../support/urlrecorder.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

// The draw on the wheels, driven from the window.
class TestWheelDraw : public QObject
{
    Q_OBJECT

private:
    static QStringList ids(int count)
    {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << QString::number(1001 + i);
        return list;
    }

    static QList<WheelAssemblyWidget *> wheels(QWidget &window)
    {
        QList<WheelAssemblyWidget *> found = window.findChildren<WheelAssemblyWidget *>();
        std::sort(found.begin(), found.end(),
                  [](QWidget *a, QWidget *b) { return a->mapTo(a->window(), QPoint()).x() < b->mapTo(b->window(), QPoint()).x(); });
        return found;
    }

    static void chooseWheelCount(QWidget &window, int count)
    {
        auto *box = window.findChild<QComboBox *>(QStringLiteral("comboBox_5"));
        while (box->currentText().toInt() < count)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentText().toInt() > count)
            QTest::keyClick(box, Qt::Key_Up);
    }

private slots:
    void initTestCase() { useShortWheelSpins(); }

    void init() { TestEnvironment::clearUserData(); }

    void theClassIsSharedOutOverTheWheels_data()
    {
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("wheelCount");
        QTest::addColumn<QList<int>>("shares");
        QTest::newRow("32 on 3") << 32 << 3 << QList<int>{10, 10, 12};
        QTest::newRow("6 on 3") << 6 << 3 << QList<int>{5, 1, 0};
        QTest::newRow("32 on 6") << 32 << 6 << QList<int>{5, 5, 5, 5, 5, 7};
        QTest::newRow("4 on 1") << 4 << 1 << QList<int>{4};
    }

    void theClassIsSharedOutOverTheWheels()
    {
        QFETCH(int, students);
        QFETCH(int, wheelCount);
        QFETCH(QList<int>, shares);
        seedRoster({{QStringLiteral("A"), ids(students), {}, {}}});
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("widget_2"))->isVisible());
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("widget"))->isVisible());
        chooseWheelCount(window, wheelCount);
        QList<int> counts;
        for (WheelAssemblyWidget *wheel : wheels(window))
            counts << wheel->itemCount();
        QCOMPARE(counts, shares);
        auto *row = window.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout_5"));
        const int spacers = wheelCount <= 2 ? 2 : 0;
        QCOMPARE(row->count(), 1 + wheelCount + spacers);
    }

    void aSpinIsAnnouncedOnceWhenTheLastWheelRests()
    {
        seedRoster({{QStringLiteral("A"), ids(6), {}, {}}});
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
        chooseWheelCount(window, 3);  // 5, 1 and no IDs: the empty wheel is not waited for
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton_4")), Qt::LeftButton);
        QCOMPARE(window.statusBar()->currentMessage(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!window.statusBar()->currentMessage().isEmpty(), 15000);

        QString expected;
        for (WheelAssemblyWidget *wheel : wheels(window))
            expected += wheel->currentText().right(4) + QLatin1Char(' ');
        QCOMPARE(window.statusBar()->currentMessage(), expected);
        QCOMPARE(expected.count(QLatin1Char(' ')), 3);
        QTRY_COMPARE(SpeechCapture::spokenTexts(), QStringList{expected});

        window.statusBar()->clearMessage();
        QTest::qWait(300);
        QCOMPARE(window.statusBar()->currentMessage(), QString());

        UrlRecorder recorder;
        window.findChild<QAction *>(QStringLiteral("actionOpen_Student_Directory"))->trigger();
        QCOMPARE(recorder.urls.size(), 3);
        QCOMPARE(recorder.urls.last(), QUrl::fromLocalFile(TestEnvironment::homePath() + QStringLiteral("/Brimvale/A")));
    }

    void aScoreUnderAWheelGoesToItsStudent()
    {
        seedRoster({{QStringLiteral("A"), ids(3), {}, {}}});
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
        WheelAssemblyWidget *wheel = wheels(window).first();
        const QString student = wheel->currentText();
        auto *box = wheel->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        QTest::keyClicks(box, QStringLiteral("d"));
        QTest::keyClick(box, Qt::Key_Return);
        auto *banner = window.findChild<WigglyWidget *>();
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->text(), QStringLiteral("*"));
        const SeedClass stored = storedRoster()[0];
        QCOMPARE(stored.scores.at(stored.ids.indexOf(student)), QStringLiteral("D"));
    }

    void aClassChangeRebuildsTheWheels()
    {
        seedRoster({{QStringLiteral("A"), ids(3), {}, {}}, {QStringLiteral("B"), ids(9), {}, {}}});
        MainWindow window;
        window.show();
        window.findChild<QAction *>(QStringLiteral("actionWheel"))->trigger();
        QCOMPARE(wheels(window).first()->itemCount(), 3);
        window.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
        QCOMPARE(wheels(window).size(), 1);
        QCOMPARE(wheels(window).first()->itemCount(), 9);
    }
};

ZANDREL_TEST_MAIN(TestWheelDraw)
#include "tst_wheeldraw.moc"
