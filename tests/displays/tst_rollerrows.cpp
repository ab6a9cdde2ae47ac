#include "displays/rollerrows.h"

#include "fixedrandom.h"
#include "../support/testenvironment.h"

#include <QtTest>

#include <algorithm>

class TestRollerRows : public QObject
{
    Q_OBJECT

private slots:
    void markedRowsAreTheMiddleRows_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("marked");
        QTest::addColumn<int>("first");
        QTest::newRow("5 visible, 3 marked") << 30 << 5 << 3 << 5 << 3 << 1;
        QTest::newRow("4 visible, 2 marked") << 30 << 4 << 2 << 4 << 2 << 1;
        QTest::newRow("4 visible, 1 marked") << 30 << 4 << 1 << 4 << 1 << 2;
        QTest::newRow("15 visible, 5 marked") << 30 << 15 << 5 << 15 << 5 << 5;
        QTest::newRow("1 visible") << 30 << 1 << 1 << 1 << 1 << 0;
        QTest::newRow("fewer names than rows") << 3 << 5 << 3 << 3 << 3 << 0;
        QTest::newRow("two names, 1 marked") << 2 << 5 << 1 << 2 << 1 << 1;
        QTest::newRow("one name") << 1 << 5 << 3 << 1 << 1 << 0;
        QTest::newRow("no names") << 0 << 5 << 3 << 5 << 3 << 1;
    }

    void markedRowsAreTheMiddleRows()
    {
        QFETCH(int, names);
        QFETCH(int, visible);
        QFETCH(int, select);
        const MarkedRows result = markedRows(names, visible, select);
        QTEST(result.rows, "rows");
        QTEST(result.marked, "marked");
        QTEST(result.first, "first");
    }

    void theRowOrderHoldsEveryNameOnce_data()
    {
        QTest::addColumn<int>("names");
        for (int names : {0, 1, 2, 37, 1000})
            QTest::addRow("%d names", names) << names;
    }

    void theRowOrderHoldsEveryNameOnce()
    {
        QFETCH(int, names);
        FixedRandom random(9);
        std::vector<int> order = randomRowOrder(names, random.source());
        QCOMPARE(int(order.size()), names);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < names; ++i)
            QCOMPARE(order[size_t(i)], i);
    }

    void rowsFollowTheOrderAndWrap_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::vector<int>>("names");
        // order 3 0 2 1
        QTest::newRow("from the top") << 0 << 0 << 3 << std::vector<int>{3, 0, 2};
        QTest::newRow("one step on") << 1 << 0 << 3 << std::vector<int>{0, 2, 1};
        QTest::newRow("wraps to the start") << 3 << 0 << 3 << std::vector<int>{1, 3, 0};
        QTest::newRow("marked rows") << 2 << 1 << 2 << std::vector<int>{1, 3};
        QTest::newRow("more rows than names") << 0 << 0 << 6 << std::vector<int>{3, 0, 2, 1, 3, 0};
    }

    void rowsFollowTheOrderAndWrap()
    {
        QFETCH(int, current);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(std::vector<int>, names);
        QCOMPARE(namesInRows({3, 0, 2, 1}, 4, current, first, count), names);
    }

    void rowsSkipOrderEntriesOfAnotherClass()
    {
        // New names came before a new order: entries past either list are left out.
        QCOMPARE(namesInRows({}, 4, 0, 0, 3), std::vector<int>{});
        QCOMPARE(namesInRows({5, 1}, 4, 0, 0, 4), std::vector<int>{1});
        QCOMPARE(namesInRows({0, 1}, 0, 0, 0, 2), std::vector<int>{});
    }

    void theRowFontReachesTheHeightLessThreePoints_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fitted");
        // line height = point size + 3
        QTest::newRow("5 rows in 200") << 9 << 5 << 200 << 34;
        QTest::newRow("15 rows in 200") << 9 << 15 << 200 << 8;
        QTest::newRow("font already reaches") << 50 << 5 << 200 << 47;
        QTest::newRow("tiny") << 2 << 1 << 0 << 1;
    }

    void theRowFontReachesTheHeightLessThreePoints()
    {
        QFETCH(int, pointSize);
        QFETCH(int, visible);
        QFETCH(int, height);
        QTEST(fittedRollerPointSize(pointSize, visible, height, [](int size) { return size + 3; }), "fitted");
    }

    void theScorePanelSitsRightOfTheBoxes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("boxWidth");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("beside the boxes") << 539 << 120 << 339 << 110;
        QTest::newRow("names too wide") << 539 << 900 << 449 << 1;
    }

    void theScorePanelSitsRightOfTheBoxes()
    {
        QFETCH(int, width);
        QFETCH(int, boxWidth);
        const ScorePanelSpacers spacers = scorePanelSpacers(width, boxWidth);
        QTEST(spacers.left, "left");
        QTEST(spacers.right, "right");
    }
};

ZANDREL_TEST_MAIN(TestRollerRows)
#include "tst_rollerrows.moc"
