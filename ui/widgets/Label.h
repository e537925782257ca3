#pragma once

#include "settings/Color.h"

#include <QLabel>

// A themed text whose own colour and fractional font size the refresh pass sets. The
// text keeps its carriage returns (the program's line breaks); the label shows each as a
// new line. Setters return early when nothing changed.
namespace tenvik {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& text = {}, QWidget* parent = nullptr);

    // The text as the program gives it, its line breaks lone carriage returns; QLabel's
    // text() is what is shown, with new lines in their place.
    QString rawText() const { return m_text; }
    void setRawText(const QString& text);
    TAlphaColor color() const { return m_color; }
    void setColor(TAlphaColor color);
    float fontSize() const { return m_fontSize; }
    void setFontSize(float pixels); // zero or less keeps the theme's size

private:
    QString m_text;
    TAlphaColor m_color = 0xFF000000;
    float m_fontSize = 0.0f;
};

// Qt's QFont takes whole pixel sizes only; point sizes keep the fraction. Sizes below one
// pixel (NaN, zero and negative ones too) give one pixel, so no refused size reaches Qt.
void SetFontPixelSizeF(QFont& font, float pixels, const QWidget& widget);

} // namespace tenvik
