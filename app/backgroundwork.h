#ifndef BACKGROUNDWORK_H
#define BACKGROUNDWORK_H

#include <functional>

class QWidget;

// Runs work on a thread of its own and returns when it is done; meanwhile
// the interface goes on painting and the clock ticking, while window takes
// no input. A backup with the homework of a term can take a while.
void runAside(QWidget *window, const std::function<void()> &work);

#endif // BACKGROUNDWORK_H
