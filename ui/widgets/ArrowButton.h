#pragma once

#include <QToolButton>

// A button that shows only an arrow, drawn as a solid triangle that grows with the button
// (the style's own arrows stay a few pixels wide however large the button is). The arrow
// takes the text colour of what the button lies on, so it reads on any background.
namespace tenvik {

class ArrowButton : public QToolButton {
    Q_OBJECT
public:
    // The share of the button's shorter side the arrow is high.
    static constexpr qreal GlyphShare = 0.5;

    ArrowButton(Qt::ArrowType arrow, QWidget* parent = nullptr);

    // Where the arrow is drawn, in the button's coordinates.
    QRectF glyphRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tenvik
