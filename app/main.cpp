#include "app/instancelock.h"
#include "app/interfacelanguage.h"
#include "app/mainwindow.h"
#include "roster/datapaths.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);

    InstanceLock lock(defaultDataDirectory());
    if (!lock.acquire()) {
        QTranslator translator;
        translator.load(InterfaceLanguage::translationFile(InterfaceLanguage::stored()));
        QApplication::installTranslator(&translator);
        lock.tellAlreadyRunning();
        return 1;
    }

    MainWindow window;
    window.show();
    return app.exec();
}
