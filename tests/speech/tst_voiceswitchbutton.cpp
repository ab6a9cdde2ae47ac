#include "speech/voiceswitchbutton.h"

#include "../support/testenvironment.h"

#include <QImage>

class TestVoiceSwitchButton : public QObject
{
    Q_OBJECT

private slots:
    void discSitsAtTheStartOfTheShorterSide_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("square") << QSize(20, 20) << QPoint(0, 0);
        QTest::newRow("wide") << QSize(40, 20) << QPoint(10, 0);
        QTest::newRow("wide, odd difference") << QSize(25, 20) << QPoint(2, 0);
        QTest::newRow("high") << QSize(20, 40) << QPoint(0, 10);
        QTest::newRow("high, odd difference") << QSize(21, 30) << QPoint(0, 4);
        QTest::newRow("smaller than the disc") << QSize(10, 16) << QPoint(0, 3);
    }

    void discSitsAtTheStartOfTheShorterSide()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, topLeft);
        QCOMPARE(VoiceSwitchButton::discRect(size), QRect(topLeft, QSize(20, 20)));
    }

    void paintsAGreenOrRedDiscWithABlackOutline_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("on") << QSize(20, 20) << true << true << false << QColor(0, 255, 0);
        QTest::newRow("off") << QSize(20, 20) << false << true << false << QColor(255, 0, 0);
        QTest::newRow("on, wide") << QSize(60, 20) << true << true << false << QColor(0, 255, 0);
        QTest::newRow("off, high") << QSize(20, 50) << false << true << false << QColor(255, 0, 0);
        QTest::newRow("on, disabled") << QSize(20, 20) << true << false << false << QColor(0, 255, 0);
        QTest::newRow("off, disabled") << QSize(30, 24) << false << false << false << QColor(255, 0, 0);
        QTest::newRow("on, nothing heard") << QSize(20, 20) << true << true << true << QColor(160, 160, 160);
        QTest::newRow("off, nothing heard") << QSize(20, 20) << false << true << true << QColor(255, 0, 0);
    }

    void paintsAGreenOrRedDiscWithABlackOutline()
    {
        QFETCH(QSize, size);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        QFETCH(bool, silent);
        QFETCH(QColor, fill);

        VoiceSwitchButton button;
        button.setCheckable(true);
        button.setText(QString());
        button.setChecked(checked);
        button.setEnabled(enabled);
        button.setSilent(silent);
        button.resize(size);
        const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size);

        const QRect disc = VoiceSwitchButton::discRect(size);
        QCOMPARE(image.pixelColor(disc.center()), fill);
        QCOMPARE(image.pixelColor(disc.center() + QPoint(4, -4)), fill);
        // The outline crosses the disc's edge on its left and top.
        const QColor left = image.pixelColor(disc.left(), disc.center().y());
        const QColor top = image.pixelColor(disc.center().x(), disc.top());
        QVERIFY2(left.lightness() < 60, qPrintable(left.name()));
        QVERIFY2(top.lightness() < 60, qPrintable(top.name()));
        // Outside the disc no colour of the disc is painted.
        for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)}) {
            QVERIFY(image.pixelColor(corner) != QColor(0, 255, 0));
            QVERIFY(image.pixelColor(corner) != QColor(255, 0, 0));
            QVERIFY(image.pixelColor(corner) != fill);
        }
    }
};

ZANDREL_TEST_MAIN(TestVoiceSwitchButton)
#include "tst_voiceswitchbutton.moc"
