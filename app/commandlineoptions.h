#ifndef COMMANDLINEOPTIONS_H
#define COMMANDLINEOPTIONS_H

#include "app/remotecommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's command line: without an option it opens the window; --help
// and --version print and end; --draw [N], --score A, --floating on|off and
// --show are commands for the copy that is running. The texts are taken when
// the object is built, so it is built after the translation is installed.
class CommandLineOptions
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineOptions)

public:
    enum Action { StartWindow, PrintHelp, PrintVersion, SendCommand, Refuse };

    CommandLineOptions();

    // arguments: the program first, as QCoreApplication::arguments() gives them.
    Action parse(const QStringList &arguments);

    // Whether the arguments name one of the program's own options. Without
    // one they are left to the toolkit, which takes its own (-platform, -style)
    // when the window's application object is built.
    bool namesOwnOption() const;
    // The command of SendCommand.
    RemoteCommand command() const { return m_command; }
    // Why the arguments were refused, in one line.
    QString errorText() const { return m_error; }
    QString helpText() const;
    QString versionText() const;

private:
    Action refuse(const QString &error);
    Action readCommand();

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_draw;
    QCommandLineOption m_score;
    QCommandLineOption m_floating;
    QCommandLineOption m_show;
    RemoteCommand m_command;
    QString m_error;
};

#endif // COMMANDLINEOPTIONS_H
