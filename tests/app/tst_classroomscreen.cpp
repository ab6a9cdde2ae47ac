#include "app/interfacelanguage.h"
#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"

#include "../support/rosterseeder.h"
#include "../support/shortspins.h"
#include "../support/testenvironment.h"
#include "../support/widgetlookup.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QWindow>

// The window on the classroom's big screen: the View menu with full screen
// and zoom, the line that names the drawn students, the presenter remote's
// keys and the toolkit's own texts in Chinese.
class TestClassroomScreen : public QObject
{
    Q_OBJECT

private:
    enum Display { LedSingle, LedRoll, TileBoard, TvRoller, Wheels };

    static QString nameOf(const QString &id)
    {
        static const QMap<QString, QString> names{{"1001", "Li Lei"},     {"1002", "Han Meimei"},
                                                  {"1003", ""},           {"1004", "Wang Fang"},
                                                  {"1005", "Zhao Qiang"}, {"1006", "Chen Jing"}};
        return names.value(id);
    }

    static void seedClass()
    {
        const QStringList ids{"1001", "1002", "1003", "1004", "1005", "1006"};
        QStringList names;
        for (const QString &id : ids)
            names << nameOf(id);
        seedRoster({{QStringLiteral("A"), ids, names, {}}});
    }

    static QVariant viewSetting(const char *key)
    {
        return QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel")).value(QLatin1String(key));
    }

    static QAction *action(QWidget &window, const char *name) { return findByName<QAction>(window, name); }

    static QList<WheelAssemblyWidget *> wheels(QWidget &window)
    {
        QList<WheelAssemblyWidget *> found = window.findChildren<WheelAssemblyWidget *>();
        std::sort(found.begin(), found.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        return found;
    }

    // The display on, with two students drawn where it can draw several.
    static void chooseDisplay(QWidget &window, Display display)
    {
        findByName<QSlider>(window, "m_timeSpeedSlider")->setValue(600);
        switch (display) {
        case LedSingle:
            break;
        case LedRoll:
            QTest::mouseClick(findByName<QCheckBox>(window, "checkBox"), Qt::LeftButton);
            break;
        case TileBoard:
            action(window, "actionMicro_Tile")->trigger();
            break;
        case TvRoller:
            action(window, "actionTV_Roller")->trigger();
            QTest::keyClick(findByName<QComboBox>(window, "comboBox_4"), Qt::Key_Down);
            break;
        case Wheels:
            action(window, "actionWheel")->trigger();
            QTest::keyClick(findByName<QComboBox>(window, "comboBox_5"), Qt::Key_Down);
            break;
        }
    }

    static QPushButton *drawButton(QWidget &window, Display display)
    {
        const char *names[] = {"pushButton", "pushButton", "pushButton_11", "pushButton_12", "pushButton_4"};
        return findByName<QPushButton>(window, names[display]);
    }

    static QLineEdit *scoreBox(QWidget &window, Display display)
    {
        switch (display) {
        case TileBoard:
            return findByName<QLineEdit>(window, "lineEdit_2");
        case TvRoller:
            return window.findChild<TVRollerWidget *>()->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        case Wheels:
            return wheels(window).first()->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        default:
            return findByName<QLineEdit>(window, "lineEdit");
        }
    }

    // The students the display shows as drawn, in the order announced.
    static QStringList drawnIds(QWidget &window, Display display)
    {
        QStringList ids;
        switch (display) {
        case LedSingle:
            ids << QString::number(findByName<QLCDNumber>(window, "lcdNumber")->value());
            break;
        case LedRoll:
            // The IDs have four characters: the announcement is the IDs.
            ids = static_cast<QMainWindow &>(window).statusBar()->currentMessage().split(' ', Qt::SkipEmptyParts);
            break;
        case TileBoard:
            ids << window.findChild<MicroTileWidget *>()->selectedText();
            break;
        case TvRoller: {
            std::vector<QString> names;
            window.findChild<TVRollerWidget *>()->selectedNames(names);
            ids = QStringList(names.cbegin(), names.cend());
            break;
        }
        case Wheels:
            for (WheelAssemblyWidget *wheel : wheels(window))
                if (!wheel->currentText().isEmpty())
                    ids << wheel->currentText();
            break;
        }
        return ids;
    }

    static QString namesLine(const QStringList &ids)
    {
        QStringList entries;
        for (const QString &id : ids)
            entries << (nameOf(id).isEmpty() ? id : id + ' ' + nameOf(id));
        return entries.join(QStringLiteral("  "));
    }

    // The names line as one line: long lists of names run over several.
    static QString shownNames(QWidget &window)
    {
        return findByName<QLabel>(window, "drawnNamesLabel")->text().replace('\n', QStringLiteral("  "));
    }

    static void waitForTheWheels(QMainWindow &window)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!window.statusBar()->currentMessage().isEmpty(), 20000);
    }

    // A draw as the teacher runs it: start, and stop after a while; the
    // wheels stop by themselves.
    static void draw(QMainWindow &window, Display display, const std::function<void()> &startOrStop)
    {
        window.statusBar()->clearMessage();
        startOrStop();
        if (display == Wheels) {
            waitForTheWheels(window);
            return;
        }
        QTest::qWait(300);
        startOrStop();
    }

    static void addDisplays()
    {
        QTest::addColumn<int>("display");
        QTest::newRow("LED single") << int(LedSingle);
        QTest::newRow("LED roll") << int(LedRoll);
        QTest::newRow("tile board") << int(TileBoard);
        QTest::newRow("TV roller") << int(TvRoller);
        QTest::newRow("wheels") << int(Wheels);
    }

    static QPoint onScreen(QGraphicsView *view, QWidget *content, QWidget *control)
    {
        return view->mapFromScene(QPointF(control->mapTo(content, control->rect().center())));
    }

private slots:
    void initTestCase() { useShortWheelSpins(); }

    void init() { TestEnvironment::clearUserData(); }

    void theViewMenuSitsBetweenLotteryModeAndHelp()
    {
        MainWindow window;
        const QList<QAction *> menus = window.menuBar()->actions();
        const int view = menus.indexOf(findByName<QMenu>(window, "menuView")->menuAction());
        QCOMPARE(view, menus.indexOf(findByName<QMenu>(window, "menuLottery_Mode")->menuAction()) + 1);
        QCOMPARE(view + 1, menus.indexOf(findByName<QMenu>(window, "menuAbout")->menuAction()));
        QCOMPARE(findByName<QMenu>(window, "menuView")->title(), QStringLiteral("View"));

        QStringList entries;
        for (QAction *entry : findByName<QMenu>(window, "menuView")->actions())
            if (!entry->isSeparator())
                entries << entry->objectName() + '=' + entry->text() + '=' + entry->shortcut().toString()
                               + (entry->isCheckable() ? (entry->isChecked() ? "=on" : "=off") : "");
        QCOMPARE(entries, (QStringList{"actionFullScreen=Full Screen=F11=off", "actionZoomIn=Zoom In=Ctrl++",
                                       "actionZoomOut=Zoom Out=Ctrl+-", "actionZoomReset=Actual Size=Ctrl+0",
                                       "actionShowNames=Show Names==on",
                                       "actionFloatingButton=Floating Draw Button==off"}));

        for (const char *button : {"pushButton", "pushButton_4", "pushButton_11", "pushButton_12"})
            QCOMPARE(findByName<QPushButton>(window, button)->toolTip(),
                     QStringLiteral("Start lottery (Page Down / Page Up)"));
    }

    void zoomScalesTheWindowAndIsStored()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!window.findChild<QGraphicsView *>());
        const QSize normal = window.size();

        QTest::keyClick(window.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(viewSetting("View_Zoom").toInt(), 125);
        auto *view = window.findChild<QGraphicsView *>();
        QVERIFY(view);
        QCOMPARE(qRound(view->transform().m11() * 100), 125);
        QVERIFY(qAbs(window.width() - normal.width() * 1.25) <= 2);

        QTest::keyClick(window.windowHandle(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(viewSetting("View_Zoom").toInt(), 100);
        QVERIFY(!window.findChild<QGraphicsView *>());
        QCOMPARE(window.size(), normal);

        for (int i = 0; i < 10; ++i)
            action(window, "actionZoomIn")->trigger();
        QCOMPARE(viewSetting("View_Zoom").toInt(), 300);
        QVERIFY(!action(window, "actionZoomIn")->isEnabled());
        QTest::keyClick(window.windowHandle(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(viewSetting("View_Zoom").toInt(), 100);
        QCOMPARE(window.size(), normal);
    }

    void theStoredZoomIsRestored_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("zoom");
        QTest::newRow("150") << QVariant(150) << 150;
        QTest::newRow("between steps") << QVariant(137) << 125;
        QTest::newRow("too large") << QVariant(1000) << 300;
        QTest::newRow("too small") << QVariant(10) << 100;
        QTest::newRow("no number") << QVariant("large") << 100;
    }

    void theStoredZoomIsRestored()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, zoom);
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel")).setValue(QStringLiteral("View_Zoom"), stored);
        seedClass();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QGraphicsView *>();
        QCOMPARE(view != nullptr, zoom != 100);
        if (view)
            QCOMPARE(qRound(view->transform().m11() * 100), zoom);
        QVERIFY(qAbs(window.width() - 540 * zoom / 100.0) <= 2);
    }

    void fullScreenScalesTheContentAndEveryControlWorks()
    {
        seedClass();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *content = findByName<QWidget>(window, "centralWidget");
        const QSize contentSize = content->size();

        QTest::keyClick(window.windowHandle(), Qt::Key_F11);
        QVERIFY(action(window, "actionFullScreen")->isChecked());
        QTRY_COMPARE(window.geometry(), window.screen()->geometry());
        auto *view = window.findChild<QGraphicsView *>();
        QVERIFY(view);
        QTRY_VERIFY(view->transform().m11() > 1.2);
        const double scale = view->transform().m11();
        // As large as fits, centred, the aspect kept.
        const QSize area = view->viewport()->size();
        const QSizeF scaled = QSizeF(contentSize) * scale;
        QVERIFY(qAbs(scaled.width() - area.width()) <= 1 || qAbs(scaled.height() - area.height()) <= 1);
        const QPoint origin = view->mapFromScene(QPointF(0, 0));
        QVERIFY(qAbs(origin.x() - (area.width() - scaled.width()) / 2) <= 2);
        QVERIFY(qAbs(origin.y() - (area.height() - scaled.height()) / 2) <= 2);
        QCOMPARE(content->size(), contentSize);

        // Clicks and typing reach the controls where they are drawn.
        auto *rollMode = findByName<QCheckBox>(window, "checkBox");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, rollMode));
        QVERIFY(rollMode->isChecked());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, rollMode));
        auto *start = findByName<QPushButton>(window, "pushButton");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, start));
        QCOMPARE(start->text(), QStringLiteral("Stop"));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, start));
        QCOMPARE(start->text(), QStringLiteral("Start"));
        const QString drawn = QString::number(findByName<QLCDNumber>(window, "lcdNumber")->value());
        QCOMPARE(shownNames(window), namesLine({drawn}));
        auto *box = findByName<QLineEdit>(window, "lineEdit");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, box));
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(window.windowHandle(), Qt::Key_B);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
        const SeedClass stored = storedRoster()[0];
        QCOMPARE(stored.scores.at(stored.ids.indexOf(drawn)), QStringLiteral("B"));

        // A pop-up opens over its box and takes Esc for itself.
        action(window, "actionTV_Roller")->trigger();
        auto *visible = findByName<QComboBox>(window, "comboBox_3");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, visible));
        QWidget *popup = visible->view()->window();
        QTRY_VERIFY(popup->isVisible());
        // Embedded in the scene, scaled with the content, below its box.
        QGraphicsProxyWidget *popupProxy = popup->graphicsProxyWidget();
        QVERIFY(popupProxy);
        auto popupArea = [&] { return view->mapFromScene(popupProxy->sceneBoundingRect()).boundingRect(); };
        QTRY_VERIFY(view->viewport()->rect().contains(popupArea()));
        QVERIFY(qAbs(popupArea().width() - popup->width() * scale) <= 2);
        QVERIFY(qAbs(popupArea().height() - popup->height() * scale) <= 2);

        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!popup->isVisible());
        QVERIFY(window.isFullScreen());

        // An item clicked where it is drawn is chosen.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, visible));
        QTRY_VERIFY(popup->isVisible());
        QTRY_VERIFY(view->viewport()->rect().contains(popupArea()));
        QAbstractItemView *list = visible->view();
        const QRect row = list->visualRect(list->model()->index(2, 0));
        const QPoint item = list->viewport()->mapTo(popup, QPoint(list->viewport()->width() / 2, row.center().y()));
        const QPoint itemOnScreen = view->mapFromScene(popupProxy->mapToScene(QPointF(item)));
        QVERIFY(popupArea().contains(itemOnScreen));
        // A release right after the opening press is not taken as a choice.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, itemOnScreen);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(visible->currentText(), QStringLiteral("3"));
        QCOMPARE(window.findChild<TVRollerWidget *>()->visibleCount(), 3);


        // The wheels turn and come to rest in full screen too.
        action(window, "actionWheel")->trigger();
        QTRY_VERIFY(wheels(window).first()->isVisible());
        window.statusBar()->clearMessage();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(view, content, findByName<QPushButton>(window, "pushButton_4")));
        waitForTheWheels(window);
        QCOMPARE(shownNames(window), namesLine(drawnIds(window, Wheels)));

        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        QVERIFY(!action(window, "actionFullScreen")->isChecked());
        QTRY_VERIFY(!window.isFullScreen());
        QVERIFY(!window.findChild<QGraphicsView *>());
        QTRY_COMPARE(window.height(), 400);
        QVERIFY(window.width() <= 540);

        QTest::keyClick(window.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(window.isFullScreen());
        QTest::keyClick(window.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(!window.isFullScreen());
        QVERIFY(!window.findChild<QGraphicsView *>());
    }

    void leavingFullScreenReturnsToTheStoredZoom()
    {
        QSettings(QStringLiteral("Velmor"), QStringLiteral("Velmor Zandrel")).setValue(QStringLiteral("View_Zoom"), 150);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        action(window, "actionFullScreen")->setChecked(true);
        QTRY_COMPARE(window.geometry(), window.screen()->geometry());
        action(window, "actionFullScreen")->setChecked(false);
        QTRY_VERIFY(!window.isFullScreen());
        QCOMPARE(qRound(window.findChild<QGraphicsView *>()->transform().m11() * 100), 150);
        QVERIFY(qAbs(window.width() - 810) <= 2);
    }

    void theNamesLineShowsTheDrawnStudents_data() { addDisplays(); }

    void theNamesLineShowsTheDrawnStudents()
    {
        QFETCH(int, display);
        seedClass();
        MainWindow window;
        window.show();
        chooseDisplay(window, Display(display));
        auto *line = findByName<QLabel>(window, "drawnNamesLabel");
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QString());
        QPushButton *button = drawButton(window, Display(display));
        draw(window, Display(display), [&] { QTest::mouseClick(button, Qt::LeftButton); });

        const QStringList ids = drawnIds(window, Display(display));
        QVERIFY(!ids.isEmpty());
        QCOMPARE(shownNames(window), namesLine(ids));
        QVERIFY(line->font().bold());
        // In room of its own: it covers no panel that is shown.
        for (const char *name : {"horizontalLayoutWidget_2", "widget", "widget_2", "widget_3", "widget_4"}) {
            const QWidget *panel = findByName<QWidget>(window, name);
            QVERIFY(!panel->isVisible() || !panel->geometry().intersects(line->geometry()));
        }

        // The next draw starts with the line cleared.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(line->text(), QString());
        if (Display(display) == Wheels)
            waitForTheWheels(window);
        else
            QTest::mouseClick(button, Qt::LeftButton);
    }

    void showNamesOffHidesTheLineAndIsStored()
    {
        seedClass();
        {
            MainWindow window;
            window.show();
            action(window, "actionShowNames")->trigger();
            QCOMPARE(viewSetting("View_ShowNames").toBool(), false);
            auto *line = findByName<QLabel>(window, "drawnNamesLabel");
            QVERIFY(!line->isVisible());
            draw(window, LedSingle, [&] { QTest::mouseClick(drawButton(window, LedSingle), Qt::LeftButton); });
            QVERIFY(!line->isVisible());
        }
        MainWindow window;
        window.show();
        QVERIFY(!action(window, "actionShowNames")->isChecked());
        QVERIFY(!findByName<QLabel>(window, "drawnNamesLabel")->isVisible());
        action(window, "actionShowNames")->trigger();
        QCOMPARE(viewSetting("View_ShowNames").toBool(), true);
        QVERIFY(findByName<QLabel>(window, "drawnNamesLabel")->isVisible());
    }

    void pageKeysWorkTheDrawButtonWhileTheFocusStays_data() { addDisplays(); }

    void pageKeysWorkTheDrawButtonWhileTheFocusStays()
    {
        QFETCH(int, display);
        seedClass();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        chooseDisplay(window, Display(display));
        QPushButton *button = drawButton(window, Display(display));
        const QString idle = button->text();
        QLineEdit *box = scoreBox(window, Display(display));
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);

        bool pageDown = true;
        draw(window, Display(display), [&] {
            QTest::keyClick(window.windowHandle(), pageDown ? Qt::Key_PageDown : Qt::Key_PageUp);
            if (Display(display) != Wheels && pageDown)
                QVERIFY(button->text() != idle);
            pageDown = false;
        });
        QCOMPARE(button->text(), idle);
        QCOMPARE(QApplication::focusWidget(), box);
        const QStringList ids = drawnIds(window, Display(display));
        QVERIFY(!ids.isEmpty());
        QCOMPARE(shownNames(window), namesLine(ids));

        // The letter typed then goes to the drawn student.
        QTest::keyClick(window.windowHandle(), Qt::Key_C);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
        const SeedClass stored = storedRoster()[0];
        QCOMPARE(stored.scores.at(stored.ids.indexOf(ids.first())), QStringLiteral("C"));
    }

    void toolkitTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("open");
        QTest::newRow("zh_CN") << "simplify" << QStringLiteral("取消") << QStringLiteral("打开");
        QTest::newRow("zh_TW") << "traditional" << QStringLiteral("取消") << QStringLiteral("開啟");
    }

    void toolkitTextsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QFETCH(QString, open);
        InterfaceLanguage::store(language);
        MainWindow window;
        QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Open)->text(), open);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
    }
};

ZANDREL_TEST_MAIN(TestClassroomScreen)
#include "tst_classroomscreen.moc"
