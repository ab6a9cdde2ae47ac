#include "common/drawrandom.h"
#include "displays/rollerrows.h"
#include "displays/tvrollerwidget.h"

#include "../support/modalanswerer.h"
#include "../support/recordingservices.h"
#include "../support/testenvironment.h"
#include "displaypanel.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <optional>
#include <set>

namespace {
std::vector<QString> studentIds(int count)
{
    std::vector<QString> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(QString::number(10320000 + 7 * i));
    return ids;
}

std::vector<QString> marked(const TVRollerWidget &roller)
{
    std::vector<QString> names;
    roller.selectedNames(names);
    return names;
}
}

class TestTVRollerWidget : public QObject
{
    Q_OBJECT

private:
    // The roller as the main window sets it up and fills it.
    struct Roller
    {
        DisplayPanel panel;
        TVRollerWidget *roller;
        explicit Roller(int names, int visible = 5, int select = 1)
            : roller(panel.add<TVRollerWidget>())
        {
            roller->setVisibleCount(visible);
            roller->setSelectCount(select);
            roller->setNames(studentIds(names));
            roller->arrangeRows();
            panel.settle();
        }
        std::vector<QComboBox *> comboBoxes() const
        {
            const auto found = roller->findChildren<QComboBox *>(QStringLiteral("combobox"));
            return std::vector<QComboBox *>(found.cbegin(), found.cend());
        }
        std::vector<QLineEdit *> lineEdits() const
        {
            const auto found = roller->findChildren<QLineEdit *>(QStringLiteral("lineEdit"));
            return std::vector<QLineEdit *>(found.cbegin(), found.cend());
        }
    };

    // Installed anew for each test, so that each starts with an empty record.
    std::optional<RecordingServices> m_services;

private slots:
    void init() { m_services.emplace(); }
    void cleanup() { m_services.reset(); }

    void eachStepMovesTheColumnUpOneRow()
    {
        Roller fixture(20, 5, 3);
        TVRollerWidget &roller = *fixture.roller;
        const std::vector<QString> before = marked(roller);
        QCOMPARE(before.size(), size_t(3));
        roller.traceItTimer();
        const std::vector<QString> after = marked(roller);
        QCOMPARE(after[0], before[1]);
        QCOMPARE(after[1], before[2]);
        QVERIFY(std::find(before.cbegin(), before.cend(), after[2]) == before.cend());
    }

    void aFullTurnShowsEveryNameOnceAndWraps()
    {
        Roller fixture(23, 5, 1);
        TVRollerWidget &roller = *fixture.roller;
        const std::vector<QString> first = marked(roller);
        std::multiset<QString> seen;
        for (int step = 0; step < 23; ++step) {
            seen.insert(marked(roller).front());
            roller.traceItTimer();
        }
        const std::vector<QString> ids = studentIds(23);
        QCOMPARE(seen, std::multiset<QString>(ids.cbegin(), ids.cend()));
        QCOMPARE(marked(roller), first);
    }

    // A roll from a fixed first row drew whatever a hold of the usual length
    // reached; each roll starts at a row the draws' generator picks.
    void eachRollStartsAtTheRowTheGeneratorDraws()
    {
        Roller fixture(40, 5, 2);
        TVRollerWidget &roller = *fixture.roller;
        std::vector<std::vector<QString>> byStart;
        for (int step = 0; step < 40; ++step) {
            byStart.push_back(marked(roller));
            roller.traceItTimer();
        }
        for (quint32 state : {1u, 2u, 3u}) {
            setDrawRandomState(state);
            const int start = drawRandomBelow(40);
            setDrawRandomState(state);
            roller.startTrace();
            QCOMPARE(marked(roller), byStart[size_t(start)]);
            roller.stopTrace();
        }

        roller.startTrace();
        QTest::qWait(250);
        roller.stopTrace();
        const std::vector<QString> drawn = marked(roller);
        QTest::qWait(250);
        QCOMPARE(marked(roller), drawn);
    }

    void markedNamesAreDistinctAndFewEnough_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("drawn");
        QTest::newRow("5 of 30, 3 marked") << 30 << 5 << 3 << 3;
        QTest::newRow("fewer names than rows") << 2 << 5 << 3 << 2;
        QTest::newRow("one name") << 1 << 5 << 3 << 1;
        QTest::newRow("no names") << 0 << 5 << 3 << 0;
    }

    void markedNamesAreDistinctAndFewEnough()
    {
        QFETCH(int, names);
        QFETCH(int, visible);
        QFETCH(int, select);
        QFETCH(int, drawn);
        Roller fixture(names, visible, select);
        const std::vector<QString> result = marked(*fixture.roller);
        QCOMPARE(int(result.size()), drawn);
        QCOMPARE(int(std::set<QString>(result.cbegin(), result.cend()).size()), drawn);
        QCOMPARE(int(fixture.comboBoxes().size()), drawn);
        QCOMPARE(int(fixture.lineEdits().size()), drawn);
        if (names == 1)
            QCOMPARE(result.front(), studentIds(1).front());
    }

    void countsBelowOneAreRaised()
    {
        Roller fixture(10, 5, 1);
        fixture.roller->setVisibleCount(0);
        fixture.roller->setSelectCount(-2);
        QCOMPARE(fixture.roller->visibleCount(), 1);
        QCOMPARE(fixture.roller->selectCount(), 1);
        QCOMPARE(marked(*fixture.roller).size(), size_t(1));
    }

    void aTypedLetterScoresItsMarkedRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<char>("letter");
        QTest::newRow("lower-case b, first row") << 0 << "b" << 'B';
        QTest::newRow("F, last row") << 2 << "F" << 'F';
    }

    void aTypedLetterScoresItsMarkedRow()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(char, letter);
        Roller fixture(12, 5, 3);
        const std::vector<QString> drawn = marked(*fixture.roller);
        QLineEdit *edit = fixture.lineEdits().at(size_t(row));
        QVERIFY(edit->echoMode() == QLineEdit::Password);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(m_services->scores.size(), 1);
        QCOMPARE(m_services->scores[0].id, drawn[size_t(row)]);
        QCOMPARE(m_services->scores[0].letter, letter);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(m_services->banners.size(), 1);
        QCOMPARE(m_services->banners[0].target.data(), static_cast<QWidget *>(edit));
        QCOMPARE(m_services->banners[0].text, QStringLiteral("*"));
    }

    void anythingButOneLetterWarns_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two letters") << "AB";
        QTest::newRow("after F") << "G";
        QTest::newRow("nothing") << "";
    }

    void anythingButOneLetterWarns()
    {
        QFETCH(QString, typed);
        Roller fixture(12, 5, 2);
        QLineEdit *edit = fixture.lineEdits().at(1);
        QTest::keyClicks(edit, typed);
        ModalAnswerer answerer;
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Warning"));
        QCOMPARE(answerer.text(), QStringLiteral("Please input letter 'A','B','C','D','E' or 'F'"));
        QCOMPARE(edit->text(), typed);
        QVERIFY(m_services->scores.empty());
        QVERIFY(m_services->banners.empty());
    }

    void aChosenLetterScoresItsMarkedRow()
    {
        Roller fixture(12, 5, 3);
        const std::vector<QString> drawn = marked(*fixture.roller);
        QComboBox *chooser = fixture.comboBoxes().at(1);
        QLineEdit *edit = fixture.lineEdits().at(1);
        edit->setText(QStringLiteral("x"));
        QCOMPARE(chooser->count(), 6);
        QCOMPARE(chooser->itemText(5), QStringLiteral("F"));
        QTest::keyClick(chooser, Qt::Key_Down);

        QCOMPARE(m_services->scores.size(), 1);
        QCOMPARE(m_services->scores[0].id, drawn[1]);
        QCOMPARE(m_services->scores[0].letter, 'B');
        QCOMPARE(edit->text(), QString());
        QCOMPARE(m_services->banners.size(), 1);
        QCOMPARE(m_services->banners[0].target.data(), static_cast<QWidget *>(chooser));
        QCOMPARE(m_services->banners[0].text, QStringLiteral("B"));
    }

    void aScoreDuringARollGoesToTheNameMarkedThen()
    {
        Roller fixture(12, 5, 1);
        fixture.roller->traceItTimer();
        fixture.roller->traceItTimer();
        const QString shown = marked(*fixture.roller).front();
        QLineEdit *edit = fixture.lineEdits().front();
        QTest::keyClicks(edit, QStringLiteral("a"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_services->scores.size(), 1);
        QCOMPARE(m_services->scores[0].id, shown);
    }

    void scoreRowsLieBesideTheirMarkedBoxes()
    {
        Roller fixture(30);
        TVRollerWidget &roller = *fixture.roller;
        for (int visible = 1; visible <= 15; ++visible) {
            for (int select = 1; select <= std::min(visible, 5); ++select) {
                roller.setVisibleCount(visible);
                roller.setSelectCount(select);
                fixture.panel.settle();

                const int rowHeight = roller.height() / visible;
                const MarkedRows rows = markedRows(30, visible, select);
                const std::vector<QComboBox *> choosers = fixture.comboBoxes();
                const std::vector<QLineEdit *> edits = fixture.lineEdits();
                QCOMPARE(int(choosers.size()), select);
                for (int k = 0; k < select; ++k) {
                    const int boxMiddle = (rows.first + k) * rowHeight + rowHeight / 2;
                    for (QWidget *control : {static_cast<QWidget *>(choosers[size_t(k)]),
                                             static_cast<QWidget *>(edits[size_t(k)])}) {
                        const QRect area(control->mapTo(&roller, QPoint()), control->size());
                        QVERIFY2(qAbs(area.center().y() - boxMiddle) <= 2,
                                 qPrintable(QStringLiteral("%1 visible, %2 marked, row %3: middle %4, box %5")
                                                .arg(visible).arg(select).arg(k)
                                                .arg(area.center().y()).arg(boxMiddle)));
                        QVERIFY(area.height() < rowHeight);
                        QVERIFY(area.left() > roller.width() / 2 + 20);
                        QVERIFY(area.right() < roller.width());
                    }
                }
            }
        }
    }
};

ZANDREL_TEST_MAIN(TestTVRollerWidget)
#include "tst_tvrollerwidget.moc"
