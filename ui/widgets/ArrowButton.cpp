#include "ui/widgets/ArrowButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

namespace tenvik {

namespace {
constexpr qreal WidthToHeight = 0.6; // a triangle pointing sideways, narrower than high
} // namespace

ArrowButton::ArrowButton(Qt::ArrowType arrow, QWidget* parent) : QToolButton(parent)
{
    setArrowType(arrow);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(true);
}

QRectF ArrowButton::glyphRect() const
{
    const qreal length = GlyphShare * std::min(width(), height());
    const qreal breadth = WidthToHeight * length;
    const bool sideways = arrowType() == Qt::LeftArrow || arrowType() == Qt::RightArrow;
    QRectF glyph(QPointF(0, 0), sideways ? QSizeF(breadth, length) : QSizeF(length, breadth));
    glyph.moveCenter(QRectF(rect()).center());
    return glyph;
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    // The style draws the panel (raised under the pointer, sunk while pressed) without its
    // arrow; the arrow is ours.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.arrowType = Qt::NoArrow;
    option.features &= ~QStyleOptionToolButton::Arrow;
    option.icon = QIcon();
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QRectF g = glyphRect();
    QPainterPath arrow;
    switch (arrowType()) {
    case Qt::LeftArrow:
        arrow.moveTo(g.left(), g.center().y());
        arrow.lineTo(g.right(), g.top());
        arrow.lineTo(g.right(), g.bottom());
        break;
    case Qt::RightArrow:
        arrow.moveTo(g.right(), g.center().y());
        arrow.lineTo(g.left(), g.top());
        arrow.lineTo(g.left(), g.bottom());
        break;
    case Qt::UpArrow:
        arrow.moveTo(g.center().x(), g.top());
        arrow.lineTo(g.right(), g.bottom());
        arrow.lineTo(g.left(), g.bottom());
        break;
    case Qt::DownArrow:
        arrow.moveTo(g.center().x(), g.bottom());
        arrow.lineTo(g.left(), g.top());
        arrow.lineTo(g.right(), g.top());
        break;
    case Qt::NoArrow:
        return;
    }
    arrow.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;
    painter.fillPath(arrow, palette().color(group, QPalette::WindowText));
}

} // namespace tenvik
