#include "displays/freeleafindex.h"
#include "displays/spacetree.h"
#include "displays/tilelayout.h"

#include "fixedrandom.h"
#include "../support/testenvironment.h"

#include <QtTest>

#include <algorithm>

namespace {

// Checks the tree: children inside their parent and apart from each other,
// free leaves in the index, and returns the cells holding an item.
void collectUsedCells(const SpaceNode *node, std::vector<QRect> &used, int &freeLeaves)
{
    const QRect cell(node->x, node->y, node->w, node->h);
    if (node->used)
        used.push_back(cell);
    else if (!node->split)
        ++freeLeaves;
    std::vector<QRect> siblings;
    for (const SpaceNode *child : node->children) {
        if (!child)
            continue;
        QVERIFY(child->parent == node);
        const QRect inner(child->x, child->y, child->w, child->h);
        QVERIFY2(child->w >= 0 && child->h >= 0, "negative cell");
        if (!inner.isEmpty()) {
            QVERIFY2(cell.contains(inner), "child reaches past its parent");
            for (const QRect &other : siblings)
                QVERIFY2(!other.intersects(inner), "sibling cells overlap");
            siblings.push_back(inner);
        }
        collectUsedCells(child, used, freeLeaves);
    }
}

bool anyOverlap(const std::vector<QRect> &rects)
{
    std::vector<QRect> placed;
    for (const QRect &rect : rects)
        if (rect.width() > 0 && rect.height() > 0)
            placed.push_back(rect);
    std::sort(placed.begin(), placed.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size() && placed[j].left() <= placed[i].right(); ++j)
            if (placed[i].intersects(placed[j]))
                return true;
    return false;
}

// Names measured like IDs of eight digits: 6 pixels a digit at 9 points,
// scaled with the point size, one line 15 pixels high at 9 points.
QSize idSize(int pointSize)
{
    return QSize(std::max(1, 48 * pointSize / 9), std::max(1, 15 * pointSize / 9));
}

} // namespace

class TestTileLayout : public QObject
{
    Q_OBJECT

private slots:
    void freeCellsAreCountedAndRankedBySize()
    {
        std::deque<SpaceNode> cells;
        FreeLeafIndex index(100, 50);
        FixedRandom random(11);
        for (int k = 0; k < 300; ++k) {
            cells.emplace_back();
            cells.back().w = random() % 101;
            cells.back().h = random() % 51;
            index.insert(&cells.back());
        }
        for (int k = 0; k < 300; k += 3)
            index.remove(&cells[size_t(k)]);
        QCOMPARE(index.size(), 200);

        for (const QSize item : {QSize(0, 0), QSize(30, 10), QSize(90, 45), QSize(100, 50), QSize(101, 1)}) {
            std::vector<const SpaceNode *> expected;
            for (size_t k = 0; k < cells.size(); ++k)
                if (k % 3 != 0 && cells[k].w >= item.width() && cells[k].h >= item.height())
                    expected.push_back(&cells[k]);
            QCOMPARE(index.countFitting(item.width(), item.height()), int(expected.size()));
            std::vector<const SpaceNode *> ranked;
            for (int rank = 0; rank < int(expected.size()); ++rank)
                ranked.push_back(index.fitting(item.width(), rank));
            std::sort(ranked.begin(), ranked.end());
            std::sort(expected.begin(), expected.end());
            QCOMPARE(ranked, expected);
        }
    }

    void splitFourCutsACellIntoQuarters()
    {
        FixedRandom random(1);
        SpaceTree tree(100, 60, 10, random.source());
        SpaceNode *root = tree.root();
        QVERIFY(tree.splitFour(root, 30, 20));
        const QRect expected[] = {{0, 0, 30, 20}, {30, 0, 70, 20}, {0, 20, 30, 40}, {30, 20, 70, 40}};
        for (int k = 0; k < 4; ++k) {
            const SpaceNode *child = root->children[k];
            QCOMPARE(QRect(child->x, child->y, child->w, child->h), expected[k]);
            QCOMPARE(child->parent, root);
        }
        QVERIFY(!tree.splitFour(root, 10, 10));
        QCOMPARE(tree.freeLeafCount(), 4);
    }

    void aCellTightBothWaysShrinksOntoTheItem()
    {
        FixedRandom random(1);
        SpaceTree tree(30, 20, 10, random.source());
        const SpaceNode *cell = tree.placeItem(25, 15, true, true);
        QVERIFY(cell);
        QCOMPARE(QRect(cell->x, cell->y, cell->w, cell->h), QRect(2, 2, 25, 15));
        QVERIFY(!tree.placeItem(1, 1, true, true));
    }

    void aWideCellGivesItsMiddleToTheItem()
    {
        // cell 100 x 60, item 10 x 5 padded by 2 + 0 both ways: cut at
        // ((100 - 12) / 2, (60 - 7) / 2), then the item's corner of the rest.
        ScriptedRandom random({0, 0, 0});
        SpaceTree tree(100, 60, 10, random.source());
        const SpaceNode *cell = tree.placeItem(10, 5, true, true);
        QVERIFY(cell);
        QCOMPARE(QRect(cell->x, cell->y, cell->w, cell->h), QRect(44, 26, 12, 7));
        QCOMPARE(tree.freeLeafCount(), 6);
    }

    void cellsStayInsideTheirParent_data()
    {
        QTest::addColumn<int>("tileGap");
        QTest::addColumn<int>("itemWidth");
        QTest::addColumn<int>("itemHeight");
        QTest::newRow("gap 5") << 5 << 6 << 3;
        QTest::newRow("gap 5, tiny items") << 5 << 1 << 1;
        QTest::newRow("gap 7") << 7 << 12 << 7;
        QTest::newRow("gap 10") << 10 << 20 << 12;
    }

    void cellsStayInsideTheirParent()
    {
        QFETCH(int, tileGap);
        QFETCH(int, itemWidth);
        QFETCH(int, itemHeight);
        for (unsigned start = 1; start <= 20; ++start) {
            FixedRandom random(start);
            SpaceTree tree(539, 198, tileGap, random.source());
            int placed = 0;
            for (int k = 0; k < 3000; ++k) {
                const int w = itemWidth + random() % 3;
                if (tree.placeItem(w, itemHeight, true, true))
                    ++placed;
            }
            QVERIFY(placed > 0);
            std::vector<QRect> used;
            int freeLeaves = 0;
            collectUsedCells(tree.root(), used, freeLeaves);
            QCOMPARE(int(used.size()), placed);
            QCOMPARE(freeLeaves, tree.freeLeafCount());
            QVERIFY2(!anyOverlap(used), qPrintable(QStringLiteral("overlap, start %1").arg(start)));
        }
    }

    // A cell with just the gap to spare both ways must not be padded past
    // its edge, whatever margin is drawn.
    void paddingNeverReachesPastTheCell_data()
    {
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("corner");
        for (int margin = 0; margin < 5; ++margin)
            for (int corner = 0; corner < 4; ++corner)
                QTest::addRow("margin %d, corner %d", margin, corner) << margin << corner;
    }

    void paddingNeverReachesPastTheCell()
    {
        QFETCH(int, margin);
        QFETCH(int, corner);
        ScriptedRandom random({0, margin, margin, corner});
        SpaceTree tree(15, 10, 5, random.source());
        const SpaceNode *cell = tree.placeItem(10, 5, true, true);
        QVERIFY(cell);
        QVERIFY(QRect(0, 0, 15, 10).contains(QRect(cell->x, cell->y, cell->w, cell->h)));
        QVERIFY(cell->w >= 10 && cell->h >= 5);
        std::vector<QRect> used;
        int freeLeaves = 0;
        collectUsedCells(tree.root(), used, freeLeaves);
    }

    void sizingFollowsTheNameCount_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("gap");
        QTest::newRow("159") << 159 << 9 << 8 << 10;
        QTest::newRow("160") << 160 << 7 << 6 << 7;
        QTest::newRow("255") << 255 << 7 << 6 << 7;
        QTest::newRow("256") << 256 << 3 << 2 << 5;
        QTest::newRow("511") << 511 << 3 << 2 << 5;
        QTest::newRow("512") << 512 << 2 << 1 << 5;
    }

    void sizingFollowsTheNameCount()
    {
        QFETCH(int, names);
        QFETCH(int, base);
        QFETCH(int, spread);
        QFETCH(int, gap);
        const TileSizing sizing = tileSizing(names, 9);
        QCOMPARE(sizing.baseSize, base);
        QCOMPARE(sizing.sizeSpread, spread);
        QCOMPARE(sizing.tileGap, gap);

        // On a board with room for all, every name keeps its first size.
        FixedRandom random(3);
        const TileArrangement arrangement = arrangeTileRects(
            names, QSize(4000, 4000), 9, true, [](int, int pointSize) { return idSize(pointSize); },
            random.source());
        const auto [smallest, largest] = std::minmax_element(arrangement.pointSizes.cbegin(),
                                                             arrangement.pointSizes.cend());
        QCOMPARE(*smallest, base);
        QCOMPARE(*largest, base + spread - 1);
        for (size_t i = 0; i < arrangement.rects.size(); ++i)
            QCOMPARE(arrangement.rects[i].size(), idSize(arrangement.pointSizes[i]));
    }

    void tilesNeverOverlap_data()
    {
        QTest::addColumn<int>("names");
        for (int names : {1, 60, 159, 160, 256, 512, 1000, 3000})
            QTest::addRow("%d names", names) << names;
    }

    void tilesNeverOverlap()
    {
        QFETCH(int, names);
        const QRect board(0, 0, 539, 198);
        for (unsigned start = 1; start <= 10; ++start) {
            FixedRandom random(start);
            const TileArrangement arrangement = arrangeTileRects(
                names, QSize(541, 200), 9, true,
                [](int index, int pointSize) { return idSize(pointSize) + QSize(index % 7, 0); },
                random.source());
            QCOMPARE(int(arrangement.rects.size()), names);
            QCOMPARE(int(arrangement.colours.size()), names);
            QVERIFY(!anyOverlap(arrangement.rects));
            for (const QRect &tile : arrangement.rects)
                QVERIFY(tile.isNull() || board.contains(tile));
            for (const QColor &colour : arrangement.colours)
                QVERIFY(colour.red() < 240 && colour.green() < 240 && colour.blue() < 240
                        && colour.alpha() == 255);
        }
    }

    void namesThatDoNotFitShrinkThenGetASpeck()
    {
        FixedRandom random(5);
        const TileArrangement arrangement = arrangeTileRects(
            2000, QSize(541, 200), 9, true, [](int, int pointSize) { return idSize(pointSize); },
            random.source());
        int specks = 0;
        int missing = 0;
        for (size_t i = 0; i < arrangement.rects.size(); ++i) {
            const QRect &tile = arrangement.rects[i];
            if (tile.isNull()) {
                ++missing;
                QCOMPARE(arrangement.pointSizes[i], 9);
            } else if (tile.size() == QSize(2, 2) && tile.size() != idSize(arrangement.pointSizes[i])) {
                ++specks;
                QCOMPARE(arrangement.pointSizes[i], 1);
            }
        }
        QVERIFY(specks > 0);
        QVERIFY(missing > 0);
    }

    void theSameRandomSequenceGivesTheSameLayout()
    {
        const TileMeasure measure = [](int index, int pointSize) { return idSize(pointSize) + QSize(index % 5, 0); };
        FixedRandom first(42);
        FixedRandom second(42);
        const TileArrangement a = arrangeTileRects(300, QSize(541, 200), 9, true, measure, first.source());
        const TileArrangement b = arrangeTileRects(300, QSize(541, 200), 9, true, measure, second.source());
        QCOMPARE(a.rects, b.rects);
        QCOMPARE(a.pointSizes, b.pointSizes);
        QCOMPARE(a.colours, b.colours);
    }

    void noNamesGiveNoTiles()
    {
        FixedRandom random(1);
        const TileArrangement arrangement = arrangeTileRects(0, QSize(541, 200), 9, true,
                                                             [](int, int) { return QSize(1, 1); }, random.source());
        QVERIFY(arrangement.rects.empty());
        QVERIFY(arrangement.colours.empty());
    }

    void highlightLabelIsCentredAndKeptInside_data()
    {
        QTest::addColumn<QRect>("tile");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<QRect>("label");
        // board 541 x 200; the label is the text plus 8 by 4
        QTest::newRow("centred") << QRect(200, 80, 41, 21) << QSize(92, 36) << QRect(170, 70, 100, 40);
        QTest::newRow("left edge") << QRect(0, 80, 20, 20) << QSize(92, 36) << QRect(2, 69, 100, 40);
        QTest::newRow("top edge") << QRect(200, 0, 20, 10) << QSize(92, 36) << QRect(159, 2, 100, 40);
        QTest::newRow("right edge") << QRect(520, 80, 20, 20) << QSize(92, 36) << QRect(437, 69, 100, 40);
        QTest::newRow("bottom edge") << QRect(200, 185, 20, 14) << QSize(92, 36) << QRect(159, 156, 100, 40);
        QTest::newRow("no tile") << QRect() << QSize(92, 36) << QRect(211, 71, 100, 40);
        QTest::newRow("flat tile") << QRect(30, 30, 10, 0) << QSize(92, 36) << QRect(211, 71, 100, 40);
    }

    void highlightLabelIsCentredAndKeptInside()
    {
        QFETCH(QRect, tile);
        QFETCH(QSize, text);
        QFETCH(QRect, label);
        QCOMPARE(highlightLabelRect(tile, text, QSize(541, 200)), label);
    }
};

ZANDREL_TEST_MAIN(TestTileLayout)
#include "tst_tilelayout.moc"
