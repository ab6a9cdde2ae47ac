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

    void namesLine_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("line");
        QTest::newRow("one") << QStringList{"1001"} << "1001 Li Lei";
        QTest::newRow("in the order given") << QStringList{"1004", "1001"} << "1004 Wang Fang  1001 Li Lei";
        QTest::newRow("no name: the ID alone") << QStringList{"1003", "1001"} << "1003  1001 Li Lei";
        QTest::newRow("not in the roster") << QStringList{"9999"} << "9999";
        QTest::newRow("an empty wheel left out") << QStringList{"1001", "", "1004"} << "1001 Li Lei  1004 Wang Fang";
        QTest::newRow("nothing drawn") << QStringList{} << "";
    }

    void namesLine()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, line);
        const QMap<QString, QString> roster{{"1001", "Li Lei"}, {"1003", ""}, {"1004", "Wang Fang"}};
        const std::vector<QString> drawn(ids.cbegin(), ids.cend());
        QCOMPARE(drawnNamesText(drawn, [&](const QString &id) { return roster.value(id); }), line);
    }

    void namesLineShrinksToFit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pointSize");
        // 20 pixels a point.
        QTest::newRow("room for the largest") << 500 << 22;
        QTest::newRow("shrinks") << 300 << 15;
        QTest::newRow("not below the smallest") << 10 << 8;
    }

    void namesLineShrinksToFit()
    {
        QFETCH(int, width);
        QFETCH(int, pointSize);
        QCOMPARE(fittedNamesPointSize(22, 8, width, [](int size) { return 20 * size; }), pointSize);
    }
};

ZANDREL_TEST_MAIN(TestScreenRules)
#include "tst_screenrules.moc"
