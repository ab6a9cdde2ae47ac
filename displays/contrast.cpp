#include "displays/contrast.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
const int kMixSteps = 256;

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &colour, const QColor &towards, int step)
{
    const auto channel = [&](int from, int to) { return from + ((to - from) * step + kMixSteps / 2) / kMixSteps; };
    return QColor(channel(colour.red(), towards.red()), channel(colour.green(), towards.green()),
                  channel(colour.blue(), towards.blue()), colour.alpha());
}

// The fewest mixing steps towards `towards` after which colour has minRatio
// against background, or -1 when even the end colour falls short. Beyond the
// background's own luminance the ratio only grows on the way, so the search
// halves the steps between the last that falls short and the first that does not.
int stepsToContrast(const QColor &colour, const QColor &towards, const QColor &background, double minRatio)
{
    if (contrastRatio(mixed(colour, towards, kMixSteps), background) < minRatio)
        return -1;
    int low = 0;
    int high = kMixSteps;
    const bool darkening = relativeLuminance(towards) < relativeLuminance(background);
    const double backgroundLuminance = relativeLuminance(background);
    while (low + 1 < high) {
        const int middle = (low + high) / 2;
        const QColor candidate = mixed(colour, towards, middle);
        const double luminance = relativeLuminance(candidate);
        const bool pastBackground = darkening ? luminance <= backgroundLuminance : luminance >= backgroundLuminance;
        if (pastBackground && contrastRatio(candidate, background) >= minRatio)
            high = middle;
        else
            low = middle;
    }
    return high;
}
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green())
           + 0.0722 * linearChannel(rgb.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor withContrast(const QColor &colour, const QColor &background, double minRatio)
{
    const QColor rgb = colour.toRgb();
    if (contrastRatio(rgb, background) >= minRatio)
        return rgb;
    const int darker = stepsToContrast(rgb, Qt::black, background, minRatio);
    const int lighter = stepsToContrast(rgb, Qt::white, background, minRatio);
    if (darker < 0 && lighter < 0)
        return mixed(rgb, relativeLuminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white), kMixSteps);
    if (lighter < 0 || (darker >= 0 && darker <= lighter))
        return mixed(rgb, Qt::black, darker);
    return mixed(rgb, Qt::white, lighter);
}

QColor mostLegible(const QVector<QColor> &candidates, const QVector<QColor> &backgrounds, double minRatio)
{
    QColor best;
    double bestWorst = -1;
    for (const QColor &candidate : candidates) {
        double worst = std::numeric_limits<double>::max();
        for (const QColor &background : backgrounds)
            worst = std::min(worst, contrastRatio(candidate, background));
        if (worst >= minRatio)
            return candidate;
        if (worst > bestWorst) {
            bestWorst = worst;
            best = candidate;
        }
    }
    return best;
}

QColor blendedOver(const QColor &top, const QColor &bottom)
{
    const QColor t = top.toRgb();
    const QColor b = bottom.toRgb();
    const double a = t.alphaF();
    const auto channel = [a](int over, int under) { return int(std::lround(over * a + under * (1 - a))); };
    return QColor(channel(t.red(), b.red()), channel(t.green(), b.green()), channel(t.blue(), b.blue()));
}
