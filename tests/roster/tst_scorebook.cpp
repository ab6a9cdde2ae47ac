#include "roster/classhistory.h"
#include "roster/historyfile.h"
#include "roster/rosterstore.h"
#include "roster/scorebook.h"

#include "../support/rosterseeder.h"
#include "../support/testenvironment.h"

#include <QFile>
#include <QSignalSpy>

// Where every score goes, and how undo takes scores back, without a window.
class TestScoreBook : public QObject
{
    Q_OBJECT

private:
    static QString dataDir() { return TestEnvironment::homePath(); }

    static void seedTwoClasses()
    {
        seedRoster({{QStringLiteral("7A"), {"1001", "1002"}, {"Ann", "Ben"}, {"B", ""}},
                    {QStringLiteral("7B"), {"2001"}, {"Cem"}, {"C"}}});
    }

    static QString storedScore(int classIndex, int student)
    {
        return storedRoster().at(classIndex).scores.value(student);
    }

    // The two classes read into a store, with a book over them.
    struct Book
    {
        Book()
        {
            seedTwoClasses();
            store.loadClasses();
        }
        RosterStore store{dataDir()};
        ClassHistory log{dataDir()};
        ScoreBook book{&store, &log};
    };

    static std::vector<HistoryEntry> history(const QString &className)
    {
        QFile file(historyFilePath(dataDir(), className));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return readHistory(file);
    }

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void give_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("undoable");
        QTest::newRow("a student of the class") << "1001"
                                                << "BA" << true;
        QTest::newRow("one without scores") << "1002"
                                            << "A" << true;
        QTest::newRow("an ID of another class") << "2001"
                                                << "" << false;
    }

    void give()
    {
        QFETCH(QString, id);
        QFETCH(QString, stored);
        QFETCH(bool, undoable);
        Book fixture;
        RosterStore &store = fixture.store;
        ScoreBook &book = fixture.book;
        book.setClass(QStringLiteral("7A"));
        book.setDisplay(QString::fromLatin1(kHistoryWheel));
        QSignalSpy undoAvailable(&book, &ScoreBook::undoAvailable);

        book.give(id, 'A');

        const int student = store.ids(0).indexOf(id);
        QCOMPARE(student >= 0 ? storedScore(0, student) : QString(), stored);
        QCOMPARE(storedScore(1, 0), QStringLiteral("C"));
        QCOMPARE(book.canUndo(), undoable);
        QCOMPARE(undoAvailable.count(), undoable ? 1 : 0);
        const std::vector<HistoryEntry> lines = history(QStringLiteral("7A"));
        QCOMPARE(lines.size(), size_t(undoable ? 1 : 0));
        if (undoable) {
            QCOMPARE(lines[0].event, QString::fromLatin1(kHistoryScore));
            QCOMPARE(lines[0].display, QString::fromLatin1(kHistoryWheel));
            QCOMPARE(lines[0].id, id);
            QCOMPARE(lines[0].name, store.names(0).at(student));
            QCOMPARE(lines[0].score, QStringLiteral("A"));
        }
    }

    void undoTakesTheNewestBackInItsOwnClass()
    {
        Book fixture;
        RosterStore &store = fixture.store;
        ScoreBook &book = fixture.book;
        book.setClass(QStringLiteral("7A"));
        book.give(QStringLiteral("1001"), 'A');
        book.setClass(QStringLiteral("7B"));
        book.give(QStringLiteral("2001"), 'F');
        // The store's current class plays no part.
        store.setCurrentClass(0);

        QCOMPARE(book.undo(), QStringLiteral("Removed F from 2001"));
        QCOMPARE(storedScore(1, 0), QStringLiteral("C"));
        QSignalSpy undoAvailable(&book, &ScoreBook::undoAvailable);
        QCOMPARE(book.undo(), QStringLiteral("Removed A from 1001"));
        QCOMPARE(storedScore(0, 0), QStringLiteral("B"));
        QCOMPARE(undoAvailable.takeFirst().at(0).toBool(), false);
        QVERIFY(!book.canUndo());
        QCOMPARE(book.undo(), QString());
        QCOMPARE(history(QStringLiteral("7B")).back().event, QString::fromLatin1(kHistoryUndo));
        QCOMPARE(history(QStringLiteral("7A")).size(), size_t(2));
    }

    void undoLeavesAScoreStringThatChangedSince()
    {
        Book fixture;
        RosterStore &store = fixture.store;
        ScoreBook &book = fixture.book;
        book.setClass(QStringLiteral("7A"));
        book.give(QStringLiteral("1001"), 'A');
        store.setStudents(0, store.ids(0), store.names(0), {QStringLiteral("BAC"), QString()}, store.studentKeys(0));
        store.saveClasses();

        QCOMPARE(book.undo(), QStringLiteral("A was not removed: the scores of 1001 no longer end with it"));
        QCOMPARE(storedScore(0, 0), QStringLiteral("BAC"));
        QCOMPARE(history(QStringLiteral("7A")).size(), size_t(1));
    }

    void undoFollowsARenamedClassAndARetypedId()
    {
        Book fixture;
        RosterStore &store = fixture.store;
        ScoreBook &book = fixture.book;
        book.setClass(QStringLiteral("7A"));
        book.give(QStringLiteral("1001"), 'A');
        // As the class settings window saves it: 7A is now Maths, 1001 is
        // 1005, and a new class took the name 7A with a student 1001.
        store.renameClass(0, QStringLiteral("Maths"));
        store.setStudents(0, {"1005", "1002"}, store.names(0), store.scores(0), store.studentKeys(0));
        store.appendClass(QStringLiteral("7A"));
        store.setStudents(2, {"1001"}, {"Dan"}, {"A"}, {});
        store.saveClasses();
        store.loadClasses();
        book.setClass(QStringLiteral("7A"));

        QVERIFY(book.canUndo());
        QCOMPARE(book.undo(), QStringLiteral("Removed A from 1005"));
        QCOMPARE(storedRoster().at(0).scores.at(0), QStringLiteral("B"));
        QCOMPARE(storedRoster().at(2).scores.at(0), QStringLiteral("A"));
        QCOMPARE(history(QStringLiteral("Maths")).size(), size_t(2));
        QCOMPARE(history(QStringLiteral("Maths")).back().event, QString::fromLatin1(kHistoryUndo));
        QCOMPARE(history(QStringLiteral("Maths")).back().id, QStringLiteral("1005"));
        QVERIFY(history(QStringLiteral("7A")).empty());
    }

    void undoIsNotOfferedForAStudentOrClassThatIsGone()
    {
        Book fixture;
        RosterStore &store = fixture.store;
        ScoreBook &book = fixture.book;
        book.setClass(QStringLiteral("7A"));
        book.give(QStringLiteral("1002"), 'A');
        book.setClass(QStringLiteral("7B"));
        book.give(QStringLiteral("2001"), 'F');
        QSignalSpy undoAvailable(&book, &ScoreBook::undoAvailable);

        // 7B deleted and added again with the same student: another class.
        store.removeClass(1);
        store.appendClass(QStringLiteral("7B"));
        store.setStudents(1, {"2001"}, {"Cem"}, {"CF"}, {});
        store.saveClasses();
        book.setClass(QStringLiteral("7B"));
        QVERIFY(book.canUndo());

        // 1002 deleted and added again: another student.
        store.setStudents(0, {"1001", "1002"}, {"Ann", "Ben"}, {"B", "A"}, {store.studentKey(0, 0), 0});
        store.saveClasses();
        book.setClass(QStringLiteral("7A"));
        QVERIFY(!book.canUndo());
        QCOMPARE(undoAvailable.last().at(0).toBool(), false);
        QCOMPARE(book.undo(), QString());
        QCOMPARE(storedRoster().at(0).scores, (QStringList{"B", "A"}));
        QCOMPARE(storedRoster().at(1).scores, QStringList{"CF"});
    }
};

ZANDREL_TEST_MAIN(TestScoreBook)
#include "tst_scorebook.moc"
