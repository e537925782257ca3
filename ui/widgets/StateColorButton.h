#pragma once

#include "settings/Color.h"

#include <QPushButton>

// A push button whose text colour is set per state: normal, hot (pointer over it),
// focused and pressed, and whose bold weight can be switched.
namespace tenvik {

class StateColorButton : public QPushButton {
    Q_OBJECT
public:
    struct TextColors {
        TAlphaColor normal = 0xFF000000;
        TAlphaColor hot = 0xFF000000;
        TAlphaColor focused = 0xFF000000;
        TAlphaColor pressed = 0xFF000000;
        friend bool operator==(const TextColors&, const TextColors&) = default;
    };

    explicit StateColorButton(const QString& text, QWidget* parent = nullptr);

    TextColors textColors() const { return m_colors; }
    // Repaints only when a colour changes. Setting all four to one colour is the plain
    // "font colour" of a button.
    void setTextColors(const TextColors& colors);
    void setTextColor(TAlphaColor color) { setTextColors({color, color, color, color}); }
    TAlphaColor currentTextColor() const; // the colour of the state the button is in now
    void setBold(bool on);
    bool bold() const;
    void setUnderline(bool on);
    void setFontPixelSize(float pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextColors m_colors;
};

} // namespace tenvik
