#include "displays/wheeldraw.h"

#include "displays/wheelassemblywidget.h"
#include "displays/wheelshares.h"

#include "common/drawrandom.h"

std::vector<WheelAssemblyWidget *> createWheelAssemblies(const QStringList &ids, int wheelCount)
{
    std::vector<WheelAssemblyWidget *> wheels;
    const QVector<QStringList> shares = wheelShares(ids, wheelCount);
    for (const QStringList &share : shares) {
        auto *wheel = new WheelAssemblyWidget(true);
        wheel->setShowChars(wheelShowChars(wheelCount));
        wheel->setItems(share);
        const WheelColors colors = randomWheelColors();
        wheel->setColors(colors.frame, colors.fill);
        wheels.push_back(wheel);
    }
    return wheels;
}

int spinWheels(const std::vector<WheelAssemblyWidget *> &wheels)
{
    if (wheels.empty() || wheels.front()->itemCount() == 0)
        return 0;
    const int rounds = wheelSpinRounds(wheelSpinFactor(wheels.front()->itemCount()));
    int turning = 0;
    for (WheelAssemblyWidget *wheel : wheels) {
        const int count = wheel->itemCount();
        if (count == 0)
            continue;
        const int extraRounds = drawRandomBelow(rounds);
        wheel->scrollTo(wheelSpinTarget(wheel->currentIndex(), count, extraRounds, drawRandomBelow(count)));
        ++turning;
    }
    return turning;
}
