#include "common/drawrandom.h"
#include "displays/scoreletter.h"
#include "displays/wheelposition.h"
#include "displays/wheelrestcount.h"
#include "displays/wheelshares.h"

#include "../support/testenvironment.h"

class TestWheelArithmetic : public QObject
{
    Q_OBJECT

private:
    static QStringList numberedIds(int count)
    {
        QStringList ids;
        for (int i = 0; i < count; ++i)
            ids << QString::number(10322000 + i);
        return ids;
    }

private slots:
    void sharesDifferByOneAtMostAndLeaveNoWheelEmpty_data()
    {
        QTest::addColumn<int>("ids");
        QTest::addColumn<int>("wheels");
        QTest::addColumn<QVector<int>>("sizes");
        QTest::newRow("32 on 3") << 32 << 3 << QVector<int>{11, 11, 10};
        QTest::newRow("13 on 3") << 13 << 3 << QVector<int>{5, 4, 4};
        QTest::newRow("8 on 3") << 8 << 3 << QVector<int>{3, 3, 2};
        QTest::newRow("6 on 3") << 6 << 3 << QVector<int>{2, 2, 2};
        QTest::newRow("32 on 6") << 32 << 6 << QVector<int>{6, 6, 5, 5, 5, 5};
        QTest::newRow("2 on 3: fewer than wheels") << 2 << 3 << QVector<int>{1, 1, 0};
        QTest::newRow("32 on 1") << 32 << 1 << QVector<int>{32};
        QTest::newRow("none on 2") << 0 << 2 << QVector<int>{0, 0};
        QTest::newRow("3 on 1") << 3 << 1 << QVector<int>{3};
        QTest::newRow("no wheels") << 32 << 0 << QVector<int>{};
    }

    void sharesDifferByOneAtMostAndLeaveNoWheelEmpty()
    {
        QFETCH(int, ids);
        QFETCH(int, wheels);
        QFETCH(QVector<int>, sizes);
        const QStringList all = numberedIds(ids);
        const QVector<QStringList> shares = wheelShares(all, wheels);
        QVector<int> actual;
        QStringList joined;
        for (const QStringList &share : shares) {
            actual << share.size();
            joined << share;
        }
        QCOMPARE(actual, sizes);
        if (wheels > 0)
            QCOMPARE(joined, all);
    }

    void showCharsNarrowWithTheWheelCount_data()
    {
        QTest::addColumn<int>("wheels");
        QTest::addColumn<int>("chars");
        const int expected[] = {14, 14, 12, 10, 8, 7, 5, 14};
        for (int wheels = 0; wheels <= 7; ++wheels)
            QTest::addRow("%d wheels", wheels) << wheels << expected[wheels];
    }

    void showCharsNarrowWithTheWheelCount()
    {
        QFETCH(int, wheels);
        QFETCH(int, chars);
        QCOMPARE(wheelShowChars(wheels), chars);
    }

    void itemTextKeepsTheTrailingCharacters_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("showChars");
        QTest::addColumn<QString>("text");
        QTest::newRow("eight chars, show 4") << "10322015" << 4 << "2015";
        QTest::newRow("two chars, show 4") << "15" << 4 << "15";
        QTest::newRow("exactly 5") << "12345" << 5 << "12345";
        QTest::newRow("not set yet") << "10322015" << -1 << "10322015";
        QTest::newRow("empty") << "" << 5 << "";
    }

    void itemTextKeepsTheTrailingCharacters()
    {
        QFETCH(QString, item);
        QFETCH(int, showChars);
        QFETCH(QString, text);
        QCOMPARE(wheelItemText(item, showChars), text);
    }

    void spacersStandBesideOneOrTwoWheels_data()
    {
        QTest::addColumn<int>("wheels");
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1 << 140;
        QTest::newRow("2") << 2 << 80;
        QTest::newRow("3") << 3 << 0;
        QTest::newRow("6") << 6 << 0;
    }

    void spacersStandBesideOneOrTwoWheels()
    {
        QFETCH(int, wheels);
        QFETCH(int, width);
        QCOMPARE(wheelSpacerWidth(wheels), width);
    }

    void spinFactorFallsWithTheItemCount_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<float>("factor");
        QTest::newRow("1") << 1 << 5.0f;
        QTest::newRow("10") << 10 << 5.0f;
        QTest::newRow("39") << 39 << 5.0f;
        QTest::newRow("40") << 40 << 4.0f;
        QTest::newRow("49") << 49 << 4.0f;
        QTest::newRow("50") << 50 << 3.0f;
        QTest::newRow("69") << 69 << 3.0f;
        QTest::newRow("70") << 70 << 2.0f;
        QTest::newRow("79") << 79 << 2.0f;
        QTest::newRow("80") << 80 << 1.5f;
        QTest::newRow("119") << 119 << 1.5f;
        QTest::newRow("120") << 120 << 1.2f;
        QTest::newRow("5000") << 5000 << 1.2f;
    }

    void spinFactorFallsWithTheItemCount()
    {
        QFETCH(int, items);
        QFETCH(float, factor);
        QCOMPARE(wheelSpinFactor(items), factor);
    }

    void spinRoundsFollowTheFactor_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("rounds");
        QTest::newRow("5") << 5.0f << 5;
        QTest::newRow("1.5") << 1.5f << 1;
        QTest::newRow("1.2") << 1.2f << 1;
    }

    void spinRoundsFollowTheFactor()
    {
        QFETCH(float, factor);
        QFETCH(int, rounds);
        QCOMPARE(wheelSpinRounds(factor), rounds);
    }

    void spinTargetTurnsAtLeastOneRound_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("extraRounds");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("target");
        QTest::newRow("no extra") << 3 << 10 << 0 << 0 << 13;
        QTest::newRow("largest extra") << 3 << 10 << 4 << 9 << 62;
        QTest::newRow("1 of 120") << 119 << 120 << 0 << 119 << 358;
    }

    void spinTargetTurnsAtLeastOneRound()
    {
        QFETCH(int, current);
        QFETCH(int, items);
        QFETCH(int, extraRounds);
        QFETCH(int, step);
        QFETCH(int, target);
        QCOMPARE(wheelSpinTarget(current, items, extraRounds, step), target);
    }

    // Whatever item the wheel stands on, every step lands on another item, so
    // an even step gives an even landing.
    void theStepAloneChoosesTheLanding_data()
    {
        QTest::addColumn<int>("items");
        for (int items : {1, 7, 80, 121})
            QTest::addRow("%d items", items) << items;
    }

    void theStepAloneChoosesTheLanding()
    {
        QFETCH(int, items);
        const int rounds = wheelSpinRounds(wheelSpinFactor(items));
        for (int current = 0; current < items; ++current) {
            for (int extra = 0; extra < rounds; ++extra) {
                QSet<int> landings;
                for (int step = 0; step < items; ++step)
                    landings.insert(wheelSpinTarget(current, items, extra, step) % items);
                QCOMPARE(landings.size(), items);
            }
        }
    }

    void coloursAreDrawnBlueGreenRedFrameFirst()
    {
        setDrawRandomState(4711);
        int draws[6];
        for (int k = 0; k < 3; ++k)
            draws[k] = drawRandomBelow(250);
        for (int k = 3; k < 6; ++k)
            draws[k] = drawRandomBelow(150);
        setDrawRandomState(4711);
        const WheelColors colors = randomWheelColors();
        QCOMPARE(colors.frame, QColor(draws[2], draws[1], draws[0]));
        QCOMPARE(colors.fill, QColor(100 + draws[5], 100 + draws[4], 100 + draws[3]));
        QCOMPARE(colors.frame.alpha(), 255);
        QCOMPARE(colors.fill.alpha(), 255);
    }

    void contentPositionWrapsToItemAndOffset_data()
    {
        QTest::addColumn<double>("contentY");
        QTest::addColumn<int>("itemHeight");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("offset");
        QTest::newRow("origin") << 50000.0 << 30 << 10 << 0 << 0;
        QTest::newRow("5 above the origin") << 49995.0 << 30 << 10 << 9 << 25;
        QTest::newRow("one round above") << 49700.0 << 30 << 10 << 0 << 0;
        QTest::newRow("a pixel past a round above") << 49699.0 << 30 << 10 << 9 << 29;
        QTest::newRow("35 above") << 49965.0 << 30 << 10 << 8 << 25;
        QTest::newRow("3 items below") << 50090.0 << 30 << 10 << 3 << 0;
        QTest::newRow("rounds below") << 50000.0 + 27 * 30 + 12 << 30 << 10 << 7 << 12;
        QTest::newRow("fraction truncated") << 50031.9 << 30 << 10 << 1 << 1;
        QTest::newRow("fraction above truncated") << 49999.5 << 30 << 10 << 0 << 0;
        QTest::newRow("top of the range") << 0.0 << 27 << 7 << 3 << 4;
        QTest::newRow("bottom of the range") << 100000.0 << 27 << 7 << 3 << 23;
        QTest::newRow("one item") << 49990.0 << 30 << 1 << 0 << 20;
    }

    void contentPositionWrapsToItemAndOffset()
    {
        QFETCH(double, contentY);
        QFETCH(int, itemHeight);
        QFETCH(int, itemCount);
        QFETCH(int, item);
        QFETCH(int, offset);
        const WheelPosition position = wheelPositionAt(contentY, itemHeight, itemCount);
        QCOMPARE(position.item, item);
        QCOMPARE(position.offset, offset);
    }

    void scrollTargetsComeBackAsTheirItemModuloTheCount()
    {
        for (int index = 0; index < 40; ++index) {
            const WheelPosition position = wheelPositionAt(wheelContentY(index, 0, 27), 27, 13);
            QCOMPARE(position.item, index % 13);
            QCOMPARE(position.offset, 0);
        }
        QCOMPARE(wheelContentY(2, 5, 30), 50065);
    }

    void farTargetsAreBroughtIntoTheScrollRangeByWholeRounds_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("itemHeight");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("inRange");
        QTest::newRow("within the range") << 47 << 30 << 10 << 47;
        QTest::newRow("last in the range") << 1666 << 30 << 10 << 1666;
        QTest::newRow("one past the range") << 1667 << 30 << 10 << 1657;
        QTest::newRow("many rounds past") << 9003 << 30 << 10 << 1663;
        QTest::newRow("round longer than half the range") << 2000 << 29 << 2500 << -500;
        QTest::newRow("before the range") << -1667 << 30 << 10 << -1657;
        QTest::newRow("no items") << 5000 << 30 << 0 << 5000;
    }

    void farTargetsAreBroughtIntoTheScrollRangeByWholeRounds()
    {
        QFETCH(int, index);
        QFETCH(int, itemHeight);
        QFETCH(int, itemCount);
        QFETCH(int, inRange);
        QCOMPARE(wheelIndexInRange(index, itemHeight, itemCount), inRange);
        if (itemCount > 0) {
            QCOMPARE((inRange - index) % itemCount, 0);
            const int contentY = wheelContentY(inRange, 0, itemHeight);
            QVERIFY(contentY >= 0 && contentY <= kWheelContentHeight);
        }
    }

    void onlyVisibleRowsArePainted_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("height");
        QTest::addColumn<QVector<int>>("items");
        QTest::addColumn<int>("firstTop");
        // Rows are itemHeight 30 apart; the current item's row is centred on
        // the middle line, moved up by the offset.
        QTest::newRow("start of ten") << 0 << 0 << 10 << 180 << QVector<int>{7, 8, 9, 0, 1, 2, 3, 4} << -15;
        QTest::newRow("offset 25 at 9") << 9 << 25 << 10 << 180 << QVector<int>{6, 7, 8, 9, 0, 1, 2, 3} << -40;
        QTest::newRow("two items wrap often") << 1 << 0 << 2 << 180 << QVector<int>{0, 1, 0, 1, 0, 1, 0, 1} << -15;
        QTest::newRow("ten thousand items") << 5000 << 3 << 10000 << 100
                                            << QVector<int>{4999, 5000, 5001, 5002} << 2;
        QTest::newRow("no items") << 0 << 0 << 0 << 180 << QVector<int>{} << 0;
    }

    void onlyVisibleRowsArePainted()
    {
        QFETCH(int, item);
        QFETCH(int, offset);
        QFETCH(int, itemCount);
        QFETCH(int, height);
        QFETCH(QVector<int>, items);
        QFETCH(int, firstTop);
        const QVector<WheelRow> rows = visibleWheelRows({item, offset}, 30, itemCount, height);
        QVector<int> actual;
        for (int i = 0; i < rows.size(); ++i) {
            actual << rows.at(i).item;
            QCOMPARE(rows.at(i).top, firstTop + 30 * i);
        }
        QCOMPARE(actual, items);
    }

    void scoreLetterAcceptsOneLetterAToFInEitherCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("letter");
        QTest::newRow("A") << "A" << int('A');
        QTest::newRow("lower d") << "d" << int('D');
        QTest::newRow("F") << "F" << int('F');
        QTest::newRow("G") << "G" << 0;
        QTest::newRow("two letters") << "AB" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blank") << " " << 0;
        QTest::newRow("letter and blank") << "a " << 0;
        QTest::newRow("fullwidth A") << QString(QChar(0xFF21)) << 0;
        QTest::newRow("digit") << "1" << 0;
        QTest::newRow("accented") << QStringLiteral("\u00e4") << 0;
    }

    void scoreLetterAcceptsOneLetterAToFInEitherCase()
    {
        QFETCH(QString, text);
        QFETCH(int, letter);
        QCOMPARE(int(scoreLetter(text)), letter);
    }

    void restCountCompletesOnceWhenTheTurningWheelsRest()
    {
        WheelRestCount count;
        count.expect(2);
        QVERIFY(!count.noteRest());
        QVERIFY(count.noteRest());
        QVERIFY(!count.noteRest());
        QVERIFY(!count.noteRest());
        QCOMPARE(count.stopped(), 4);

        count.expect(1);
        QCOMPARE(count.stopped(), 0);
        QVERIFY(count.noteRest());
        QVERIFY(!count.noteRest());

        count.expect(0);
        QVERIFY(!count.noteRest());
    }
};

ZANDREL_TEST_MAIN(TestWheelArithmetic)
#include "tst_wheelarithmetic.moc"
