#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
