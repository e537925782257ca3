#pragma once

#include "settings/Color.h"

#include <QPushButton>
#include <QStyle>

#include <optional>

// A push button whose text colour is set per state: normal, hot (pointer over it),
// focused and pressed (pressed wins over hot, hot over focused), and whose bold weight,
// underline and font size can be set. It is painted by the style, so it keeps the
// platform's look, flat or not, with or without an icon. Setters return early when
// nothing changes.
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
    bool underline() const { return font().underline(); }
    // Fractional sizes are kept; zero or less gives the theme's size back.
    void setFontPixelSize(float pixels);
    float fontPixelSize() const { return m_fontPixels; }
    // The style's standard icon, looked up when the button is first shown: the lookup
    // searches the icon theme on disk, which a button on a page never opened need not do.
    void setStandardIcon(QStyle::StandardPixmap icon);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void lookUpPendingIcon();

    TextColors m_colors;
    float m_fontPixels = 0.0f; // 0: the theme's size
    std::optional<QStyle::StandardPixmap> m_pendingIcon;
};

} // namespace tenvik
