#ifndef TESTENVIRONMENT_H
#define TESTENVIRONMENT_H

#include <QString>
#include <QtTest>

// Every test program runs in a temporary HOME, XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR of its own, set before the application object exists, so
// no real settings or data are touched and no running copy of the program
// is reached. clearUserData() empties the home and the settings folder
// between test functions. Both leave the interface language set to English.
// Speech goes to a recording back end (SpeechCapture) instead of the speakers.
namespace TestEnvironment {
void setUp();
void clearUserData();
QString homePath();
QString configPath();
QString runtimePath();
// The settings file of one settings area of organization "Velmor".
QString settingsFile(const QString &application);
}

#define ZANDREL_TEST_MAIN(TestObject)                     \
    int main(int argc, char *argv[])                      \
    {                                                     \
        TestEnvironment::setUp();                         \
        Q_INIT_RESOURCE(resources);                       \
        QApplication app(argc, argv);                     \
        app.setAttribute(Qt::AA_Use96Dpi, true);          \
        TestObject tc;                                    \
        QTEST_SET_MAIN_SOURCE_PATH                        \
        return QTest::qExec(&tc, argc, argv);             \
    }

#endif // TESTENVIRONMENT_H
