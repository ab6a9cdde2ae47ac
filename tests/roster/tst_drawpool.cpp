#include "common/drawrandom.h"
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
        // Everyone present again, but the last two drawn: draws of one
        // student stay half the class (three draws) apart.
        QCOMPARE(pool.candidates(), (Ids{"1003", "1004"}));
    }

    // A student away while the rest of a round is drawn keeps the turn: the
    // next round begins with them, and they still have their turn in it.
    void aStudentAwayAtTheRoundsEndIsOwedATurn()
    {
        DrawPool pool;
        pool.setStudents(fiveStudents());
        pool.setNoRepeat(true);
        pool.take({"1001", "1002"});
        pool.setAbsent({"1005"});
        pool.take({"1003", "1004"});
        QVERIFY(pool.beginDraw());
        QCOMPARE(pool.round().owed, QSet<QString>{"1005"});
        QCOMPARE(pool.candidates(), (Ids{"1001", "1002"}));

        pool.take({"1001"});
        pool.setAbsent({});
        QVERIFY(!pool.beginDraw());
        QCOMPARE(pool.candidates(), Ids{"1005"});
        QVERIFY(pool.take({"1005"}));
        QVERIFY(pool.round().owed.isEmpty());
        QCOMPARE(pool.remainingCount(), 4);
        QVERIFY(!pool.drawn().contains("1005"));
        // Three draws apart at least: neither 1001 nor 1005 yet.
        QCOMPARE(pool.candidates(), (Ids{"1002", "1003", "1004"}));
    }

    void theOwedWaitWhileStillAway()
    {
        DrawPool pool;
        pool.setStudents(fiveStudents());
        pool.setNoRepeat(true);
        pool.setRound({{}, {"1004"}, {}});
        pool.setAbsent({"1004"});
        QCOMPARE(pool.candidates(), (Ids{"1001", "1002", "1003", "1005"}));
        pool.take({"1001", "1002", "1003", "1005"});
        QVERIFY(pool.beginDraw());
        QCOMPARE(pool.round().owed, QSet<QString>{"1004"});
    }

    // Whatever comes and goes, with No Repeats on nobody is drawn again
    // fewer than half the present class of draws later.
    void nobodyIsDrawnAgainWithinHalfThePresentClass_data()
    {
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("perDraw");
        for (int students : {1, 2, 3, 4, 7, 10, 40})
            QTest::addRow("%d students", students) << students << 1;
        QTest::newRow("10 students, three a draw") << 10 << 3;
    }

    void nobodyIsDrawnAgainWithinHalfThePresentClass()
    {
        QFETCH(int, students);
        QFETCH(int, perDraw);
        Ids ids;
        for (int k = 0; k < students; ++k)
            ids.push_back(QString::number(2000 + k));
        DrawPool pool;
        pool.setStudents(ids);
        pool.setNoRepeat(true);
        setDrawRandomState(17);
        // Where each student stands in the sequence of everyone drawn.
        QHash<QString, int> lastDrawn;
        int drawnSoFar = 0;
        for (int draw = 0; draw < 50 * students; ++draw) {
            if (draw % 7 == 0) {
                QSet<QString> absent;
                for (const QString &id : ids)
                    if (drawRandomBelow(10) == 0)
                        absent.insert(id);
                pool.setAbsent(absent);
            }
            pool.beginDraw();
            Ids offered = pool.candidates();
            if (offered.empty())
                continue;
            Ids taken;
            for (int k = 0; k < perDraw && !offered.empty(); ++k) {
                const int pick = drawRandomBelow(int(offered.size()));
                taken.push_back(offered[size_t(pick)]);
                offered.erase(offered.begin() + pick);
            }
            for (const QString &id : taken) {
                if (lastDrawn.contains(id))
                    QVERIFY2(drawnSoFar - lastDrawn.value(id) >= pool.spacing(),
                             qPrintable(QStringLiteral("%1 drawn as %2 and %3 of %4 present")
                                            .arg(id)
                                            .arg(lastDrawn.value(id))
                                            .arg(drawnSoFar)
                                            .arg(pool.presentCount())));
                lastDrawn.insert(id, drawnSoFar++);
            }
            pool.take(taken);
        }
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

    void theSpacingIsHalfThePresentClassRoundedUp_data()
    {
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("spacing");
        QTest::newRow("40") << 40 << 20;
        QTest::newRow("39") << 39 << 20;
        QTest::newRow("38") << 38 << 19;
        QTest::newRow("2") << 2 << 1;
        QTest::newRow("1") << 1 << 1;
    }

    void theSpacingIsHalfThePresentClassRoundedUp()
    {
        QFETCH(int, present);
        QFETCH(int, spacing);
        Ids ids;
        for (int k = 0; k < present + 3; ++k)
            ids.push_back(QString::number(k));
        DrawPool pool;
        pool.setStudents(ids);
        pool.setAbsent({"0", "1", "2"});
        QCOMPARE(pool.spacing(), spacing);
    }

    void theOwedAndTheLatestDrawsAreKeptBesideTheRound()
    {
        const DrawRound round{{"1001", "1003"}, {"1002"}, {"1003", "1001"}};
        DrawSettings::setRoundOf(QStringLiteral("A"), round);
        const DrawRound read = DrawSettings::roundOf(QStringLiteral("A"));
        QCOMPARE(read.drawn, round.drawn);
        QCOMPARE(read.owed, round.owed);
        QCOMPARE(read.recent, round.recent);
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
            QCOMPARE(settings.beginReadArray(QStringLiteral("Lottery_Rounds")), 1);
            settings.setArrayIndex(0);
            QCOMPARE(settings.value(QStringLiteral("Class")).toString(), QStringLiteral("A"));
            QCOMPARE(settings.value(QStringLiteral("Drawn")).toStringList(), (QStringList{"1001", "1003"}));
            QCOMPARE(settings.value(QStringLiteral("Owed")).toStringList(), QStringList{"1002"});
            QCOMPARE(settings.value(QStringLiteral("Recent")).toStringList(), (QStringList{"1003", "1001"}));
        }

        // As earlier versions wrote it: the drawn only.
        {
            QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"));
            settings.remove(QStringLiteral("Lottery_Rounds"));
            settings.beginWriteArray(QStringLiteral("Lottery_Rounds"));
            settings.setArrayIndex(0);
            settings.setValue(QStringLiteral("Class"), QStringLiteral("B"));
            settings.setValue(QStringLiteral("Drawn"), QStringList{"7"});
            settings.endArray();
        }
        const DrawRound earlier = DrawSettings::roundOf(QStringLiteral("B"));
        QCOMPARE(earlier.drawn, QSet<QString>{"7"});
        QVERIFY(earlier.owed.isEmpty());
        QVERIFY(earlier.recent.isEmpty());

        // A round that owes nobody and remembers draws is still kept.
        DrawSettings::setRoundOf(QStringLiteral("B"), {{}, {}, {"7"}});
        QCOMPARE(DrawSettings::roundOf(QStringLiteral("B")).recent, QStringList{"7"});
        DrawSettings::setDrawnInRound(QStringLiteral("B"), {"8"});
        QCOMPARE(DrawSettings::roundOf(QStringLiteral("B")).recent, QStringList{"7"});
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
