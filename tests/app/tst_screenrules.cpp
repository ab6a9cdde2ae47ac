#include "app/drawnnames.h"
#include "app/viewsettings.h"

#include "../support/testenvironment.h"

// The plain rules behind the classroom screen: zoom steps and the drawn
// names line.
class TestScreenRules : public QObject
{
    Q_OBJECT

private slots:
    void zoomSteps_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("result");
        QTest::newRow("in") << 100 << 1 << 125;
        QTest::newRow("out") << 150 << -1 << 125;
        QTest::newRow("not past the largest") << 300 << 1 << 300;
        QTest::newRow("not below actual size") << 100 << -1 << 100;
        QTest::newRow("between steps goes to the nearest first") << 137 << 1 << 150;
        QTest::newRow("a stored value too large") << 1000 << 0 << 300;
        QTest::newRow("a stored value too small") << -5 << 0 << 100;
    }

    void zoomSteps()
    {
        QFETCH(int, zoom);
        QFETCH(int, steps);
        QFETCH(int, result);
        QCOMPARE(ViewSettings::steppedZoom(zoom, steps), result);
    }

    void namesEntries_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("one") << QStringList{"1001"} << QStringList{"1001 Li Lei"};
        QTest::newRow("in the order given") << QStringList{"1004", "1001"} << QStringList{"1004 Wang Fang", "1001 Li Lei"};
        QTest::newRow("no name: the ID alone") << QStringList{"1003"} << QStringList{"1003"};
        QTest::newRow("not in the roster") << QStringList{"9999"} << QStringList{"9999"};
        QTest::newRow("an empty wheel left out") << QStringList{"1001", "", "1004"}
                                                 << QStringList{"1001 Li Lei", "1004 Wang Fang"};
        QTest::newRow("nothing drawn") << QStringList{} << QStringList{};
    }

    void namesEntries()
    {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, entries);
        const QMap<QString, QString> roster{{"1001", "Li Lei"}, {"1003", ""}, {"1004", "Wang Fang"}};
        const std::vector<QString> drawn(ids.cbegin(), ids.cend());
        QCOMPARE(drawnNamesEntries(drawn, [&](const QString &id) { return roster.value(id); }), entries);
    }

    void namesLayout_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        // Each character is a point wide, a line two points high.
        QTest::newRow("one name, the largest size") << QStringList{"1001 Li"} << QSize(200, 100) << "1001 Li" << 22;
        QTest::newRow("two on a line") << QStringList{"1001 Li", "1002 Wu"} << QSize(400, 50) << "1001 Li  1002 Wu"
                                       << 22;
        QTest::newRow("too wide: a second line") << QStringList{"1001 Li", "1002 Wu"} << QSize(200, 100)
                                                 << "1001 Li\n1002 Wu" << 22;
        QTest::newRow("too low for two lines: smaller") << QStringList{"1001 Li", "1002 Wu"} << QSize(200, 50)
                                                        << "1001 Li  1002 Wu" << 12;
        QTest::newRow("lines as full as they go") << QStringList{"1001 Li", "1002 Wu", "1003 Xu"} << QSize(400, 100)
                                                  << "1001 Li  1002 Wu\n1003 Xu" << 22;
        QTest::newRow("nothing fits: the smallest") << QStringList{"1001 Li"} << QSize(10, 10) << "1001 Li" << 8;
    }

    void namesLayout()
    {
        QFETCH(QStringList, entries);
        QFETCH(QSize, room);
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        const NamesLayout layout = fittedNamesLayout(
            entries, 22, 8, room, [](int size, const QString &line) { return size * line.size(); },
            [](int size) { return 2 * size; });
        QCOMPARE(layout.text, text);
        QCOMPARE(layout.pointSize, pointSize);
    }
};

ZANDREL_TEST_MAIN(TestScreenRules)
#include "tst_screenrules.moc"
