#include "displays/stringwheelwidget.h"
#include "displays/wheelassemblywidget.h"
#include "displays/wheeldraw.h"
#include "displays/wheelshares.h"

#include <QApplication>
#include <QBoxLayout>
#include <QImage>
#include <QtTest>
#include <memory>

// The wheel display's costs: building the wheels of a large class as the
// main window does on a class or wheel-count change, and painting a wheel.
class BenchWheels : public QObject
{
    Q_OBJECT

private:
    static QStringList numberedIds(int count)
    {
        QStringList ids;
        for (int i = 0; i < count; ++i)
            ids << QString::number(10320000 + i);
        return ids;
    }

private slots:
    void buildSixWheelsOver10000Ids()
    {
        const QStringList ids = numberedIds(10000);
        QWidget panel;
        panel.setGeometry(0, 0, 541, 221);
        auto *row = new QHBoxLayout(&panel);
        row->setSpacing(1);
        std::vector<WheelAssemblyWidget *> wheels;
        QBENCHMARK {
            for (WheelAssemblyWidget *wheel : wheels) {
                row->removeWidget(wheel);
                delete wheel;
            }
            wheels = createWheelAssemblies(ids, 6);
            for (WheelAssemblyWidget *wheel : wheels)
                row->addWidget(wheel);
            row->activate();
        }
        QCOMPARE(wheels.back()->itemCount(), 10000 - 5 * 1666);
    }

    void paintOneWheel_data()
    {
        QTest::addColumn<int>("wheels");
        QTest::addColumn<int>("items");
        QTest::addColumn<QSize>("size");
        // The sizes a wheel takes in the 541 x 221 panel.
        QTest::newRow("1 of 1, 10000 items") << 1 << 10000 << QSize(250, 190);
        QTest::newRow("1 of 6, 1666 items") << 6 << 1666 << QSize(88, 190);
    }

    void paintOneWheel()
    {
        QFETCH(int, wheels);
        QFETCH(int, items);
        QFETCH(QSize, size);
        StringWheelWidget wheel(true);
        wheel.resize(size);
        wheel.setItems(numberedIds(items));
        wheel.setShowChars(wheelShowChars(wheels));
        const WheelColors colors = randomWheelColors();
        wheel.setColors(colors.frame, colors.fill);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            wheel.render(&image);
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchWheels bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_wheels.moc"
