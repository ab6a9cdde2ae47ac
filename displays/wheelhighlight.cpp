#include "displays/wheelhighlight.h"

#include "displays/contrast.h"

namespace {
const int kLighterFactor = 150;
const int kDarkerFactor = 200;
const int kFactorSteps = 10;
const double kMinimumRatio = 3.0;
}

HighlightBarLook legibleHighlightBar(const QColor &highlight, const QColor &face, const QColor &preferredText)
{
    const QVector<QColor> candidates{preferredText, QColor(Qt::black), QColor(Qt::white)};
    HighlightBarLook look{kLighterFactor, kDarkerFactor, preferredText};
    for (int step = kFactorSteps; step >= 0; --step) {
        look.lighterFactor = 100 + (kLighterFactor - 100) * step / kFactorSteps;
        look.darkerFactor = 100 + (kDarkerFactor - 100) * step / kFactorSteps;
        const QVector<QColor> bar{blendedOver(highlight, face), blendedOver(highlight.lighter(look.lighterFactor), face),
                                  blendedOver(highlight.darker(look.darkerFactor), face)};
        look.itemColour = mostLegible(candidates, bar, kMinimumRatio);
        bool reads = true;
        for (const QColor &colour : bar)
            reads = reads && contrastRatio(look.itemColour, colour) >= kMinimumRatio;
        if (reads)
            return look;
    }
    return look;
}
