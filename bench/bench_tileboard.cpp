#include "displays/microtilewidget.h"

#include "benchsupport.h"

#include <QApplication>
#include <QImage>
#include <QtTest>


// The tile board at the size the main window gives it.
class BenchTileBoard : public QObject
{
    Q_OBJECT

private slots:
    void arrangeTiles_data()
    {
        QTest::addColumn<int>("names");
        for (int names : {60, 1000, 5000, 20000})
            QTest::addRow("%d names", names) << names;
    }

    void arrangeTiles()
    {
        QFETCH(int, names);
        MicroTileWidget board;
        board.resize(541, 200);
        board.setNames(numberedIds(names));
        QBENCHMARK {
            board.arrangeTiles(true);
        }
    }

    void paintThousandTiles()
    {
        MicroTileWidget board;
        board.resize(541, 200);
        board.setNames(numberedIds(1000));
        board.arrangeTiles(true);
        board.setShowFrames(true);
        QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            image.fill(Qt::white);
            board.render(&image);
        }
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchTileBoard bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_tileboard.moc"
