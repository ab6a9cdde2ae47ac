#ifndef WHEELHIGHLIGHT_H
#define WHEELHIGHLIGHT_H

#include <QColor>

// The wheel's highlight bar: a translucent band whose upper half runs from
// the highlight colour to a lighter one and whose lower half to a darker
// one, and the colour the item under it is drawn in.
struct HighlightBarLook
{
    int lighterFactor;
    int darkerFactor;
    // At least 3:1 against every colour the bar shows over the wheel's face.
    QColor itemColour;
};

// The bar over a face of colour face: factors 150 and 200 and the item in
// preferredText where that reads; else black or white; and where even they
// do not read against both ends of the bar, the bar's ends are drawn closer
// to its middle colour until one does.
HighlightBarLook legibleHighlightBar(const QColor &highlight, const QColor &face, const QColor &preferredText);

#endif // WHEELHIGHLIGHT_H
