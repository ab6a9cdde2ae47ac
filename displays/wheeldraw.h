#ifndef WHEELDRAW_H
#define WHEELDRAW_H

#include <QStringList>
#include <vector>

class WheelAssemblyWidget;

// The wheel display's part of a draw, for the window that holds the wheels.

// New, parentless assemblies for wheelCount wheels, left to right, sharing
// ids out as wheelShares() does, each with its show-chars count and a pair of
// random colours. The caller places and owns them.
std::vector<WheelAssemblyWidget *> createWheelAssemblies(const QStringList &ids, int wheelCount);

// Sets every wheel with items turning at least one full round to an item of
// its own drawn evenly, by the spin factor of the first wheel; nothing turns when the first
// wheel has no items. Returns how many wheels were set turning: each of them
// reports exactly one rest through wheelStopped().
int spinWheels(const std::vector<WheelAssemblyWidget *> &wheels);

#endif // WHEELDRAW_H
