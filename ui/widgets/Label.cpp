#include "ui/widgets/Label.h"

#include "ui/widgets/TextLines.h"

#include <QPalette>

namespace tenvik {

namespace {
// QFont refuses sizes of zero or less; a font this small draws nothing readable anyway.
constexpr float SmallestFontPixels = 1.0f;
constexpr qreal PointsPerInch = 72.0;
} // namespace

void SetFontPixelSizeF(QFont& font, float pixels, const QWidget& widget)
{
    // NaN fails every comparison, so it also lands on the smallest size.
    const float drawn = pixels >= SmallestFontPixels ? pixels : SmallestFontPixels;
    font.setPointSizeF(drawn * PointsPerInch / widget.logicalDpiY());
}

Label::Label(const QString& text, QWidget* parent) : QLabel(parent)
{
    // An agency name like "<b>" is text, never markup.
    setTextFormat(Qt::PlainText);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor::fromRgba(m_color));
    setPalette(p);
    setRawText(text);
}

void Label::setRawText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    const QString shown = DisplayLines(text);
    setText(shown);
    setAccessibleName(shown);
}

void Label::setColor(TAlphaColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor::fromRgba(color));
    setPalette(p);
}

void Label::setFontSize(float pixels)
{
    const bool ownSize = pixels > 0.0f; // NaN included in "no size of its own"
    if (ownSize ? pixels == m_fontSize : !(m_fontSize > 0.0f))
        return;
    m_fontSize = pixels;
    QFont f = font();
    if (ownSize) {
        SetFontPixelSizeF(f, pixels, *this);
    } else {
        // Dropping our own size lets the theme's size come back through the parent.
        f.setResolveMask(f.resolveMask() & ~QFont::SizeResolved);
    }
    setFont(f);
}

} // namespace tenvik
