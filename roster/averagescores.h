#ifndef AVERAGESCORES_H
#define AVERAGESCORES_H

#include <QStringList>
#include <vector>

enum ScoreRounding { RoundOff, IntegerOnly, KeepFloat };

// 0 to 5 for the score letters A to F in either case, -1 for any other character.
int scoreLetterIndex(QChar c);

// The average of each score string on the scale where 'A' is worth aScore:
// the letters A to F (either case) fall by one sixth of (aScore - fScore)
// each, every other character is ignored, and a string without such a
// letter is worth aScore. Each average is cut toward zero as the rounding
// says: RoundOff to the whole number of (average + 0.5), IntegerOnly to the
// whole number, KeepFloat to one decimal. Entry i belongs to string i.
void computeAverages(const QStringList &scoreStrings, double aScore, double fScore,
                     ScoreRounding rounding, std::vector<double> &averages);

#endif // AVERAGESCORES_H
