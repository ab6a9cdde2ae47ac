#include "app/floatingdrawbutton.h"
#include "app/floatingplace.h"
#include "app/floatingresultwindow.h"

#include "../support/mousesender.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

QRect primaryArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}

class TestFloatingButton : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::clearUserData(); }

    void theButtonAndItsResultFloatWithoutTakingTheFocus()
    {
        FloatingDrawButton button;
        for (QWidget *window : {static_cast<QWidget *>(&button), static_cast<QWidget *>(button.resultWindow())}) {
            QCOMPARE(window->windowType(), Qt::Tool);
            QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
            QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
            QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
            QCOMPARE(window->focusPolicy(), Qt::NoFocus);
            QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        }
    }

    void aClickDrawsOneAndLeavesTheFocusWithThePresentation()
    {
        QWidget presentation;
        auto *slides = new QLineEdit(&presentation);
        presentation.show();
        QApplication::setActiveWindow(&presentation);
        slides->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&presentation));

        FloatingDrawButton button;
        QSignalSpy draws(&button, &FloatingDrawButton::drawRequested);
        QSignalSpy scores(&button, &FloatingDrawButton::scoreRequested);
        button.show();
        clickAt(&button, button.rect().center());
        QCOMPARE(draws.count(), 1);
        QCOMPARE(draws.first().first().toInt(), 1);

        button.showResult({QStringLiteral("1001")}, {QStringLiteral("1001 Li Lei")});
        FloatingResultWindow *result = button.resultWindow();
        QVERIFY(result->isVisible());
        QTest::mouseClick(findByName<QPushButton>(*result, "floatingScoreC"), Qt::LeftButton);
        QCOMPARE(scores.count(), 1);
        QCOMPARE(scores.first().at(0).toString(), QStringLiteral("1001"));
        QCOMPARE(scores.first().at(1).value<char>(), 'C');

        // Whether the window system activates a window is its own matter
        // (the flags above ask it not to; the headless one used here does
        // anyway); no widget of the button or its result ever takes the keys.
        QCOMPARE(presentation.focusWidget(), slides);
        for (QWidget *widget : button.findChildren<QWidget *>())
            QVERIFY(!widget->hasFocus());
        QVERIFY(!button.hasFocus());
    }

    void theButtonIsHalfTransparentWhileIdle()
    {
        FloatingDrawButton button;
        button.show();
        // The window system keeps the opacity in eight bits.
        QCOMPARE(qRound(button.windowOpacity() * 100), qRound(FloatingDrawButton::kIdleOpacity * 100));
        button.showResult({QStringLiteral("1001")}, {QStringLiteral("1001 Li Lei")});
        QCOMPARE(button.windowOpacity(), 1.0);
    }

    void theResultShowsEveryStudentLargeWithTheSixLetters()
    {
        FloatingDrawButton button;
        button.show();
        button.showResult({QStringLiteral("1001"), QStringLiteral("1002")},
                          {QStringLiteral("1001 Li Lei"), QStringLiteral("1002 Han Meimei")});
        FloatingResultWindow *result = button.resultWindow();
        const QList<QLabel *> lines = result->findChildren<QLabel *>(QStringLiteral("floatingResultText"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0)->text(), QStringLiteral("1001 Li Lei"));
        QCOMPARE(lines.at(1)->text(), QStringLiteral("1002 Han Meimei"));
        const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
        QVERIFY(lines.at(0)->height() >= FloatingPlace::resultTextPixels(screenHeight));
        QCOMPARE(lines.at(0)->font().pixelSize(), FloatingPlace::resultTextPixels(screenHeight));
        QVERIFY(lines.at(1)->height() < 2 * FloatingPlace::resultTextPixels(screenHeight));
        for (char letter = 'A'; letter <= 'F'; ++letter) {
            const QString name = QStringLiteral("floatingScore") + QLatin1Char(letter);
            QCOMPARE(result->findChildren<QPushButton *>(name).size(), 2);
        }
        QVERIFY(!result->geometry().intersects(button.geometry()));
        QVERIFY(primaryArea().contains(result->geometry()));

        // A new result over the one on screen shows whole, beside the button.
        button.showResult(
            {QStringLiteral("1003"), QStringLiteral("1004"), QStringLiteral("1005")},
            {QStringLiteral("1003 Wang Fang"), QStringLiteral("1004 Zhang Wei"), QStringLiteral("1005 Liu Yang")});
        const QList<QLabel *> newLines = result->findChildren<QLabel *>(QStringLiteral("floatingResultText"));
        QCOMPARE(newLines.size(), 3);
        for (QLabel *line : newLines)
            QVERIFY(line->isVisible());
        QVERIFY(!result->geometry().intersects(button.geometry()));
        QVERIFY(primaryArea().contains(result->geometry()));
    }

    void theTextIsReadableFromTheBackOfTheRoom()
    {
        QVERIFY(FloatingPlace::resultTextPixels(1080) >= 48);
        QVERIFY(FloatingPlace::resultTextPixels(2160) >= 96);
    }

    void aLetterScoresItsOwnStudentOnce()
    {
        FloatingResultWindow result;
        QSignalSpy scores(&result, &FloatingResultWindow::scoreRequested);
        result.showResult({QStringLiteral("1001"), QStringLiteral("1002")},
                          {QStringLiteral("1001 Li Lei"), QStringLiteral("1002 Han Meimei")}, QRect(900, 300, 64, 64));
        const QList<QWidget *> rows = result.findChildren<QWidget *>(QStringLiteral("floatingResultRow"));
        QCOMPARE(rows.size(), 2);
        QPushButton *secondB = findByName<QPushButton>(*rows.at(1), "floatingScoreB");
        QTest::mouseClick(secondB, Qt::LeftButton);
        QTest::mouseClick(findByName<QPushButton>(*rows.at(1), "floatingScoreA"), Qt::LeftButton);
        QCOMPARE(scores.count(), 1);
        QCOMPARE(scores.first().at(0).toString(), QStringLiteral("1002"));
        QCOMPARE(scores.first().at(1).value<char>(), 'B');
        QVERIFY(secondB->isChecked());
        QVERIFY(findByName<QPushButton>(*rows.at(0), "floatingScoreA")->isEnabled());
        QVERIFY(result.isVisible());
    }

    void theResultClosesByItselfAfterEightSeconds()
    {
        FloatingResultWindow result;
        QCOMPARE(result.closeAfter(), 8000);
        result.setCloseAfter(50);
        result.showResult({QStringLiteral("1001")}, {QStringLiteral("1001 Li Lei")}, QRect(900, 300, 64, 64));
        QVERIFY(result.isVisible());
        QTRY_VERIFY(!result.isVisible());
    }

    void aClickOutsideClosesTheResult_data()
    {
        QTest::addColumn<bool>("onOwnWindow");
        QTest::newRow("on another program, through the grab") << false;
        QTest::newRow("on another window of the program") << true;
    }

    void aClickOutsideClosesTheResult()
    {
        QFETCH(bool, onOwnWindow);
        QWidget mainWindow;
        mainWindow.show();
        FloatingResultWindow result;
        result.showResult({QStringLiteral("1001")}, {QStringLiteral("1001 Li Lei")}, QRect(900, 300, 64, 64));
        QVERIFY(result.isVisible());
        QTest::mouseClick(findByName<QPushButton>(result, "floatingScoreA"), Qt::LeftButton);
        QVERIFY(result.isVisible());
        if (onOwnWindow)
            clickAt(&mainWindow, QPoint(5, 5));
        else
            clickAt(&result, QPoint(-20, -20));
        QVERIFY(!result.isVisible());
    }

    void theMenuOffersSeveralStudentsTheMainWindowAndHiding()
    {
        FloatingDrawButton button;
        button.show();
        QSignalSpy draws(&button, &FloatingDrawButton::drawRequested);
        QSignalSpy mainWindow(&button, &FloatingDrawButton::showMainWindowRequested);
        QSignalSpy hides(&button, &FloatingDrawButton::hideRequested);
        QMenu *menu = findByName<QMenu>(button, "floatingMenu");
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, button.rect().center(),
                                     button.mapToGlobal(button.rect().center()));
        QApplication::sendEvent(&button, &rightClick);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();

        findByName<QAction>(button, "actionFloatingDrawTwo")->trigger();
        findByName<QAction>(button, "actionFloatingDrawThree")->trigger();
        QCOMPARE(draws.count(), 2);
        QCOMPARE(draws.at(0).first().toInt(), 2);
        QCOMPARE(draws.at(1).first().toInt(), 3);
        findByName<QAction>(button, "actionFloatingMainWindow")->trigger();
        QCOMPARE(mainWindow.count(), 1);
        findByName<QAction>(button, "actionFloatingHide")->trigger();
        QCOMPARE(hides.count(), 1);
        QVERIFY(!button.isVisible());
    }

    void aDragMovesTheButtonAndKeepsItsPlace()
    {
        FloatingDrawButton button;
        QSignalSpy draws(&button, &FloatingDrawButton::drawRequested);
        button.show();
        const QPoint start = button.pos();
        const QPoint grip = button.rect().center();
        sendMouse(&button, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseMove, grip - QPoint(150, 100), Qt::NoButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, grip - QPoint(150, 100), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(button.pos(), start - QPoint(150, 100));
        QCOMPARE(draws.count(), 0);
        QCOMPARE(FloatingPlace::storedPosition(), std::optional<QPoint>(start - QPoint(150, 100)));

        FloatingDrawButton nextStart;
        nextStart.show();
        QCOMPARE(nextStart.pos(), start - QPoint(150, 100));
    }

    void aPlaceOnAScreenThatIsGoneComesBack()
    {
        FloatingPlace::storePosition(primaryArea().bottomRight() + QPoint(2000, 300));
        FloatingDrawButton button;
        button.show();
        QVERIFY(primaryArea().contains(button.geometry()));
    }

    void thePlaceIsKeptOnAScreen_data()
    {
        QTest::addColumn<std::optional<QPoint>>("stored");
        QTest::addColumn<QVector<QRect>>("screens");
        QTest::addColumn<QPoint>("expected");
        const QRect laptop(0, 0, 1920, 1080);
        const QRect projector(1920, 0, 1280, 1024);
        QTest::newRow("none kept: lower right corner")
            << std::optional<QPoint>() << QVector<QRect>{laptop} << QPoint(1920 - 64 - 16, 1080 - 64 - 16);
        QTest::newRow("on the screen") << std::optional<QPoint>(QPoint(300, 200)) << QVector<QRect>{laptop}
                                       << QPoint(300, 200);
        QTest::newRow("sticking out on the right")
            << std::optional<QPoint>(QPoint(1900, 200)) << QVector<QRect>{laptop} << QPoint(1920 - 64, 200);
        QTest::newRow("above the top") << std::optional<QPoint>(QPoint(300, -40)) << QVector<QRect>{laptop}
                                       << QPoint(300, 0);
        QTest::newRow("on the projector")
            << std::optional<QPoint>(QPoint(2500, 900)) << QVector<QRect>{laptop, projector} << QPoint(2500, 900);
        QTest::newRow("projector gone") << std::optional<QPoint>(QPoint(2500, 900)) << QVector<QRect>{laptop}
                                        << QPoint(1920 - 64, 900);
        QTest::newRow("projector gone, below the laptop's screen")
            << std::optional<QPoint>(QPoint(2500, 1040)) << QVector<QRect>{laptop} << QPoint(1920 - 64, 1080 - 64);
        QTest::newRow("across both, mostly on the projector")
            << std::optional<QPoint>(QPoint(1900, 100)) << QVector<QRect>{laptop, projector} << QPoint(1920, 100);
        QTest::newRow("across both, mostly on the laptop")
            << std::optional<QPoint>(QPoint(1870, 100)) << QVector<QRect>{laptop, projector} << QPoint(1920 - 64, 100);
    }

    void thePlaceIsKeptOnAScreen()
    {
        QFETCH(std::optional<QPoint>, stored);
        QFETCH(QVector<QRect>, screens);
        QFETCH(QPoint, expected);
        QCOMPARE(FloatingPlace::onScreen(stored, QSize(64, 64), screens), expected);
    }

    void theResultSitsBesideTheButton_data()
    {
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QPoint>("expected");
        const int m = FloatingPlace::kMargin;
        QTest::newRow("button on the right: to its left") << QRect(1800, 500, 64, 64) << QPoint(1800 - m - 400, 432);
        QTest::newRow("button on the left: to its right") << QRect(10, 500, 64, 64) << QPoint(74 + m, 432);
        QTest::newRow("button at the bottom: above the edge")
            << QRect(1800, 1010, 64, 64) << QPoint(1800 - m - 400, 1080 - m - 200);
    }

    void theResultSitsBesideTheButton()
    {
        QFETCH(QRect, button);
        QFETCH(QPoint, expected);
        QCOMPARE(FloatingPlace::besideButton(button, QSize(400, 200), QRect(0, 0, 1920, 1080)), expected);
    }

    void anEditedPlaceIsIgnored()
    {
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"))
            .setValue(QStringLiteral("View_FloatingPos"), QStringLiteral("somewhere"));
        QCOMPARE(FloatingPlace::storedPosition(), std::optional<QPoint>());
        QVERIFY(!FloatingPlace::storedShown());
        FloatingPlace::storeShown(true);
        QVERIFY(QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel"))
                    .value(QStringLiteral("View_Floating"))
                    .toBool());
    }
};

ZANDREL_TEST_MAIN(TestFloatingButton)
#include "tst_floatingbutton.moc"
