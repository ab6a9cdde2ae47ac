#include "displays/scoreletter.h"
#include "displays/wheelposition.h"
#include "displays/wheelrestcount.h"
#include "displays/wheelshares.h"

#include "../support/testenvironment.h"

#include <cstdlib>

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
    void sharesGiveEachWheelItsPartAndTheLastTheRest_data()
    {
        QTest::addColumn<int>("ids");
        QTest::addColumn<int>("wheels");
        QTest::addColumn<QVector<int>>("sizes");
        QTest::newRow("32 on 3") << 32 << 3 << QVector<int>{10, 10, 12};
        QTest::newRow("6 on 3: at least 5 each") << 6 << 3 << QVector<int>{5, 1, 0};
        QTest::newRow("32 on 6") << 32 << 6 << QVector<int>{5, 5, 5, 5, 5, 7};
        QTest::newRow("32 on 1") << 32 << 1 << QVector<int>{32};
        QTest::newRow("none on 2") << 0 << 2 << QVector<int>{0, 0};
        QTest::newRow("3 on 1") << 3 << 1 << QVector<int>{3};
        QTest::newRow("no wheels") << 32 << 0 << QVector<int>{};
    }

    void sharesGiveEachWheelItsPartAndTheLastTheRest()
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

    void spinTargetTurnsAtLeastOneRound_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("items");
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("random");
        QTest::addColumn<int>("target");
        QTest::newRow("no extra") << 3 << 10 << 5.0f << 0 << 13;
        QTest::newRow("largest extra") << 3 << 10 << 5.0f << 49 << 62;
        QTest::newRow("extra wraps") << 3 << 10 << 5.0f << 50 << 13;
        QTest::newRow("span truncated") << 0 << 7 << 1.5f << 10 << 7;
        QTest::newRow("1.2 of 120") << 119 << 120 << 1.2f << 143 << 382;
        QTest::newRow("large random") << 0 << 32 << 5.0f << RAND_MAX << 32 + RAND_MAX % 160;
    }

    void spinTargetTurnsAtLeastOneRound()
    {
        QFETCH(int, current);
        QFETCH(int, items);
        QFETCH(float, factor);
        QFETCH(int, random);
        QFETCH(int, target);
        QCOMPARE(wheelSpinTarget(current, items, factor, random), target);
    }

    void coloursAreDrawnBlueGreenRedFrameFirst()
    {
        std::srand(4711);
        int draws[6];
        for (int &draw : draws)
            draw = std::rand();
        std::srand(4711);
        const WheelColors colors = randomWheelColors();
        QCOMPARE(colors.frame, QColor(draws[2] % 250, draws[1] % 250, draws[0] % 250));
        QCOMPARE(colors.fill, QColor(100 + draws[5] % 150, 100 + draws[4] % 150, 100 + draws[3] % 150));
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
