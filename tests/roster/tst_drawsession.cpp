#include "common/datapaths.h"
#include "roster/classhistory.h"
#include "roster/drawdisplay.h"
#include "roster/drawsession.h"
#include "roster/drawsettings.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

using Ids = std::vector<QString>;
Q_DECLARE_METATYPE(Ids)

namespace {
// A display that draws what the test tells it to.
class ScriptedDisplay : public DrawDisplay
{
public:
    explicit ScriptedDisplay(DrawSession &session, bool stopsByItself = false)
        : m_session(session)
        , m_stopsByItself(stopsByItself)
    {
    }

    QString historyName() const override { return QString::fromLatin1(kHistoryTvRoller); }
    void fill() override { ++fills; }
    bool start() override
    {
        ++starts;
        return canStart;
    }
    void stop() override
    {
        ++stops;
        m_session.finish(outcome);
    }
    bool stopsByItself() const override { return m_stopsByItself; }
    std::vector<QString> drawnIds() const override { return outcome.drawn; }

    bool canStart = true;
    DrawOutcome outcome;
    int fills = 0;
    int starts = 0;
    int stops = 0;

private:
    DrawSession &m_session;
    bool m_stopsByItself;
};
}

// One draw from start to history, driven without a window or a button.
class TestDrawSession : public QObject
{
    Q_OBJECT

private:
    static QString dataDir() { return TestEnvironment::homePath(); }
    static QString className() { return QStringLiteral("7A"); }

    // 1001 Ann, 1002 Ben, 1003 (no name), 1004 Dan.
    static void seedClass()
    {
        seedRoster({{className(), {"1003", "1001", "1004", "1002"}, {"", "Ann", "Dan", "Ben"}, {}}});
    }

    static std::vector<HistoryEntry> history()
    {
        QFile file(historyFilePath(dataDir(), className()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return readHistory(file);
    }

    // The class read into a store, with a session drawing from it.
    struct Session
    {
        Session()
        {
            store.loadClasses();
            session.setClass(className());
        }
        RosterStore store{dataDir()};
        ClassHistory log{dataDir()};
        DrawSession session{&store, &log, dataDir()};
    };

    static QStringList list(const Ids &ids) { return QStringList(ids.cbegin(), ids.cend()); }

    static DrawOutcome drew(const Ids &ids, DrawOutcome::Announcement when)
    {
        DrawOutcome outcome;
        outcome.drawn = ids;
        outcome.shown = ids;
        outcome.statusText = list(ids).join(QLatin1Char(' '));
        outcome.announced = ids;
        outcome.separator = QStringLiteral(",");
        outcome.when = when;
        return outcome;
    }

private slots:
    void init()
    {
        TestEnvironment::clearUserData();
        seedClass();
    }

    void candidates_data()
    {
        QTest::addColumn<bool>("noRepeat");
        QTest::addColumn<Ids>("absent");
        QTest::addColumn<Ids>("drawn");
        QTest::addColumn<Ids>("candidates");
        QTest::newRow("the whole class by ID") << false << Ids{} << Ids{"1001"} << Ids{"1001", "1002", "1003", "1004"};
        QTest::newRow("today's absent left out") << false << Ids{"1002"} << Ids{} << Ids{"1001", "1003", "1004"};
        QTest::newRow("No Repeats: the round's drawn left out")
            << true << Ids{"1004"} << Ids{"1001"} << Ids{"1002", "1003"};
    }

    void candidates()
    {
        QFETCH(bool, noRepeat);
        QFETCH(Ids, absent);
        QFETCH(Ids, drawn);
        QFETCH(Ids, candidates);
        DrawSettings::setNoRepeat(noRepeat);
        DrawSettings::setAbsentOn(className(), QDate::currentDate(), QSet<QString>(absent.cbegin(), absent.cend()));
        DrawSettings::setDrawnInRound(className(), QSet<QString>(drawn.cbegin(), drawn.cend()));
        Session fixture;
        DrawSession &session = fixture.session;

        QCOMPARE(session.candidates(), candidates);
        for (const char *id : {"1001", "1002", "1003", "1004"})
            QVERIFY(QDir(studentDirectoryPath(dataDir(), className(), QLatin1String(id))).exists());
    }

    void aDrawRunsFromStartToHistory_data()
    {
        QTest::addColumn<int>("when");
        QTest::addColumn<bool>("readLater");
        QTest::newRow("announced at once") << int(DrawOutcome::AnnounceNow) << false;
        QTest::newRow("announced from the event loop") << int(DrawOutcome::AnnounceLater) << true;
    }

    void aDrawRunsFromStartToHistory()
    {
        QFETCH(int, when);
        QFETCH(bool, readLater);
        DrawSettings::setNoRepeat(true);
        Session fixture;
        DrawSession &session = fixture.session;
        ScriptedDisplay display(session);
        session.setDisplay(&display);
        display.outcome = drew({"1002", "1003"}, DrawOutcome::Announcement(when));
        QSignalSpy started(&session, &DrawSession::drawStarted);
        QSignalSpy status(&session, &DrawSession::statusMessage);
        QSignalSpy announced(&session, &DrawSession::announcementReady);
        QSignalSpy finished(&session, &DrawSession::drawFinished);

        session.startOrStop();
        QVERIFY(session.isRunning());
        QCOMPARE(started.count(), 1);
        session.startOrStop();

        QVERIFY(!session.isRunning());
        QCOMPARE(display.stops, 1);
        QCOMPARE(status.takeFirst().at(0).toString(), QStringLiteral("1002 1003"));
        QCOMPARE(finished.takeFirst().at(0).toStringList(), QStringList({"1002", "1003"}));
        QCOMPARE(announced.count(), readLater ? 0 : 1);
        QTRY_COMPARE(announced.count(), 1);
        const QList<QVariant> announcement = announced.takeFirst();
        QCOMPARE(announcement.at(0).value<AnnouncedStudents>(),
                 (AnnouncedStudents{{QStringLiteral("1002"), QStringLiteral("Ben")}, {QStringLiteral("1003"), QString()}}));
        QCOMPARE(announcement.at(1).toString(), QStringLiteral(","));

        const std::vector<HistoryEntry> lines = history();
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(lines[0].event, QString::fromLatin1(kHistoryDraw));
        QCOMPARE(lines[0].display, QString::fromLatin1(kHistoryTvRoller));
        QCOMPARE(lines[0].name, QStringLiteral("Ben"));
        QCOMPARE(lines[1].id, QStringLiteral("1003"));
        // The display keeps the last draw until the next begins.
        QCOMPARE(session.candidates(), Ids({"1001", "1002", "1003", "1004"}));
        QSignalSpy refill(&session, &DrawSession::candidatesChanged);
        session.startOrStop();
        QCOMPARE(refill.count(), 1);
        QCOMPARE(session.candidates(), Ids({"1001", "1004"}));
    }

    void aDisplayThatCannotStartLeavesTheSessionIdle()
    {
        Session fixture;
        DrawSession &session = fixture.session;
        ScriptedDisplay display(session);
        display.canStart = false;
        session.setDisplay(&display);
        QSignalSpy started(&session, &DrawSession::drawStarted);

        session.startOrStop();

        QVERIFY(!session.isRunning());
        QCOMPARE(started.count(), 0);
        QCOMPARE(display.stops, 0);
    }

    void displaysThatStopByThemselvesLeaveTheFlagToTheOthers()
    {
        Session fixture;
        DrawSession &session = fixture.session;
        ScriptedDisplay wheels(session, true);
        ScriptedDisplay board(session);

        session.startOrStop(&board);
        session.startOrStop(&wheels);
        session.startOrStop(&wheels);

        QCOMPARE(wheels.starts, 2);
        QCOMPARE(wheels.stops, 0);
        QVERIFY(session.isRunning());
        session.startOrStop(&board);
        QCOMPARE(board.stops, 1);
    }

    void spokenText_data()
    {
        QTest::addColumn<Ids>("ids");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("one ID, no separator") << Ids{"1234567"} << "" << "4567";
        QTest::newRow("several IDs") << Ids{"1001", "22"} << "  " << "1001  22  ";
    }

    void spokenText()
    {
        QFETCH(Ids, ids);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        Session fixture;
        DrawSession &session = fixture.session;
        QCOMPARE(session.spokenText(ids, separator), text);
    }

    void announcedStudentsCarryTheirNames()
    {
        Session fixture;
        DrawSession &session = fixture.session;
        QCOMPARE(session.announced({"1001", "1234567"}),
                 (AnnouncedStudents{{QStringLiteral("1001"), QStringLiteral("Ann")}, {QStringLiteral("4567"), QString()}}));
    }
};

ZANDREL_TEST_MAIN(TestDrawSession)
#include "tst_drawsession.moc"
