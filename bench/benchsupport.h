#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include <QString>
#include <functional>
#include <vector>

// What the benchmark programs share: made-up classes and a median timer.

// Points HOME and XDG_CONFIG_HOME (its "config") at the directory, so that
// the benchmark leaves the real settings and data alone; call it before the
// application object exists.
void useBenchHome(const QString &path);

// count IDs counting up from 20240000.
std::vector<QString> numberedIds(int count);

// Replaces the stored roster by classCount classes ("Class 1", ...) of
// studentCount students each, every one with the given score string.
void writeBenchRoster(int classCount, int studentCount, const QString &scores);

// The median time of runs runs of work in milliseconds; prepare, when given,
// runs untimed before each.
double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {});

#endif // BENCHSUPPORT_H
