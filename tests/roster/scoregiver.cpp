// Gives scores to the class "Kill" in a tight loop and writes the number of
// scores whose save has returned after each one; the crash test kills it.
#include "roster/rosterstore.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RosterStore store{QString()};
    store.loadClasses();
    std::vector<QString> ids;
    store.studentIds(QStringLiteral("Kill"), ids);
    if (ids.empty())
        return 1;
    for (unsigned long given = 0;; ++given) {
        store.appendScore(ids[given % ids.size()], static_cast<char>('A' + given % 6));
        const std::string line = std::to_string(given + 1) + "\n";
        if (write(STDOUT_FILENO, line.data(), line.size()) < 0)
            return 1;
    }
}
