#pragma once

#include <QFont>
#include <QMarginsF>
#include <QSizeF>
#include <QStringList>

class QWidget;

// How large a text may be drawn and still fit the box it is drawn in, and where in a label
// whose edges hold buttons a centred text can go without running under them.
namespace tenvik {

// The largest size, at most `wanted` pixels, at which the widest of `lines` fits the width
// of `box` and `lineCount` lines fit its height, in `font` (family, weight) as drawn on
// `widget`. Widths count every pixel a glyph inks as well as its advance. A size of zero or
// less (or NaN) is kept as it is: there is nothing to draw to fit.
float FittingPixelSize(float wanted, QFont font, const QWidget& widget, const QStringList& lines, int lineCount,
                       const QSizeF& box);

// The width of each of `texts` drawn in `font` at `pixels` on `widget`, in pixels.
QList<qreal> TextWidths(QFont font, float pixels, const QWidget& widget, const QStringList& texts);
// The widest of `texts` drawn in `font` at `pixels` on `widget`, in pixels.
qreal WidestTextWidth(QFont font, float pixels, const QWidget& widget, const QStringList& texts);

// Those of `texts` that could be the widest at any size: the widest at `pixels` and the
// next two if they are within a few per cent of it. Hinting moves a text's width a little
// from one size to another, never by that much, so a fit that measures only these finds
// what measuring all would, or within a fraction of a pixel where texts nearly tie.
QStringList LikelyWidest(QFont font, float pixels, const QWidget& widget, const QStringList& texts);

// Left and right margins for a centred text of textWidth in a label `width` wide whose
// free room (what its buttons leave) runs from freeLeft to freeRight: the text stays
// centred on the label while it fits there, and moves towards the roomier side only as far
// as it must. The box between the margins holds the text.
QMarginsF CentredTextMargins(qreal width, qreal freeLeft, qreal freeRight, qreal textWidth);

} // namespace tenvik
