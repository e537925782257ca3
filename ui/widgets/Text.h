#pragma once

#include "settings/Color.h"

#include <QMarginsF>
#include <QWidget>

#include <optional>

// A painted text without theme: colour, font size in logical pixels (fractional sizes
// kept), bold, underline, alignment both ways, margins and word wrap. A carriage return
// in the text breaks the line. Screen readers get the text as the accessible name.
namespace tenvik {

class Text : public QWidget {
    Q_OBJECT
public:
    enum class Align { Leading, Center, Trailing };

    explicit Text(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    TAlphaColor color() const { return m_color; }
    float fontSize() const { return m_fontSize; }
    bool bold() const { return m_bold; }
    bool underline() const { return m_underline; }
    Align horizontalAlign() const { return m_hAlign; }
    Align verticalAlign() const { return m_vAlign; }
    QMarginsF margins() const { return m_margins; }
    bool wordWrap() const { return m_wordWrap; }

    // Each setter repaints only when the value changes.
    void setText(const QString& text);
    void setColor(TAlphaColor color);
    // Sizes below one pixel (zero and negative ones too) are kept here but drawn at one
    // pixel, since Qt refuses fonts of size zero or less.
    void setFontSize(float pixels);
    void setBold(bool on);
    void setUnderline(bool on);
    void setAlign(Align horizontal, Align vertical);
    // Insets of the area the text is laid out in; may be negative.
    void setMargins(const QMarginsF& margins);
    void setWordWrap(bool on);

    // What the text is drawn with: the font at its size, weight and underline, the area it
    // is laid out in (the widget less its margins) and the layout flags.
    QFont drawnFont() const;
    QRectF textArea() const;
    int textFlags() const;
    // Every pixel the text inks inside the widget, in its coordinates; empty when it inks
    // none. Measured by drawing it once, and kept until the text, its look or the size
    // changes.
    QRect inkRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_text;
    TAlphaColor m_color = 0xFF000000;
    float m_fontSize = 12.0f;
    bool m_bold = false;
    bool m_underline = false;
    Align m_hAlign = Align::Center;
    Align m_vAlign = Align::Center;
    QMarginsF m_margins;
    bool m_wordWrap = false;
    mutable std::optional<QRect> m_ink;
};

} // namespace tenvik
