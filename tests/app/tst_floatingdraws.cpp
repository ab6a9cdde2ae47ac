#include "app/floatingdrawbutton.h"
#include "app/floatingdraws.h"
#include "app/floatingresultwindow.h"
#include "app/remotecommandclient.h"
#include "app/remotecommandserver.h"

#include "../support/mousesender.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QThread>

#include <memory>

namespace {

// The program's side, recorded.
class RecordingCommands : public DrawCommands
{
public:
    QuickDraw next;
    QuickDraw last;
    QList<int> draws;
    QStringList scores;
    int mainWindowCalls = 0;
    QList<bool> floatingShown;

    QList<DrawOrigin> origins;

    QuickDraw drawAtOnce(int count, DrawOrigin origin) override
    {
        draws.append(count);
        origins.append(origin);
        if (!next.ids.isEmpty())
            last = next;
        return next;
    }
    QuickDraw lastDraw() const override { return last; }
    bool giveScore(const QString &id, char letter, DrawOrigin) override
    {
        scores.append(id + QLatin1Char(' ') + QLatin1Char(letter));
        return id != QLatin1String("gone");
    }
    void bringMainWindowToFront() override { ++mainWindowCalls; }
    void setFloatingButtonShown(bool shown) override { floatingShown.append(shown); }
};

QuickDraw twoDrawn()
{
    return {{QStringLiteral("1001"), QStringLiteral("1002")},
            {QStringLiteral("1001 Li Lei"), QStringLiteral("1002 Han Meimei")},
            QString()};
}

RemoteReply send(const RemoteCommand &command)
{
    RemoteReply reply;
    RemoteCommandClient client(RemoteCommandServer::defaultPath());
    std::unique_ptr<QThread> thread(QThread::create([&] { reply = client.deliver(command); }));
    thread->start();
    while (!thread->isFinished())
        QTest::qWait(10);
    return reply;
}

QStringList shownLines(FloatingDrawButton *button)
{
    QStringList lines;
    for (QLabel *label : button->resultWindow()->findChildren<QLabel *>(QStringLiteral("floatingResultText")))
        lines.append(label->text());
    return lines;
}

}

class TestFloatingDraws : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void aClickDrawsAndShowsTheResultBesideTheButton()
    {
        RecordingCommands commands;
        commands.next = twoDrawn();
        FloatingDraws draws(&commands);
        draws.setButtonShown(true);
        clickAt(draws.button(), draws.button()->rect().center());
        QCOMPARE(commands.draws, QList<int>{1});
        QCOMPARE(commands.origins, QList<DrawOrigin>{DrawOrigin::FloatingButton});
        QVERIFY(draws.button()->resultWindow()->isVisible());
        QCOMPARE(shownLines(draws.button()), twoDrawn().entries);

        const QList<QWidget *> rows = draws.button()->resultWindow()->findChildren<QWidget *>("floatingResultRow");
        QTest::mouseClick(findByName<QPushButton>(*rows.at(1), "floatingScoreD"), Qt::LeftButton);
        QCOMPARE(commands.scores, QStringList{"1002 D"});
    }

    void whyNothingWasDrawnIsShown()
    {
        RecordingCommands commands;
        commands.next.refusal = QStringLiteral("Everyone in Class 1 is absent today.");
        FloatingDraws draws(&commands);
        draws.setButtonShown(true);
        findByName<QAction>(*draws.button(), "actionFloatingDrawThree")->trigger();
        QCOMPARE(commands.draws, QList<int>{3});
        QCOMPARE(shownLines(draws.button()), QStringList{commands.next.refusal});
        QVERIFY(draws.button()->resultWindow()->findChildren<QPushButton *>().isEmpty());
    }

    void theMenuReachesTheMainWindowAndTheViewMenu()
    {
        RecordingCommands commands;
        FloatingDraws draws(&commands);
        draws.setButtonShown(true);
        findByName<QAction>(*draws.button(), "actionFloatingMainWindow")->trigger();
        QCOMPARE(commands.mainWindowCalls, 1);
        findByName<QAction>(*draws.button(), "actionFloatingHide")->trigger();
        QCOMPARE(commands.floatingShown, QList<bool>{false});
    }

    void theCommandLineDrawsScoresAndSwitches()
    {
        RecordingCommands commands;
        FloatingDraws draws(&commands);
        QVERIFY(draws.listen(RemoteCommandServer::defaultPath()));

        RemoteReply reply = send(RemoteCommand::score('A'));
        QVERIFY(!reply.ok);
        QCOMPARE(reply.text, QStringLiteral("Nobody has been drawn yet."));

        commands.next.refusal = QStringLiteral("No class is chosen.");
        reply = send(RemoteCommand::draw(1));
        QVERIFY(!reply.ok);
        QCOMPARE(reply.text, commands.next.refusal);

        commands.next = twoDrawn();
        reply = send(RemoteCommand::draw(2));
        QVERIFY(reply.ok);
        QCOMPARE(reply.text, QStringLiteral("1001 Li Lei\n1002 Han Meimei"));
        QCOMPARE(commands.draws, (QList<int>{1, 2}));
        QCOMPARE(commands.origins.last(), DrawOrigin::CommandLine);
        // Shown on screen although the button is hidden.
        QVERIFY(draws.button()->resultWindow()->isVisible());

        reply = send(RemoteCommand::score('B'));
        QVERIFY(reply.ok);
        QCOMPARE(reply.text, QStringLiteral("B given to 1001 Li Lei."));
        QCOMPARE(commands.scores, QStringList{"1001 B"});

        QVERIFY(send(RemoteCommand::floating(true)).ok);
        QVERIFY(send(RemoteCommand::floating(false)).ok);
        QCOMPARE(commands.floatingShown, (QList<bool>{true, false}));
        QVERIFY(send(RemoteCommand::show()).ok);
        QCOMPARE(commands.mainWindowCalls, 1);
    }

    void aScoreForAStudentNoLongerInTheClassIsRefused()
    {
        RecordingCommands commands;
        commands.last = {{QStringLiteral("gone")}, {QStringLiteral("gone Wang Fang")}, QString()};
        FloatingDraws draws(&commands);
        QVERIFY(draws.listen(RemoteCommandServer::defaultPath()));
        const RemoteReply reply = send(RemoteCommand::score('C'));
        QVERIFY(!reply.ok);
        QVERIFY(reply.text.contains(QStringLiteral("gone Wang Fang")));
    }
};

ZANDREL_TEST_MAIN(TestFloatingDraws)
#include "tst_floatingdraws.moc"
