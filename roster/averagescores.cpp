#include "roster/averagescores.h"

#include <cmath>

namespace {

// Letter k is worth aScore - k * (aScore - fScore) / 6, so the average of
// count letters whose offsets k add up to offsetSum is
// (6 * aScore * count - (aScore - fScore) * offsetSum) / (6 * count).
// For whole base scores numerator and denominator are exact, and one
// division per rounding mode cuts an exact average like 50 or 26.6 at the
// right place; summing the letter values one by one lands just below such
// values (A = 100, F = 0, a single D gave 49).
double roundedAverage(double aScore, double fScore, long long count, long long offsetSum,
                      ScoreRounding rounding)
{
    if (count == 0)
        count = 1;
    const double denominator = 6.0 * double(count);
    const double numerator = 6.0 * aScore * double(count) - (aScore - fScore) * double(offsetSum);
    // Adding 0.0 turns the -0 of a cut small negative value into 0.
    switch (rounding) {
    case IntegerOnly:
        return std::trunc(numerator / denominator) + 0.0;
    case KeepFloat:
        return std::trunc(10.0 * numerator / denominator) / 10.0 + 0.0;
    case RoundOff:
        break;
    }
    return std::trunc((2.0 * numerator + denominator) / (2.0 * denominator)) + 0.0;
}

}

int scoreLetterIndex(QChar c)
{
    // Only ASCII letters count, so non-ASCII characters never match.
    const ushort upper = c.unicode() & ~ushort(0x20);
    return c.unicode() < 0x80 && upper >= 'A' && upper <= 'F' ? upper - 'A' : -1;
}

void computeAverages(const QStringList &scoreStrings, double aScore, double fScore,
                     ScoreRounding rounding, std::vector<double> &averages)
{
    averages.resize(size_t(scoreStrings.size()));
    for (int i = 0; i < scoreStrings.size(); ++i) {
        long long count = 0;
        long long offsetSum = 0;
        for (const QChar c : scoreStrings.at(i)) {
            const int letter = scoreLetterIndex(c);
            if (letter >= 0) {
                ++count;
                offsetSum += letter;
            }
        }
        averages[size_t(i)] = roundedAverage(aScore, fScore, count, offsetSum, rounding);
    }
}
