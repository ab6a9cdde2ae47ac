#include "roster/drawpool.h"
#include "roster/drawsettings.h"

#include "../support/testenvironment.h"

#include <QSettings>

using Ids = std::vector<QString>;
Q_DECLARE_METATYPE(Ids)

// The pool every display is filled from, and what of it the settings keep.
class TestDrawPool : public QObject
{
    Q_OBJECT

private:
    static Ids fiveStudents() { return {"1001", "1002", "1003", "1004", "1005"}; }

    static QSet<QString> set(const Ids &ids) { return QSet<QString>(ids.cbegin(), ids.cend()); }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void candidates_data()
    {
        QTest::addColumn<bool>("noRepeat");
        QTest::addColumn<Ids>("absent");
        QTest::addColumn<Ids>("drawn");
        QTest::addColumn<Ids>("candidates");
        QTest::addColumn<int>("remaining");
        QTest::newRow("off, nobody absent: the whole class in order")
            << false << Ids{} << Ids{"1002"} << fiveStudents() << 4;
        QTest::newRow("off, absent left out") << false << Ids{"1002", "1005"} << Ids{} << Ids{"1001", "1003", "1004"} << 3;
        QTest::newRow("on, drawn left out") << true << Ids{} << Ids{"1001", "1004"} << Ids{"1002", "1003", "1005"} << 3;
        QTest::newRow("on, absent and drawn left out")
            << true << Ids{"1003"} << Ids{"1001"} << Ids{"1002", "1004", "1005"} << 3;
        QTest::newRow("on, used up: the present class again")
            << true << Ids{"1003"} << Ids{"1001", "1002", "1004", "1005"} << Ids{"1001", "1002", "1004", "1005"} << 0;
        QTest::newRow("IDs of other classes change nothing")
            << true << Ids{"9"} << Ids{"8"} << fiveStudents() << 5;
    }

    void candidates()
    {
        QFETCH(bool, noRepeat);
        QFETCH(Ids, absent);
        QFETCH(Ids, drawn);
        QFETCH(Ids, candidates);
        QFETCH(int, remaining);
        DrawPool pool;
        pool.setStudents(fiveStudents());
        pool.setNoRepeat(noRepeat);
        pool.setAbsent(set(absent));
        pool.setDrawn(set(drawn));
        QCOMPARE(pool.candidates(), candidates);
        QCOMPARE(pool.remainingCount(), remaining);
        QCOMPARE(pool.presentCount() + pool.absentCount(), 5);
    }

    void aRoundDrawsEveryoneOnceThenBeginsAgain()
    {
        DrawPool pool;
        pool.setStudents(fiveStudents());
        pool.setAbsent({"1005"});
        pool.setNoRepeat(true);
        QSet<QString> seen;
        for (int draw = 0; draw < 4; ++draw) {
            QVERIFY(!pool.beginDraw());
            const Ids offered = pool.candidates();
            QCOMPARE(int(offered.size()), 4 - draw);
            QVERIFY(!seen.contains(offered.back()));
            seen.insert(offered.back());
            QVERIFY(pool.take({offered.back()}));
        }
        QCOMPARE(seen, (QSet<QString>{"1001", "1002", "1003", "1004"}));
        QCOMPARE(pool.remainingCount(), 0);
        QVERIFY(pool.beginDraw());
        QVERIFY(pool.drawn().isEmpty());
        QCOMPARE(pool.candidates().size(), size_t(4));
    }

    void withNoRepeatsOffNothingLeavesTheRound()
    {
        DrawPool pool;
        pool.setStudents(fiveStudents());
        QVERIFY(!pool.take({"1001"}));
        QVERIFY(!pool.beginDraw());
        QVERIFY(pool.drawn().isEmpty());
    }

    void nobodyPresentStartsNoRound()
    {
        DrawPool pool;
        pool.setStudents({"1"});
        pool.setAbsent({"1"});
        pool.setNoRepeat(true);
        QVERIFY(!pool.beginDraw());
        QVERIFY(pool.candidates().empty());
    }

    void noRepeatIsStoredAndOffByDefault()
    {
        QVERIFY(!DrawSettings::noRepeat());
        DrawSettings::setNoRepeat(true);
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
        QCOMPARE(settings.value(QStringLiteral("Lottery_NoRepeat")).toBool(), true);
        QVERIFY(DrawSettings::noRepeat());
    }

    void roundsBelongToTheirClass()
    {
        const QSet<QString> odd{"a, b", "\"quoted\"", "1001", QString::fromUtf8("张三")};
        DrawSettings::setDrawnInRound(QStringLiteral("A/B 5"), odd);
        DrawSettings::setDrawnInRound(QStringLiteral("Other"), {"7"});
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("A/B 5")), odd);
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("Other")), QSet<QString>{"7"});
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("Nobody")).isEmpty());

        DrawSettings::setDrawnInRound(QStringLiteral("A/B 5"), {});
        QVERIFY(DrawSettings::drawnInRound(QStringLiteral("A/B 5")).isEmpty());
        QCOMPARE(DrawSettings::drawnInRound(QStringLiteral("Other")), QSet<QString>{"7"});
        QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
        QCOMPARE(settings.beginReadArray(QStringLiteral("Lottery_Rounds")), 1);
    }

    void absencesCountOnlyOnTheirDay()
    {
        const QDate today(2024, 9, 2);
        DrawSettings::setAbsentOn(QStringLiteral("A"), today.addDays(-1), {"1", "2"});
        QCOMPARE(DrawSettings::absentOn(QStringLiteral("A"), today.addDays(-1)), (QSet<QString>{"1", "2"}));
        QVERIFY(DrawSettings::absentOn(QStringLiteral("A"), today).isEmpty());

        // Marking a day drops every other day's marks.
        DrawSettings::setAbsentOn(QStringLiteral("B"), today, {"3"});
        QVERIFY(DrawSettings::absentOn(QStringLiteral("A"), today.addDays(-1)).isEmpty());
        QCOMPARE(DrawSettings::absentOn(QStringLiteral("B"), today), QSet<QString>{"3"});
        QVERIFY(DrawSettings::absentOn(QStringLiteral("B"), today.addDays(1)).isEmpty());

        DrawSettings::setAbsentOn(QStringLiteral("C"), today, {"4"});
        QCOMPARE(DrawSettings::absentOn(QStringLiteral("B"), today), QSet<QString>{"3"});
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
            QCOMPARE(settings.beginReadArray(QStringLiteral("Absent_Students")), 2);
            settings.setArrayIndex(0);
            QCOMPARE(settings.value(QStringLiteral("Class")).toString(), QStringLiteral("B"));
            QCOMPARE(settings.value(QStringLiteral("Date")).toString(), QStringLiteral("2024-09-02"));
            QCOMPARE(settings.value(QStringLiteral("IDs")).toStringList(), QStringList{"3"});
        }
        DrawSettings::setAbsentOn(QStringLiteral("B"), today, {});
        QVERIFY(DrawSettings::absentOn(QStringLiteral("B"), today).isEmpty());
    }
};

ZANDREL_TEST_MAIN(TestDrawPool)
#include "tst_drawpool.moc"
