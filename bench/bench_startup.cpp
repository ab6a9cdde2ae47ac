// Start-up and score saving with big rosters: constructing and showing the
// main window over 40 classes of 50 students, and one score entry (with its
// write to disk) at 2,000 and at 10,000 students.
#include "app/mainwindow.h"
#include "roster/rosterstore.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    const QString kScores = QStringLiteral("ABCDEF").repeated(17).left(100);
    QTemporaryDir home;
    useTemporaryHome(home);
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    QTextStream out(stdout);

    writeBenchRoster(40, 50, kScores);
    out << "main window with 40 x 50 students, construct and show: "
        << medianMs(9, [] {
               MainWindow window;
               window.show();
               QApplication::processEvents();
           })
        << " ms\n";

    for (const auto &size : {std::make_pair(40, 50), std::make_pair(1, 10000)}) {
        writeBenchRoster(size.first, size.second, kScores);
        RosterStore store{QString()};
        store.loadClasses();
        std::vector<QString> ids;
        store.studentIds(QStringLiteral("Class 1"), ids);
        int next = 0;
        const double scoreMs = medianMs(51, [&] { store.appendScore(ids[next++ % ids.size()], 'B'); });
        const double fullMs = medianMs(9, [&] { store.saveClasses(); });
        out << size.first * size.second << " students: one score " << scoreMs << " ms, full save "
            << fullMs << " ms\n";
    }
    return 0;
}
