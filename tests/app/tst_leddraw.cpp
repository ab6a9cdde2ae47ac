#include "app/leddraw.h"
#include "roster/studentids.h"

#include "../support/testenvironment.h"

class TestLedDraw : public QObject
{
    Q_OBJECT

private:
    static std::vector<QString> ids(const QStringList &list) { return {list.cbegin(), list.cend()}; }
    static QStringList list(const std::vector<QString> &ids) { return {ids.cbegin(), ids.cend()}; }

private slots:
    void intervals_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("single");
        QTest::addColumn<int>("roll");
        QTest::newRow("1") << 1 << 1000 << 666;
        QTest::newRow("10") << 10 << 316 << 210;
        QTest::newRow("50") << 50 << 141 << 94;
        QTest::newRow("100") << 100 << 100 << 66;
        QTest::newRow("600") << 600 << 40 << 26;
    }

    void intervals()
    {
        QFETCH(int, speed);
        QFETCH(int, single);
        QFETCH(int, roll);
        QCOMPARE(drawIntervalMs(speed, false), single);
        QCOMPARE(drawIntervalMs(speed, true), roll);
    }

    void ringPutsTheFirstIdAtTheRightEdge()
    {
        const std::vector<char> ring = buildRollerRing(ids({"1001", "1002", "1003"}), 14);
        QCOMPARE(QByteArray(ring.data(), int(ring.size())), QByteArray("          1001  1002  1003  "));
        const std::vector<char> longFirst = buildRollerRing(ids({"123456789012345", "7"}), 14);
        QCOMPARE(QByteArray(longFirst.data(), int(longFirst.size())), QByteArray("123456789012345  7  "));
        QVERIFY(buildRollerRing({}, 14).empty());
    }

    void rollStepsMoveOneCharacterAndWrap()
    {
        const std::vector<char> ring = buildRollerRing(ids({"1001", "1002", "1003"}), 14);
        unsigned position = 0;
        QCOMPARE(rollerWindow(ring, position, 14), QStringLiteral("          1001"));
        QCOMPARE(position, 1u);
        QCOMPARE(rollerWindow(ring, position, 14), QStringLiteral("         1001 "));
        position = 22;
        QCOMPARE(rollerWindow(ring, position, 14), QStringLiteral("1003          "));
        QCOMPARE(position, 23u);
        position = 27;
        QCOMPARE(rollerWindow(ring, position, 14), QStringLiteral("           100"));
        QCOMPARE(position, 0u);
        unsigned none = 0;
        QCOMPARE(rollerWindow({}, none, 14), QString());
    }

    void completeIdsOnTheDisplay_data()
    {
        QTest::addColumn<unsigned>("start");
        QTest::addColumn<QStringList>("shown");
        // Ring: 10 blanks, then 1001, 1002, 1003, each followed by two blanks.
        QTest::newRow("first ID at the right edge") << 0u << QStringList{"1001"};
        QTest::newRow("last ID cut at the right edge") << 4u << QStringList{"1001"};
        QTest::newRow("two whole IDs") << 6u << QStringList{"1001", "1002"};
        QTest::newRow("cut at both edges") << 11u << QStringList{"1002"};
        QTest::newRow("first cut at the left edge") << 12u << QStringList{"1002", "1003"};
        QTest::newRow("wrapping round the ring") << 20u << QStringList{"1003"};
        QTest::newRow("nothing whole") << 25u << QStringList{};
    }

    void completeIdsOnTheDisplay()
    {
        QFETCH(unsigned, start);
        QFETCH(QStringList, shown);
        const std::vector<char> ring = buildRollerRing(ids({"1001", "1002", "1003"}), 14);
        unsigned position = start;
        const QString text = rollerWindow(ring, position, 14);
        QCOMPARE(list(completeIdsShown(ring, position, text)), shown);
    }

    void announcementsAndReadBack()
    {
        QCOMPARE(announcementText(QStringLiteral("1234567890")), QStringLiteral("7890"));
        QCOMPARE(announcementText(QStringLiteral("45")), QStringLiteral("45"));
        QCOMPARE(announcementText(QStringLiteral("11010519900101123X")), QStringLiteral("123X"));
    }

    // IDs of 18 characters on the 14 of the display: none is ever whole.
    void idsLongerThanTheDisplay_data()
    {
        QTest::addColumn<unsigned>("start");
        QTest::addColumn<QString>("drawn");
        const QString first = QStringLiteral("110105199001011234");
        const QString second = QStringLiteral("11010519900101123X");
        QTest::newRow("the first from its start") << 0u << first;
        QTest::newRow("the first with its end shown") << 5u << first;
        QTest::newRow("more of the second shown") << 15u << second;
        QTest::newRow("wrapping round to the first") << 34u << first;
    }

    void idsLongerThanTheDisplay()
    {
        QFETCH(unsigned, start);
        QFETCH(QString, drawn);
        const std::vector<char> ring =
            buildRollerRing(ids({"110105199001011234", "11010519900101123X"}), 14);
        unsigned position = start;
        const QString text = rollerWindow(ring, position, 14);
        QVERIFY(completeIdsShown(ring, position, text).empty());
        QCOMPARE(mostShownId(ring, position, 14), drawn);
    }

    void emptyRingShowsNoId() { QCOMPARE(mostShownId({}, 0, 14), QString()); }
};

ZANDREL_TEST_MAIN(TestLedDraw)
#include "tst_leddraw.moc"
