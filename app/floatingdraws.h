#ifndef FLOATINGDRAWS_H
#define FLOATINGDRAWS_H

#include "app/drawcommands.h"
#include "app/remotecommand.h"
#include "app/remotereply.h"

#include <QObject>
#include <functional>
#include <memory>

class FloatingDrawButton;
class RemoteCommandServer;

// Draws over the slides: the floating button and the command line's
// commands, both answered through the program's draw commands. The result
// of a draw made here is shown beside the button, also when the button is
// hidden and the main window is behind the slides.
class FloatingDraws : public QObject
{
    Q_OBJECT

public:
    explicit FloatingDraws(DrawCommands *commands, QObject *parent = nullptr);
    ~FloatingDraws() override;

    FloatingDrawButton *button() const { return m_button.get(); }

    // Starts taking the command line's commands on the socket at path;
    // false when it cannot be opened.
    bool listen(const QString &path);

public slots:
    void setButtonShown(bool shown);

private:
    QuickDraw drawAndShow(int count, DrawOrigin origin);
    void scoreFromButton(const QString &id, char letter);
    RemoteReply take(const RemoteCommand &command);
    RemoteReply scoreLastDrawn(char letter);

    DrawCommands *m_commands;
    std::unique_ptr<FloatingDrawButton> m_button;
    RemoteCommandServer *m_server = nullptr;
};

#endif // FLOATINGDRAWS_H
