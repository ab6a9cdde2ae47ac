#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

void useTemporaryHome(const QTemporaryDir &home)
{
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
}

void useBenchHome(const QString &path)
{
    qputenv("HOME", path.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (path + QStringLiteral("/config")).toLocal8Bit());
}

std::vector<QString> numberedIds(int count)
{
    std::vector<QString> ids;
    ids.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        ids.push_back(QString::number(20240000 + i));
    return ids;
}

void writeBenchRoster(int classCount, int studentCount, const QString &scores)
{
    QSettings settings(QStringLiteral("Velmor"), QStringLiteral("Zandrel_ClassSetting"));
    settings.clear();
    const std::vector<QString> ids = numberedIds(studentCount);
    settings.beginWriteArray(QStringLiteral("Classes"));
    for (int k = 0; k < classCount; ++k) {
        settings.setArrayIndex(k);
        settings.setValue(QStringLiteral("Name"), QStringLiteral("Class %1").arg(k + 1));
        settings.beginWriteArray(QStringLiteral("StudentInfor"));
        for (int i = 0; i < studentCount; ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("ID"), ids[size_t(i)]);
            settings.setValue(QStringLiteral("Name"), QStringLiteral("Student %1").arg(i));
            settings.setValue(QStringLiteral("Score"), scores);
        }
        settings.endArray();
    }
    settings.endArray();
}

void answerImportDialogs(const QString &path, QString *summary)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path, summary] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->selectFile(path);
            static_cast<QDialog *>(files)->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            *summary = box->text();
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start(1);
}

double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char *what, double ms, double targetMs)
{
    std::printf("%-60s %9.1f ms   (target %g ms)\n", what, ms, targetMs);
}
