#include "displays/tvrollerwidget.h"

#include "benchsupport.h"

#include <QApplication>
#include <QImage>
#include <QtTest>


// The TV roller at the size the main window gives it.
class BenchTVRoller : public QObject
{
    Q_OBJECT

private slots:
    void arrangeRowsTenThousand()
    {
        TVRollerWidget roller;
        roller.resize(539, 210);
        roller.setVisibleCount(5);
        roller.setSelectCount(3);
        roller.setNames(numberedIds(10000));
        QBENCHMARK {
            roller.arrangeRows();
        }
    }

    void paintFifteenRows()
    {
        TVRollerWidget roller;
        roller.resize(539, 210);
        roller.setVisibleCount(15);
        roller.setSelectCount(5);
        roller.setNames(numberedIds(10000));
        roller.arrangeRows();
        QImage image(roller.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            image.fill(Qt::white);
            roller.render(&image);
        }
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchTVRoller bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_tvroller.moc"
