#include "displays/abstractwheelwidget.h"
#include "displays/stringwheelwidget.h"
#include "displays/wheelassemblywidget.h"
#include "displays/wheeldraw.h"
#include "displays/wheelposition.h"
#include "displays/wheelrestcount.h"

#include "../support/recordingservices.h"
#include "../support/shortspins.h"
#include "../support/testenvironment.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QScroller>
#include <memory>

namespace {
// A full 5000 ms spin, with room for a slow, shared machine.
const int kSpinWaitMs = 20000;
const int kRowHeight = 30;

// A wheel of numbered rows 30 pixels high that records what it paints.
class RowWheel : public AbstractWheelWidget
{
public:
    explicit RowWheel(int count)
        : AbstractWheelWidget(false)
        , m_count(count)
    {
        resize(100, 180);
    }

    void paintItem(QPainter *, int index, const QRect &rect) override { painted.append({index, rect}); }
    int itemHeight() const override { return kRowHeight; }
    int itemCount() const override { return m_count; }

    // The rectangles of one paint, as a user would see the wheel now.
    QVector<QPair<int, QRect>> paintOnce()
    {
        painted.clear();
        QImage image(size(), QImage::Format_ARGB32);
        render(&image);
        return painted;
    }

    QVector<QPair<int, QRect>> painted;
    int changes = 0;

protected:
    void currentItemChanged() override { ++changes; }

private:
    int m_count;
};

void sendScroll(QWidget *wheel, double contentY, QScrollEvent::ScrollState state)
{
    QScrollEvent event(QPointF(0, contentY), QPointF(), state);
    QApplication::sendEvent(wheel, &event);
}

QStringList numberedIds(int count)
{
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << QString::number(10322000 + i);
    return ids;
}

// Gives the application its font back at the end of a test.
struct AppFontRestorer
{
    const QFont saved = QApplication::font();
    ~AppFontRestorer() { QApplication::setFont(saved); }
};

QImage paintedImage(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    widget->render(&image);
    return image;
}
}

class TestWheelWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useShortWheelSpins(); }

    void init() { TestEnvironment::clearUserData(); }

    void scrollEventWrapsIntoItemAndOffset_data()
    {
        QTest::addColumn<double>("contentY");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("offset");
        QTest::newRow("5 above the origin") << 49995.0 << 9 << 25;
        QTest::newRow("rounds below") << 50000.0 + 23 * 30 + 4 << 3 << 4;
        QTest::newRow("on an item") << 50060.0 << 2 << 0;
    }

    void scrollEventWrapsIntoItemAndOffset()
    {
        QFETCH(double, contentY);
        QFETCH(int, item);
        QFETCH(int, offset);
        RowWheel wheel(10);
        sendScroll(&wheel, contentY, QScrollEvent::ScrollUpdated);
        QCOMPARE(wheel.currentIndex(), item);
        QCOMPARE(wheel.changes, 1);

        // The current item's row is centred on the bar, moved up by the offset.
        const auto rows = wheel.paintOnce();
        const auto current = std::find_if(rows.cbegin(), rows.cend(),
                                          [&](const QPair<int, QRect> &row) { return row.first == item; });
        QVERIFY(current != rows.cend());
        QCOMPARE(current->second, QRect(6, 90 - offset - kRowHeight / 2, 94, kRowHeight));

        // The next scroll starts where this one left the wheel.
        QScrollPrepareEvent prepare(QPointF(0, 0));
        prepare.ignore();
        QApplication::sendEvent(&wheel, &prepare);
        QVERIFY(prepare.isAccepted());
        QCOMPARE(prepare.contentPos(), QPointF(0, kWheelOrigin + item * kRowHeight + offset));
        QCOMPARE(prepare.contentPosRange(), QRectF(0, 0, 0, kWheelContentHeight));
        QCOMPARE(prepare.viewportSize(), QSizeF(100, 180));
    }

    void onlyTheVisibleItemsArePainted_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("10 items") << 10;
        QTest::newRow("10000 items") << 10000;
        QTest::newRow("2 items") << 2;
    }

    void onlyTheVisibleItemsArePainted()
    {
        QFETCH(int, count);
        RowWheel wheel(count);
        const auto rows = wheel.paintOnce();
        // 180 / 30 rows fill the wheel; one more on either side may show in part.
        QCOMPARE(rows.size(), 8);
        for (const auto &row : rows)
            QVERIFY(row.first >= 0 && row.first < count);
        QVERIFY(rows.first().second.top() <= 0);
        QVERIFY(rows.last().second.top() >= 180 - kRowHeight);
    }

    void aFinishedScrollReportsOneRest()
    {
        RecordingServices services;
        RowWheel wheel(10);
        sendScroll(&wheel, 50010.0, QScrollEvent::ScrollStarted);
        sendScroll(&wheel, 50040.0, QScrollEvent::ScrollUpdated);
        QCOMPARE(services.wheelRests, 0);
        sendScroll(&wheel, 50060.0, QScrollEvent::ScrollFinished);
        QCOMPARE(services.wheelRests, 1);
        QCOMPARE(wheel.currentIndex(), 2);
    }

    void anEmptyWheelPaintsNoItemsButStillReportsItsRest()
    {
        RecordingServices services;
        RowWheel wheel(0);
        sendScroll(&wheel, 50095.0, QScrollEvent::ScrollFinished);
        QCOMPARE(wheel.currentIndex(), 0);
        QCOMPARE(services.wheelRests, 1);
        QVERIFY(wheel.paintOnce().isEmpty());

        StringWheelWidget strings(true);
        strings.setItems({});
        QCOMPARE(strings.currentText(), QString());
        QVERIFY(!paintedImage(&strings).isNull());
    }

    void scrollToEndsOnTheTargetModuloTheCount_data()
    {
        QTest::addColumn<int>("target");
        QTest::newRow("within the first round") << 3;
        QTest::newRow("one round on") << 13;
        QTest::newRow("several rounds on") << 47;
        QTest::newRow("the item it shows") << 0;
        QTest::newRow("beyond the scroller's range") << 2003;
    }

    void scrollToEndsOnTheTargetModuloTheCount()
    {
        QFETCH(int, target);
        RecordingServices services;
        RowWheel wheel(10);
        wheel.show();
        wheel.scrollTo(target);
        QTRY_COMPARE_WITH_TIMEOUT(services.wheelRests, 1, kSpinWaitMs);
        QCOMPARE(QScroller::scroller(&wheel)->state(), QScroller::Inactive);
        QCOMPARE(wheel.currentIndex(), target % 10);
        const auto rows = wheel.paintOnce();
        QVERIFY(rows.contains({target % 10, QRect(6, 90 - kRowHeight / 2, 94, kRowHeight)}));
        QTest::qWait(100);
        QCOMPARE(services.wheelRests, 1);
    }

    void setItemsKeepsTheCurrentItemInRange_data()
    {
        QTest::addColumn<QVector<int>>("counts");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("3 strings at item 7") << QVector<int>{3} << 2 << "10322002";
        QTest::newRow("empty list") << QVector<int>{0} << -1 << "";
        QTest::newRow("longer list keeps it") << QVector<int>{20} << 7 << "10322007";
        QTest::newRow("8 strings keep it") << QVector<int>{8} << 7 << "10322007";
        QTest::newRow("items again after empty") << QVector<int>{0, 4} << 0 << "10322000";
    }

    void setItemsKeepsTheCurrentItemInRange()
    {
        QFETCH(QVector<int>, counts);
        QFETCH(int, index);
        QFETCH(QString, text);
        StringWheelWidget wheel(true);
        wheel.setItems(numberedIds(10));
        sendScroll(&wheel, wheelContentY(7, 0, wheel.itemHeight()), QScrollEvent::ScrollUpdated);
        QCOMPARE(wheel.currentText(), QStringLiteral("10322007"));
        QCOMPARE(wheel.toolTip(), QStringLiteral("10322007"));
        for (int count : counts)
            wheel.setItems(numberedIds(count));
        QCOMPARE(wheel.currentIndex(), index);
        QCOMPARE(wheel.currentText(), text);
    }

    void aWheelDrawsTheTrailingShowCharsOfEachString()
    {
        const QStringList ids{QStringLiteral("10322015"), QStringLiteral("15"), QStringLiteral("99992041")};
        const QStringList shown{QStringLiteral("2015"), QStringLiteral("15"), QStringLiteral("2041")};
        auto paint = [](const QStringList &items, int showChars) {
            StringWheelWidget wheel(true);
            wheel.resize(120, 200);
            wheel.setItems(items);
            wheel.setShowChars(showChars);
            return paintedImage(&wheel);
        };
        const QImage trimmed = paint(ids, 4);
        QCOMPARE(trimmed, paint(shown, 8));
        QVERIFY(trimmed != paint(ids, 8));
    }

    void theFontGrowsUntilItsLineIsHigherThan25Pixels()
    {
        QFont small;
        for (const char *family : {"Nimbus Sans", "Noto Sans CJK SC", "DejaVu Sans"}) {
            for (int size = 4; size <= 12 && QFontMetrics(small).height() != 13; ++size)
                small = QFont(QString::fromLatin1(family), size);
        }
        if (QFontMetrics(small).height() != 13)
            QSKIP("no installed font has a 13-pixel line at a whole point size");
        const int start = small.pointSize();
        // The wheel inherits the application's font for as long as it lives.
        const AppFontRestorer restorer;
        QApplication::setFont(small);
        StringWheelWidget wheel(true);

        const QFont grown = wheel.font();
        QVERIFY(grown.pointSize() > start);
        QCOMPARE((grown.pointSize() - start) % 2, 0);
        QVERIFY(QFontMetrics(grown).height() > 25);
        QFont oneStepLess = grown;
        oneStepLess.setPointSize(grown.pointSize() - 2);
        QVERIFY(QFontMetrics(oneStepLess).height() <= 25);
        QCOMPARE(wheel.itemHeight(), QFontMetrics(grown).height());
    }

    void sizeHintsFollowTheGrownFont()
    {
        StringWheelWidget wheel(true);
        const QFontMetrics metrics(wheel.font());
        const int m = metrics.horizontalAdvance(QLatin1Char('m'));
        QCOMPARE(wheel.sizeHint(), QSize(10 * m + 6, 7 * metrics.height() + 6));
        QCOMPARE(wheel.minimumSizeHint(), QSize(5 * m + 6, 3 * metrics.height() + 6));
    }

    void wheelsShareTheIdsAndShowTheirTrailingCharacters()
    {
        const QStringList ids = numberedIds(32);
        const std::vector<WheelAssemblyWidget *> created = createWheelAssemblies(ids, 6);
        std::vector<std::unique_ptr<WheelAssemblyWidget>> wheels(created.cbegin(), created.cend());
        QCOMPARE(wheels.size(), size_t(6));
        int first = 0;
        for (size_t i = 0; i < wheels.size(); ++i) {
            QCOMPARE(wheels[i]->parent(), nullptr);
            QCOMPARE(wheels[i]->itemCount(), i == 5 ? 7 : 5);
            QCOMPARE(wheels[i]->currentText(), ids.at(first));
            first += wheels[i]->itemCount();
        }
    }

    void theDrawIsAnnouncedOnceWhenTheLastTurningWheelRests()
    {
        // 6 IDs on 3 wheels: 5, 1 and none; the empty wheel is left out.
        const std::vector<WheelAssemblyWidget *> created = createWheelAssemblies(numberedIds(6), 3);
        std::vector<std::unique_ptr<WheelAssemblyWidget>> wheels(created.cbegin(), created.cend());
        RecordingServices services;
        WheelRestCount restCount;
        QStringList announcements;
        services.onRest = [&] {
            if (!restCount.noteRest())
                return;
            QStringList shown;
            for (const auto &wheel : wheels)
                shown << wheel->currentText();
            announcements << shown.join(QLatin1Char(','));
        };

        restCount.expect(spinWheels(created));
        QCOMPARE(restCount.expected(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(services.wheelRests, 2, kSpinWaitMs);
        QTest::qWait(100);
        QCOMPARE(services.wheelRests, 2);
        QCOMPARE(announcements.size(), 1);
        const QStringList shown = announcements.first().split(QLatin1Char(','));
        QCOMPARE(shown.size(), 3);
        QVERIFY(numberedIds(5).contains(shown.at(0)));
        QCOMPARE(shown.at(1), QStringLiteral("10322005"));
        QCOMPARE(shown.at(2), QString());
    }

    void nothingTurnsWhenTheFirstWheelIsEmpty()
    {
        const std::vector<WheelAssemblyWidget *> created = createWheelAssemblies({}, 2);
        std::vector<std::unique_ptr<WheelAssemblyWidget>> wheels(created.cbegin(), created.cend());
        QCOMPARE(spinWheels(created), 0);
        QCOMPARE(spinWheels({}), 0);
    }
};

ZANDREL_TEST_MAIN(TestWheelWidgets)
#include "tst_wheelwidgets.moc"
