#include "testenvironment.h"

#include "speechcapture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir *g_root = nullptr;

void makeEmptyDirectory(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

// The translations lie beside the test programs as beside the program; the
// tests read the interface in its source language unless they choose another.
void chooseEnglish()
{
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Language")).setValue(QStringLiteral("Language"), QStringLiteral("english"));
}
}

namespace TestEnvironment {

void setUp()
{
    g_root = new QTemporaryDir;
    makeEmptyDirectory(homePath());
    makeEmptyDirectory(configPath());
    qputenv("HOME", homePath().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configPath().toLocal8Bit());
    // The runtime folder must be the user's alone, or it is not used.
    QDir().mkpath(runtimePath());
    QFile::setPermissions(runtimePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimePath().toLocal8Bit());
    chooseEnglish();
    SpeechCapture::install();
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    std::atexit([] { delete g_root; });
}

void clearUserData()
{
    makeEmptyDirectory(homePath());
    makeEmptyDirectory(configPath());
    chooseEnglish();
}

QString homePath()
{
    return g_root->path() + QStringLiteral("/home");
}

QString configPath()
{
    return g_root->path() + QStringLiteral("/config");
}

QString runtimePath()
{
    return g_root->path() + QStringLiteral("/runtime");
}

QString settingsFile(const QString &application)
{
    return configPath() + QStringLiteral("/Velmor/") + application + QStringLiteral(".conf");
}

}
