#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include <QString>
#include <functional>
#include <vector>

class QTemporaryDir;

// What the benchmark programs share: made-up classes, a teacher answering
// the import's dialogs, a median timer and its report.

// Points HOME and XDG_CONFIG_HOME into the directory, so that the benchmark
// touches no real settings or data; called before the application exists.
void useTemporaryHome(const QTemporaryDir &home);

// Points HOME and XDG_CONFIG_HOME (its "config") at the directory, so that
// the benchmark leaves the real settings and data alone; call it before the
// application object exists.
void useBenchHome(const QString &path);

// count IDs counting up from 20240000.
std::vector<QString> numberedIds(int count);

// Replaces the stored roster by classCount classes ("Class 1", ...) of
// studentCount students each, every one with the given score string.
void writeBenchRoster(int classCount, int studentCount, const QString &scores);

// Answers the file dialog with the path and the summary box with OK, as a
// teacher would, polling every millisecond; the box's text lands in summary.
void answerImportDialogs(const QString &path, QString *summary);

// Prints one figure beside its target.
void report(const char *what, double ms, double targetMs);

// The median time of runs runs of work in milliseconds; prepare, when given,
// runs untimed before each.
double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {});

// The middle value of measurements made some other way; values is not empty.
double median(std::vector<double> values);

#endif // BENCHSUPPORT_H
