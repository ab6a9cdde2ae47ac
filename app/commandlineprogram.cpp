#include "app/commandlineprogram.h"

#include "app/commandlineoptions.h"
#include "app/remotecommandclient.h"
#include "app/remotecommandserver.h"
#include "app/starttranslation.h"

#include <QCoreApplication>
#include <QTextStream>

namespace CommandLineProgram {

namespace {

int print(QTextStream &stream, const QString &text, int status)
{
    if (!text.isEmpty())
        stream << text << (text.endsWith(QLatin1Char('\n')) ? "" : "\n");
    stream.flush();
    return status;
}

}

bool asksForCommandLine(const QStringList &arguments)
{
    CommandLineOptions options;
    options.parse(arguments);
    return options.namesOwnOption();
}

int run(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const StartTranslation translation;
    CommandLineOptions options;
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (options.parse(QCoreApplication::arguments())) {
    case CommandLineOptions::PrintHelp:
        return print(out, options.helpText(), 0);
    case CommandLineOptions::PrintVersion:
        return print(out, options.versionText(), 0);
    case CommandLineOptions::SendCommand: {
        const RemoteReply reply = RemoteCommandClient(RemoteCommandServer::defaultPath()).deliver(options.command());
        return reply.ok ? print(out, reply.text, 0) : print(err, reply.text, 1);
    }
    case CommandLineOptions::StartWindow:
    case CommandLineOptions::Refuse:
        break;
    }
    return print(err, options.errorText(), 1);
}

int refuseUnknownArguments(const QStringList &arguments)
{
    CommandLineOptions options;
    if (options.parse(arguments) != CommandLineOptions::Refuse)
        return 0;
    const StartTranslation translation;
    CommandLineOptions translated;
    translated.parse(arguments);
    QTextStream err(stderr);
    return print(err, translated.errorText(), 1);
}

}
