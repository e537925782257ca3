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

void StateColorButton::setStandardIcon(QStyle::StandardPixmap icon)
{
    m_pendingIcon = icon;
    if (isVisible())
        lookUpPendingIcon();
}

void StateColorButton::showEvent(QShowEvent* event)
{
    QPushButton::showEvent(event);
    lookUpPendingIcon();
}

void StateColorButton::lookUpPendingIcon()
{
    if (!m_pendingIcon)
        return;
    setIcon(style()->standardIcon(*m_pendingIcon));
    m_pendingIcon.reset();
}

void StateColorButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The parts a style's push button is made of, drawn one by one: the frame with the
    // button's own palette, since styles cache it under a key that includes the palette
    // (a palette changed for the text would leave a new cache entry behind on every
    // paint), and the label with the state's text colour.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // Styles draw a button's label in ButtonText and some flat ones in WindowText; the
    // disabled group keeps the style's greyed text.
    const QColor text = QColor::fromRgba(currentTextColor());
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        label.palette.setColor(group, QPalette::ButtonText, text);
        label.palette.setColor(group, QPalette::WindowText, text);
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, label);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tenvik
