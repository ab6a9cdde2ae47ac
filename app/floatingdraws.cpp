#include "app/floatingdraws.h"

#include "app/drawcommands.h"
#include "app/floatingdrawbutton.h"
#include "app/remotecommandserver.h"

#include <QApplication>

FloatingDraws::FloatingDraws(DrawCommands *commands, QObject *parent)
    : QObject(parent)
    , m_commands(commands)
    , m_button(std::make_unique<FloatingDrawButton>())
{
    connect(m_button.get(), &FloatingDrawButton::drawRequested, this,
            [this](int count) { drawAndShow(count, DrawOrigin::FloatingButton); });
    connect(m_button.get(), &FloatingDrawButton::scoreRequested, this, &FloatingDraws::scoreFromButton);
    connect(m_button.get(), &FloatingDrawButton::showMainWindowRequested, this,
            [this] { m_commands->bringMainWindowToFront(); });
    connect(m_button.get(), &FloatingDrawButton::hideRequested, this,
            [this] { m_commands->setFloatingButtonShown(false); });
    // Every command is done at once, so its answer goes back at once.
    auto handler = [this](const RemoteCommand &command, std::function<void(const RemoteReply &)> answer) {
        answer(take(command));
    };
    m_server = new RemoteCommandServer(handler, this);
}

FloatingDraws::~FloatingDraws() = default;

bool FloatingDraws::listen(const QString &path)
{
    return m_server->listen(path);
}

void FloatingDraws::setButtonShown(bool shown)
{
    m_button->setVisible(shown);
}

QuickDraw FloatingDraws::drawAndShow(int count, DrawOrigin origin)
{
    const QuickDraw drawn = m_commands->drawAtOnce(count, origin);
    if (drawn.ids.isEmpty())
        m_button->showNotice(drawn.refusal);
    else
        m_button->showResult(drawn.ids, drawn.entries);
    return drawn;
}

void FloatingDraws::scoreFromButton(const QString &id, char letter)
{
    m_commands->giveScore(id, letter, DrawOrigin::FloatingButton);
}

RemoteReply FloatingDraws::take(const RemoteCommand &command)
{
    // The roster may be changing under a dialog (class settings, an import),
    // so draws and scores wait until it is closed.
    const bool changesRecords = command.kind == RemoteCommand::Draw || command.kind == RemoteCommand::Score;
    if (changesRecords && QApplication::activeModalWidget())
        return RemoteReply::refused(tr("Zandrel has a dialog open: close it first."));
    switch (command.kind) {
    case RemoteCommand::Draw: {
        const QuickDraw drawn = drawAndShow(command.count, DrawOrigin::CommandLine);
        if (drawn.ids.isEmpty())
            return RemoteReply::refused(drawn.refusal);
        return RemoteReply::done(drawn.entries.join(QLatin1Char('\n')));
    }
    case RemoteCommand::Score:
        return scoreLastDrawn(command.letter);
    case RemoteCommand::Floating:
        m_commands->setFloatingButtonShown(command.on);
        return RemoteReply::done();
    case RemoteCommand::Show:
        break;
    }
    m_commands->bringMainWindowToFront();
    return RemoteReply::done();
}

RemoteReply FloatingDraws::scoreLastDrawn(char letter)
{
    // With several drawn at once, the first, as the main window's letters do.
    const QuickDraw last = m_commands->lastDraw();
    if (last.ids.isEmpty())
        return RemoteReply::refused(tr("Nobody has been drawn yet."));
    const QString student = last.entries.value(0, last.ids.first());
    if (!m_commands->giveScore(last.ids.first(), letter, DrawOrigin::CommandLine))
        return RemoteReply::refused(tr("%1 is no longer in the class.").arg(student));
    return RemoteReply::done(tr("%1 given to %2.").arg(QLatin1Char(letter)).arg(student));
}
