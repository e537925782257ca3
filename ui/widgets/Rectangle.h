#pragma once

#include "settings/Color.h"

#include <QWidget>

// A filled rectangle with an optional border drawn inside its bounds. Its children fill
// it: layout() is a QVBoxLayout without margins or spacing, so one child added to it
// fills the rectangle and further ones stack from top to bottom.
namespace tenvik {

class Rectangle : public QWidget {
    Q_OBJECT
public:
    explicit Rectangle(QWidget* parent = nullptr);

    TAlphaColor fillColor() const { return m_fill; }
    TAlphaColor strokeColor() const { return m_stroke; }
    qreal strokeThickness() const { return m_strokeThickness; }

    // Each setter repaints only when the value changes.
    void setFillColor(TAlphaColor color);
    void setStrokeColor(TAlphaColor color);
    void setStrokeThickness(qreal thickness); // 0 (or less) draws no border

    // Off: mouse events pass through to the widget below, as for a band that only paints.
    // Qt lets them pass through the rectangle's children as well.
    void setHitTest(bool takesMouseInput);
    bool hitTest() const;

signals:
    void clicked();       // a left press and release both inside the rectangle
    void doubleClicked(); // the second left press of a double-click

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TAlphaColor m_fill = 0xFFE0E0E0;
    TAlphaColor m_stroke = 0xFF000000;
    qreal m_strokeThickness = 1.0;
    bool m_pressed = false;
};

} // namespace tenvik
