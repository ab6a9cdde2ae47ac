#include "displays/contrast.h"
#include "displays/wheelhighlight.h"

#include "../support/testenvironment.h"

// The contrast rule that keeps drawn students readable: the WCAG 2 ratio,
// and the nearest colour that reaches a ratio.
class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void ratio_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("the same") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
        QTest::newRow("grey 777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
        QTest::newRow("pure blue on black") << QColor(Qt::blue) << QColor(Qt::black) << 2.44;
    }

    void ratio()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(contrastRatio(a, b))));
    }

    void nearestColourWithContrast_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("darker");
        const QColor board(239, 239, 239);
        QTest::newRow("dark blue on the board stays") << QColor(20, 40, 160) << board << true << false;
        QTest::newRow("pale yellow on the board darkens") << QColor(230, 220, 120) << board << false << true;
        QTest::newRow("light grey on the board darkens") << QColor(200, 200, 200) << board << false << true;
        QTest::newRow("board's own colour darkens") << board << board << false << true;
        QTest::newRow("dark red on black lightens") << QColor(90, 0, 0) << QColor(Qt::black) << false << false;
        QTest::newRow("mid grey on mid grey") << QColor(119, 119, 119) << QColor(119, 119, 119) << false << true;
    }

    void nearestColourWithContrast()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, background);
        QFETCH(bool, kept);
        QFETCH(bool, darker);
        const QColor legible = withContrast(colour, background, 3.0);
        QVERIFY(contrastRatio(legible, background) >= 3.0);
        if (kept) {
            QCOMPARE(legible, colour);
            return;
        }
        QCOMPARE(relativeLuminance(legible) < relativeLuminance(colour), darker);
        // Just enough: one step less of the mix would fall short.
        const QColor halfway((legible.red() + colour.red()) / 2, (legible.green() + colour.green()) / 2,
                             (legible.blue() + colour.blue()) / 2);
        QVERIFY(contrastRatio(halfway, background) < 3.0);
    }

    void mostLegibleTakesTheFirstThatReads()
    {
        const QColor text(20, 20, 20);
        QCOMPARE(mostLegible({text, Qt::black, Qt::white}, {QColor(250, 250, 250), QColor(180, 200, 230)}, 3.0), text);
        QCOMPARE(mostLegible({text, Qt::black, Qt::white}, {QColor(30, 30, 90), QColor(60, 60, 60)}, 3.0),
                 QColor(Qt::white));
    }

    void blendedOverMixesByAlpha()
    {
        QCOMPARE(blendedOver(QColor(255, 0, 0, 255), QColor(Qt::blue)), QColor(255, 0, 0));
        QCOMPARE(blendedOver(QColor(255, 0, 0, 0), QColor(Qt::blue)), QColor(0, 0, 255));
        QCOMPARE(blendedOver(QColor(200, 100, 0, 153), QColor(0, 0, 100)), QColor(120, 60, 40));
    }

    void theWheelItemReadsOnTheBar_data()
    {
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<bool>("barAsDrawnBefore");
        // Fill colours as the wheels draw them, 100 to 249 a channel.
        QTest::newRow("dark fill: white, the bar's ends a little closer") << QColor(100, 100, 100) << false;
        QTest::newRow("light fill") << QColor(249, 249, 249) << true;
        QTest::newRow("mid grey: the bar's ends a little closer") << QColor(120, 120, 120) << false;
        QTest::newRow("green") << QColor(100, 249, 100) << true;
        QTest::newRow("purple") << QColor(200, 100, 240) << true;
    }

    void theWheelItemReadsOnTheBar()
    {
        QFETCH(QColor, fill);
        QFETCH(bool, barAsDrawnBefore);
        QColor highlight(48, 140, 198, 150);
        const HighlightBarLook look = legibleHighlightBar(highlight, fill, Qt::black);
        for (const QColor &bar : {highlight, highlight.lighter(look.lighterFactor), highlight.darker(look.darkerFactor)})
            QVERIFY(contrastRatio(look.itemColour, blendedOver(bar, fill)) >= 3.0);
        QCOMPARE(look.lighterFactor == 150 && look.darkerFactor == 200, barAsDrawnBefore);
    }
};

ZANDREL_TEST_MAIN(TestContrast)
#include "tst_contrast.moc"
