#ifndef CONTRAST_H
#define CONTRAST_H

#include <QColor>
#include <QVector>

// How well one colour reads on another, by relative luminance (WCAG 2): the
// ratio runs from 1 (the same) to 21 (black on white); large text needs 3.

double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// colour as it is when it has at least minRatio against background; else the
// mix of it with black or with white, whichever needs less of it, that just
// reaches the ratio. The alpha stays.
QColor withContrast(const QColor &colour, const QColor &background, double minRatio);

// The first candidate with at least minRatio against every background; when
// none has, the one whose lowest ratio is highest.
QColor mostLegible(const QVector<QColor> &candidates, const QVector<QColor> &backgrounds, double minRatio);

// What an opaque bottom colour shows with top painted over it at top's alpha.
QColor blendedOver(const QColor &top, const QColor &bottom);

#endif // CONTRAST_H
