#include "ui/widgets/StateColorButton.h"

#include "ui/widgets/Label.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tenvik {

StateColorButton::StateColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    // The hot colour needs a repaint when the pointer comes and goes.
    setAttribute(Qt::WA_Hover);
}

void StateColorButton::setTextColors(const TextColors& colors)
{
    if (colors == m_colors)
        return;
    m_colors = colors;
    update();
}

TAlphaColor StateColorButton::currentTextColor() const
{
    // Pointer feedback wins over keyboard focus, as a pressed look wins over both.
    if (isDown())
        return m_colors.pressed;
    if (underMouse())
        return m_colors.hot;
    if (hasFocus())
        return m_colors.focused;
    return m_colors.normal;
}

void StateColorButton::setBold(bool on)
{
    if (on == bold())
        return;
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

bool StateColorButton::bold() const
{
    return font().bold();
}

void StateColorButton::setUnderline(bool on)
{
    if (on == font().underline())
        return;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void StateColorButton::setFontPixelSize(float pixels)
{
    const bool ownSize = pixels > 0.0f; // NaN included in "no size of its own"
    if (ownSize ? pixels == m_fontPixels : !(m_fontPixels > 0.0f))
        return;
    m_fontPixels = pixels;
    QFont f = font();
    if (ownSize)
        SetFontPixelSizeF(f, pixels, *this);
    else
        f.setResolveMask(f.resolveMask() & ~QFont::SizeResolved);
    setFont(f);
}

void StateColorButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    update();
}

void StateColorButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    update();
}

void StateColorButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Styles draw a button's label in ButtonText and some flat ones in WindowText; the
    // disabled group keeps the style's greyed text.
    const QColor text = QColor::fromRgba(currentTextColor());
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        option.palette.setColor(group, QPalette::ButtonText, text);
        option.palette.setColor(group, QPalette::WindowText, text);
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tenvik
