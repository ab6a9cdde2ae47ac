#include "displays/wigglywidget.h"

#include "../support/testenvironment.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>

namespace {
// The strongest ink of the banner's text over white: 0 where the blue text
// is fully opaque, rising as it grows paler.
int faintestRed(WigglyWidget &banner)
{
    QImage image(banner.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    banner.render(&image);
    int red = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red = std::min(red, qRed(image.pixel(x, y)));
    return red;
}
}

class TestWigglyWidget : public QObject
{
    Q_OBJECT

private:
    struct Stage
    {
        QWidget window;
        WigglyWidget *banner;
        Stage()
            : banner(new WigglyWidget(&window))
        {
            window.resize(400, 300);
            QFont large = banner->font();
            large.setPointSize(24);
            large.setBold(true);
            banner->setFont(large);
            banner->setGeometry(0, 0, 10, 10);
            banner->hide();
            window.show();
        }
        // What the main window does for each score: show, place, size, text.
        void showOver(const QRect &control, const QString &text)
        {
            banner->show();
            banner->move(control.topLeft());
            banner->setFixedSize(control.size());
            banner->setText(text);
        }
    };

private slots:
    void theBannerRisesFiftyTwoPixelsAndHides_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "B";
        QTest::newRow("typed") << "*";
        QTest::newRow("empty") << "";
    }

    void theBannerRisesFiftyTwoPixelsAndHides()
    {
        QFETCH(QString, text);
        Stage stage;
        stage.showOver(QRect(120, 200, 40, 30), text);
        QVERIFY(stage.banner->isVisible());
        QCOMPARE(stage.banner->text(), text);
        QTRY_VERIFY_WITH_TIMEOUT(!stage.banner->isVisible(), 5000);
        QCOMPARE(stage.banner->pos(), QPoint(120, 148));
        QCOMPARE(stage.banner->size(), QSize(40, 30));
    }

    void aSecondScoreRestartsOverTheNewControl()
    {
        Stage stage;
        stage.showOver(QRect(20, 250, 30, 30), QStringLiteral("A"));
        QTRY_VERIFY(stage.banner->y() <= 242);
        for (int k = 0; k < 20; ++k)
            faintestRed(*stage.banner);
        QVERIFY(faintestRed(*stage.banner) > 150);

        stage.showOver(QRect(200, 220, 50, 25), QStringLiteral("*"));
        QCOMPARE(stage.banner->pos(), QPoint(200, 220));
        QVERIFY(faintestRed(*stage.banner) < 40);
        QTRY_VERIFY_WITH_TIMEOUT(!stage.banner->isVisible(), 5000);
        QCOMPARE(stage.banner->pos(), QPoint(200, 168));
        QCOMPARE(stage.banner->text(), QStringLiteral("*"));
    }

    void clicksReachTheControlBelowTheBanner()
    {
        Stage stage;
        auto *box = new QPushButton(QStringLiteral("B"), &stage.window);
        box->setGeometry(100, 200, 60, 30);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.window));
        // As over the main window's score controls: the banner lies on top.
        stage.showOver(box->geometry(), QStringLiteral("B"));
        stage.banner->raise();
        QSignalSpy clicked(box, &QPushButton::clicked);
        QTest::mouseClick(stage.window.windowHandle(), Qt::LeftButton, Qt::NoModifier, box->geometry().center());
        QCOMPARE(clicked.count(), 1);
        // A quick second click while the banner rises over it still lands.
        QTRY_VERIFY(stage.banner->y() < 200);
        QTest::mouseClick(stage.window.windowHandle(), Qt::LeftButton, Qt::NoModifier, box->geometry().center());
        QCOMPARE(clicked.count(), 2);
    }

    void theBannerNeverCoversWhatLiesBelow()
    {
        WigglyWidget banner;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(banner.palette().color(group, QPalette::Window).alpha(), 0);
        QVERIFY(!banner.autoFillBackground());
    }
};

ZANDREL_TEST_MAIN(TestWigglyWidget)
#include "tst_wigglywidget.moc"
