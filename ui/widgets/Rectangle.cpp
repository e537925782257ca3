#include "ui/widgets/Rectangle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace tenvik {

Rectangle::Rectangle(QWidget* parent) : QWidget(parent)
{
    // A child added to this layout fills the rectangle; further ones stack top to bottom.
    auto* content = new QVBoxLayout(this);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(0);
}

void Rectangle::setFillColor(TAlphaColor color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void Rectangle::setStrokeColor(TAlphaColor color)
{
    if (color == m_stroke)
        return;
    m_stroke = color;
    update();
}

void Rectangle::setStrokeThickness(qreal thickness)
{
    // Negative or NaN thicknesses draw no border, as 0 does.
    if (!(thickness > 0.0))
        thickness = 0.0;
    if (thickness == m_strokeThickness)
        return;
    m_strokeThickness = thickness;
    update();
}

void Rectangle::setHitTest(bool takesMouseInput)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !takesMouseInput);
    if (!takesMouseInput)
        m_pressed = false;
}

bool Rectangle::hitTest() const
{
    return !testAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rectangle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF bounds = rect();
    painter.fillRect(bounds, QColor::fromRgba(m_fill));
    if (m_strokeThickness <= 0.0)
        return;

    // The border lies wholly inside the bounds, so neighbouring cells do not overdraw
    // each other and a 0.5 border is exactly one device pixel on a scale-2 screen.
    const qreal half = std::min({m_strokeThickness, bounds.width(), bounds.height()}) / 2;
    if (half <= 0.0)
        return; // a pen of width 0 would be Qt's one-pixel cosmetic pen
    QPen pen(QColor::fromRgba(m_stroke), 2 * half);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds.adjusted(half, half, -half, -half));
}

void Rectangle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void Rectangle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

// The first click of the pair has been reported; the release that ends this press reports
// no second one.
void Rectangle::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    emit doubleClicked();
}

} // namespace tenvik
