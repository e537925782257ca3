#include "ui/widgets/Switch.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tenvik {

namespace {
constexpr QSize DefaultSize{41, 26};
constexpr qreal ThumbInset = 3.0;
} // namespace

Switch::Switch(QWidget* parent) : QAbstractButton(parent)
{
    // A checkable QAbstractButton is what Qt's accessibility layer reports as a check box
    // with its checked state.
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize Switch::sizeHint() const
{
    return DefaultSize;
}

void Switch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPalette& pal = palette();
    const bool on = isChecked();
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;

    QColor trackFill = on ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid);
    if (!isEnabled())
        trackFill.setAlphaF(0.4f);
    painter.setPen(QPen(pal.color(QPalette::Dark), 1.0));
    painter.setBrush(trackFill);
    painter.drawRoundedRect(track, radius, radius);

    const qreal diameter = std::max(track.height() - 2 * ThumbInset, 0.0);
    const qreal thumbLeft = on ? track.right() - ThumbInset - diameter : track.left() + ThumbInset;
    const QRectF thumb(thumbLeft, track.top() + ThumbInset, diameter, diameter);
    painter.setPen(QPen(pal.color(QPalette::Shadow), 0.5));
    painter.setBrush(isDown() ? pal.color(QPalette::Midlight) : pal.color(QPalette::Light));
    painter.drawEllipse(thumb);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = pal.color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace tenvik
