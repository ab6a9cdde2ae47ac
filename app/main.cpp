#include "app/commandlineprogram.h"
#include "app/highdpi.h"
#include "app/instancelock.h"
#include "app/mainwindow.h"
#include "app/starttranslation.h"
#include "common/datapaths.h"
#include "common/programversion.h"
#include "roster/rosterstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(programVersion());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLineProgram::asksForCommandLine(arguments))
        return CommandLineProgram::run(argc, argv);

    Q_INIT_RESOURCE(resources);
    enableHighDpiScaling();
    QApplication app(argc, argv);
    // The toolkit has taken its own options (-platform, -style) by now.
    if (const int refused = CommandLineProgram::refuseUnknownArguments(QCoreApplication::arguments()))
        return refused;

    InstanceLock lock(defaultDataDirectory());
    if (!lock.acquire()) {
        const StartTranslation translation;
        lock.tellAlreadyRunning();
        return 1;
    }

    RosterStore store(defaultDataDirectory());
    MainWindow window(&store);
    window.show();
    window.listenForCommands();
    return app.exec();
}
