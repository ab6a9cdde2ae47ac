#include "common/drawrandom.h"
#include "displays/contrast.h"
#include "displays/microtilewidget.h"

#include "../support/testenvironment.h"
#include "displaypanel.h"

#include <QImage>

namespace {
std::vector<QString> studentIds(int count)
{
    std::vector<QString> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(QString::number(10320000 + 7 * i));
    return ids;
}

QImage paintOnWhite(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int inkedPixels(const QImage &image, const QRect &area)
{
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++inked;
    return inked;
}
}

class TestMicroTileWidget : public QObject
{
    Q_OBJECT

private slots:
    void emptyBoardShowsOnlyThePlaceholder()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames({});
        board->arrangeTiles(true);
        QVERIFY(board->tileRects().empty());
        const QImage image = paintOnWhite(*board);
        const QRect middle(board->width() / 4, board->height() / 3, board->width() / 2, board->height() / 3);
        QVERIFY(inkedPixels(image, middle) > 100);

        board->startTrace();
        QCOMPARE(board->selectedIndex(), -1);
        board->traceItTimer();
        QCOMPARE(board->selectedIndex(), -1);
        QCOMPARE(board->selectedText(), QString());
    }

    void tilesFillThePanelWithoutOverlap_data()
    {
        QTest::addColumn<int>("names");
        for (int names : {1, 60, 159, 160, 256, 512, 1000})
            QTest::addRow("%d names", names) << names;
    }

    void tilesFillThePanelWithoutOverlap()
    {
        QFETCH(int, names);
        // How many names find room depends on the layout drawn, so each row
        // draws the same one every run.
        setDrawRandomState(quint32(names));
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        QVERIFY(board->width() > 500 && board->height() >= 190);
        board->setNames(studentIds(names));
        board->arrangeTiles(true);

        const std::vector<QRect> &tiles = board->tileRects();
        QCOMPARE(int(tiles.size()), names);
        const QRect inside(0, 0, board->width() - 2, board->height() - 2);
        int placed = 0;
        for (size_t i = 0; i < tiles.size(); ++i) {
            if (tiles[i].isNull())
                continue;
            ++placed;
            QVERIFY(inside.contains(tiles[i]));
            for (size_t j = i + 1; j < tiles.size(); ++j)
                QVERIFY2(!tiles[i].intersects(tiles[j]), qPrintable(QStringLiteral("tiles %1 and %2").arg(i).arg(j)));
        }
        // A crowded board may leave a name without a tile; sixty names always find room.
        QVERIFY(placed == names || names > 60);
        QVERIFY(placed > names * 9 / 10);
    }

    // Two arrangements in one second used to come out the same; each now
    // takes on where the draws' generator stands, and only a restart of the
    // generator from one state repeats one.
    void eachArrangementIsNewAndTheGeneratorAloneRepeatsIt()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames(studentIds(200));
        setDrawRandomState(99);
        board->arrangeTiles(true);
        const std::vector<QRect> first = board->tileRects();
        const std::vector<QColor> firstColours = board->tileColours();
        board->arrangeTiles(true);
        QVERIFY(board->tileRects() != first);
        QVERIFY(board->tileColours() != firstColours);
        setDrawRandomState(99);
        board->arrangeTiles(true);
        QCOMPARE(board->tileRects(), first);
    }

    void eachTraceStepHighlightsTheTileTheGeneratorDraws()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames(studentIds(30));
        board->arrangeTiles(true);
        setDrawRandomState(5);
        std::vector<int> expected;
        for (int step = 0; step < 20; ++step)
            expected.push_back(drawRandomBelow(30));
        setDrawRandomState(5);
        std::vector<int> highlighted;
        for (int step = 0; step < 20; ++step) {
            board->traceItTimer();
            highlighted.push_back(board->selectedIndex());
        }
        QCOMPARE(highlighted, expected);
    }

    void aTraceHighlightsRandomTilesUntilStopped()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        const std::vector<QString> ids = studentIds(30);
        board->setNames(ids);
        board->arrangeTiles(true);

        board->startTrace();
        QCOMPARE(board->selectedIndex(), -1);
        QTRY_VERIFY(board->selectedIndex() >= 0);
        board->stopTrace();
        const int drawn = board->selectedIndex();
        QVERIFY(drawn < 30);
        QCOMPARE(board->selectedText(), ids[size_t(drawn)]);
        QTest::qWait(120);
        QCOMPARE(board->selectedIndex(), drawn);

        board->startTrace();
        QCOMPARE(board->selectedIndex(), -1);
        board->stopTrace();
    }

    void newNamesClearTheHighlight()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames(studentIds(10));
        board->arrangeTiles(true);
        board->traceItTimer();
        QVERIFY(board->selectedIndex() >= 0);
        board->setNames(studentIds(5));
        QCOMPARE(board->selectedIndex(), -1);
        QCOMPARE(board->selectedText(), QString());
    }

    void boundsOutlineEveryTileButTheHighlighted()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames(studentIds(40));
        board->arrangeTiles(true);
        const std::vector<QRect> tiles = board->tileRects();
        auto corner = [](const QRect &tile) { return tile.topLeft() + QPoint(tile.width(), tile.height()); };

        QImage plain = paintOnWhite(*board);
        for (const QRect &tile : tiles)
            QCOMPARE(plain.pixel(corner(tile)), qRgb(255, 255, 255));

        board->setShowFrames(true);
        board->traceItTimer();
        const int highlighted = board->selectedIndex();
        const QImage framed = paintOnWhite(*board);
        int outlined = 0;
        for (size_t i = 0; i < tiles.size(); ++i)
            if (int(i) != highlighted && framed.pixel(corner(tiles[i])) != qRgb(255, 255, 255))
                ++outlined;
        QCOMPARE(outlined, int(tiles.size()) - 1);
    }

    void everyTileReadsOnTheBoard()
    {
        DisplayPanel panel;
        auto *board = panel.add<MicroTileWidget>();
        board->setNames(studentIds(150));
        board->arrangeTiles(true);
        const QColor background = board->palette().color(board->backgroundRole());
        QCOMPARE(board->tileColours().size(), size_t(150));
        for (const QColor &colour : board->tileColours())
            QVERIFY2(contrastRatio(colour, background) >= 3.0, qPrintable(colour.name()));
    }
};

ZANDREL_TEST_MAIN(TestMicroTileWidget)
#include "tst_microtilewidget.moc"
