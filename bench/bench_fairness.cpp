// How fair the draws are, measured the way a class meets them. Run by hand.
//
// A real hand: 3,000 draws of a class of 10 on every display, each held for
// a time drawn from a normal distribution (mean 1.5 s, sd 0.3 s) and stepped
// at the display's own pace; for each display the chi-square of how often
// each student was drawn (below 21.7, the 1 % point for 9 degrees of
// freedom, for a fair draw) and how often a draw lands within two places of
// the one before in the display's order (5 in 10 for a fair draw). The
// wheels stop by themselves, so their hold does not count; beside the class
// of 10 on one wheel stands the first spin of a freshly built wheel of 100,
// where half the landings belong in its first 50 items.
//
// A term: a class of 40 with No Repeats on, 16 weeks of 5 lessons of 3
// draws, each student away from 5 % of the lessons at random, every draw
// taken evenly from what the draw pool offers. Over many terms: the largest
// difference between two students' draw counts at the end (target 2 at
// most), the longest a student waited in rounds (1 = drawn in every round;
// target 2 at most) and the fewest draws between two draws of one student
// (target 20 at least).

#include "app/leddraw.h"
#include "app/mainwindow.h"
#include "displays/microtilewidget.h"
#include "displays/stringwheelwidget.h"
#include "displays/tvrollerwidget.h"
#include "displays/wheelassemblywidget.h"
#include "displays/wheeldraw.h"
#include "roster/drawpool.h"
#include "roster/studentids.h"

#include "benchsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLCDNumber>
#include <QMetaObject>
#include <QPushButton>
#include <QScroller>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

const int kClassSize = 10;
const int kDraws = 3000;
const int kSpeed = 50;
const int kTraceMs = 50;
const int kRollerMs = 100;

// The hand: hold times, and a fair pick where the bench itself chooses.
std::mt19937 g_hand(20240902);

int holdSteps(int stepMs)
{
    static std::normal_distribution<double> hold(1500.0, 300.0);
    return std::max(0, int(hold(g_hand) / stepMs));
}

struct Fairness
{
    double chiSquare = 0;
    double nearShare = 0;
    int draws = 0;
};

// places: where each draw landed in the display's order, -1 for no draw.
Fairness fairness(const std::vector<int> &places, int size)
{
    std::vector<int> counts(size_t(size), 0);
    int draws = 0;
    int near = 0;
    int pairs = 0;
    int previous = -1;
    for (int place : places) {
        if (place < 0)
            continue;
        ++counts[size_t(place)];
        ++draws;
        if (previous >= 0) {
            const int apart = std::abs(place - previous) % size;
            near += std::min(apart, size - apart) <= 2 ? 1 : 0;
            ++pairs;
        }
        previous = place;
    }
    Fairness result;
    const double expected = double(draws) / size;
    for (int count : counts)
        result.chiSquare += (count - expected) * (count - expected) / expected;
    result.nearShare = pairs > 0 ? double(near) / pairs : 0;
    result.draws = draws;
    return result;
}

void reportFairness(const char *display, const Fairness &result)
{
    std::printf("%-34s chi-square %7.1f   within two places %5.1f %%   (%d draws)\n", display, result.chiSquare,
                100.0 * result.nearShare, result.draws);
}

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

int placeOf(const std::vector<QString> &ids, const QString &id)
{
    const auto found = std::find(ids.cbegin(), ids.cend(), id);
    return found == ids.cend() ? -1 : int(found - ids.cbegin());
}

// The IDs whose last four characters the status bar announced, first one.
int firstAnnounced(const std::vector<QString> &ids, const QString &message)
{
    const QString first = message.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    for (size_t k = 0; k < ids.size(); ++k)
        if (!first.isEmpty() && announcementText(ids[k]) == first)
            return int(k);
    return -1;
}

// One draw on the window's display: start, hold, stop.
template<typename Step, typename Result>
int handDraw(QPushButton *button, int stepMs, Step step, Result result)
{
    button->click();
    for (int k = holdSteps(stepMs); k > 0; --k)
        step();
    button->click();
    return result();
}

void measureLed(MainWindow &window, const std::vector<QString> &ids, bool roll)
{
    child<QAction>(&window, "actionLED")->trigger();
    auto *rollMode = child<QCheckBox>(&window, "checkBox");
    if (rollMode->isChecked() != roll)
        rollMode->click();
    auto *button = child<QPushButton>(&window, "pushButton");
    auto *lcd = child<QLCDNumber>(&window, "lcdNumber");
    const int stepMs = drawIntervalMs(kSpeed, roll);
    std::vector<int> places;
    for (int draw = 0; draw < kDraws; ++draw) {
        window.statusBar()->clearMessage();
        places.push_back(handDraw(
            button, stepMs, [&] { QMetaObject::invokeMethod(&window, roll ? "OnLEDRollerTimer" : "lotteryScroll"); },
            [&] {
                return roll ? firstAnnounced(ids, window.statusBar()->currentMessage())
                            : placeOf(ids, QString::number(qint64(lcd->value() + 0.5)));
            }));
    }
    reportFairness(roll ? "LED, roll mode" : "LED, single mode", fairness(places, kClassSize));
    if (roll)
        rollMode->click();
}

void measureTiles(MainWindow &window, const std::vector<QString> &ids)
{
    child<QAction>(&window, "actionMicro_Tile")->trigger();
    auto *board = window.findChild<MicroTileWidget *>();
    auto *button = child<QPushButton>(&window, "pushButton_11");
    std::vector<int> places;
    for (int draw = 0; draw < kDraws; ++draw)
        places.push_back(handDraw(
            button, kTraceMs, [&] { board->traceItTimer(); }, [&] { return placeOf(ids, board->selectedText()); }));
    reportFairness("micro tile board", fairness(places, kClassSize));
}

void measureRoller(MainWindow &window, const std::vector<QString> &ids)
{
    child<QAction>(&window, "actionTV_Roller")->trigger();
    auto *roller = window.findChild<TVRollerWidget *>();
    auto *button = child<QPushButton>(&window, "pushButton_12");
    // The order the roller rolls its rows in, read off one full turn.
    std::vector<QString> rowOrder;
    for (int k = 0; k < kClassSize; ++k) {
        std::vector<QString> marked;
        roller->selectedNames(marked);
        rowOrder.push_back(marked.front());
        roller->traceItTimer();
    }
    std::vector<int> rowPlaces;
    std::vector<int> counts;
    for (int draw = 0; draw < kDraws; ++draw) {
        const QString drawn = ids[size_t(handDraw(
            button, kRollerMs, [&] { roller->traceItTimer(); },
            [&] {
                std::vector<QString> marked;
                roller->selectedNames(marked);
                return placeOf(ids, marked.front());
            }))];
        rowPlaces.push_back(placeOf(rowOrder, drawn));
    }
    reportFairness("TV roller", fairness(rowPlaces, kClassSize));
}

// Where a wheel comes to rest after the spin just set going.
int restingItem(WheelAssemblyWidget *wheel)
{
    auto *drum = wheel->findChild<StringWheelWidget *>();
    const int turned = qRound(QScroller::scroller(drum)->finalPosition().y()) - 50000;
    const int count = wheel->itemCount();
    return (turned / drum->itemHeight() % count + count) % count;
}

void measureWheels(int classSize, const char *what)
{
    const std::vector<QString> all = numberedIds(classSize);
    const QStringList ids(all.cbegin(), all.cend());
    std::vector<int> places;
    int firstHalf = 0;
    for (int draw = 0; draw < kDraws; ++draw) {
        const std::vector<WheelAssemblyWidget *> created = createWheelAssemblies(ids, 1);
        std::unique_ptr<WheelAssemblyWidget> wheel(created.front());
        wheel->show();
        spinWheels(created);
        const int item = restingItem(wheel.get());
        places.push_back(item);
        firstHalf += item < classSize / 2 ? 1 : 0;
        QScroller::scroller(wheel->findChild<StringWheelWidget *>())->stop();
    }
    if (classSize == kClassSize)
        reportFairness(what, fairness(places, classSize));
    else
        std::printf("%-34s landings in the first half %5.1f %%\n", what, 100.0 * firstHalf / kDraws);
}

struct Term
{
    int countSpread = 0;
    int longestWait = 0;
    int smallestGap = 0;
};

Term simulateTerm(std::mt19937 &chance)
{
    const int students = 40;
    const std::vector<QString> ids = numberedIds(students);
    DrawPool pool;
    pool.setStudents(ids);
    pool.setNoRepeat(true);
    std::map<QString, int> counts;
    std::map<QString, int> lastRound;
    std::map<QString, int> lastDraw;
    int round = 1;
    int draw = 0;
    Term term;
    term.smallestGap = 1 << 30;
    std::bernoulli_distribution away(0.05);
    for (int lesson = 0; lesson < 16 * 5; ++lesson) {
        QSet<QString> absent;
        for (const QString &id : ids)
            if (away(chance))
                absent.insert(id);
        pool.setAbsent(absent);
        for (int k = 0; k < 3; ++k) {
            if (pool.beginDraw())
                ++round;
            const std::vector<QString> offered = pool.candidates();
            if (offered.empty())
                continue;
            const QString id = offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(chance)];
            pool.take({id});
            ++counts[id];
            term.longestWait = std::max(term.longestWait, round - lastRound[id]);
            if (lastDraw.count(id))
                term.smallestGap = std::min(term.smallestGap, draw - lastDraw[id]);
            lastRound[id] = round;
            lastDraw[id] = draw++;
        }
    }
    int most = 0;
    int fewest = 1 << 30;
    for (const QString &id : ids) {
        most = std::max(most, counts[id]);
        fewest = std::min(fewest, counts[id]);
        // Rounds that ended without the student count as waited too.
        term.longestWait = std::max(term.longestWait, round - 1 - lastRound[id]);
    }
    term.countSpread = most - fewest;
    return term;
}

void measureTerms()
{
    const int terms = 1000;
    std::mt19937 chance(1789);
    Term worst;
    worst.smallestGap = 1 << 30;
    double spread = 0, wait = 0, gap = 0;
    int spreadMet = 0, waitMet = 0, gapMet = 0;
    for (int k = 0; k < terms; ++k) {
        const Term term = simulateTerm(chance);
        worst.countSpread = std::max(worst.countSpread, term.countSpread);
        worst.longestWait = std::max(worst.longestWait, term.longestWait);
        worst.smallestGap = std::min(worst.smallestGap, term.smallestGap);
        spread += term.countSpread;
        wait += term.longestWait;
        gap += term.smallestGap;
        spreadMet += term.countSpread <= 2 ? 1 : 0;
        waitMet += term.longestWait <= 2 ? 1 : 0;
        gapMet += term.smallestGap >= 20 ? 1 : 0;
    }
    std::printf("term of 40, %d terms:              mean    worst   terms on target\n", terms);
    std::printf("  draw counts' spread at the end   %5.2f   %5d   %5.1f %%  (target <= 2)\n", spread / terms,
                worst.countSpread, 100.0 * spreadMet / terms);
    std::printf("  longest wait in rounds           %5.2f   %5d   %5.1f %%  (target <= 2)\n", wait / terms,
                worst.longestWait, 100.0 * waitMet / terms);
    std::printf("  fewest draws between two draws   %5.2f   %5d   %5.1f %%  (target >= 20)\n", gap / terms,
                worst.smallestGap, 100.0 * gapMet / terms);
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    useBenchHome(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    writeBenchRoster(1, kClassSize, QString());
    QSettings(QStringLiteral("Velmor"), QStringLiteral("Speech")).setValue(QStringLiteral("Enable"), false);

    const std::vector<QString> ids = numberedIds(kClassSize);
    {
        MainWindow window;
        window.show();
        measureLed(window, ids, false);
        measureLed(window, ids, true);
        measureTiles(window, ids);
        measureRoller(window, ids);
    }
    measureWheels(kClassSize, "wheel of 10");
    measureWheels(100, "wheel of 100, first spin");
    measureTerms();
    return 0;
}
