#include "app/highdpi.h"
#include "app/instancelock.h"
#include "app/interfacelanguage.h"
#include "app/mainwindow.h"
#include "common/datapaths.h"
#include "roster/rosterstore.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    enableHighDpiScaling();
    QApplication app(argc, argv);

    InstanceLock lock(defaultDataDirectory());
    if (!lock.acquire()) {
        const QString language = InterfaceLanguage::stored();
        QTranslator translator;
        translator.load(InterfaceLanguage::translationFile(language));
        QApplication::installTranslator(&translator);
        QTranslator toolkitTranslator;
        toolkitTranslator.load(InterfaceLanguage::toolkitTranslationFile(language));
        QApplication::installTranslator(&toolkitTranslator);
        lock.tellAlreadyRunning();
        return 1;
    }

    RosterStore store(defaultDataDirectory());
    MainWindow window(&store);
    window.show();
    return app.exec();
}
