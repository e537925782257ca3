#include "ui/widgets/Text.h"

#include "ui/widgets/Label.h"
#include "ui/widgets/TextLines.h"

#include <QPainter>

namespace tenvik {

namespace {

Qt::Alignment HorizontalFlag(Text::Align align)
{
    switch (align) {
    case Text::Align::Leading:
        return Qt::AlignLeading;
    case Text::Align::Trailing:
        return Qt::AlignTrailing;
    case Text::Align::Center:
        break;
    }
    return Qt::AlignHCenter;
}

Qt::Alignment VerticalFlag(Text::Align align)
{
    switch (align) {
    case Text::Align::Leading:
        return Qt::AlignTop;
    case Text::Align::Trailing:
        return Qt::AlignBottom;
    case Text::Align::Center:
        break;
    }
    return Qt::AlignVCenter;
}

} // namespace

Text::Text(QWidget* parent) : QWidget(parent)
{
}

void Text::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(DisplayLines(text));
    update();
}

void Text::setColor(TAlphaColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void Text::setFontSize(float pixels)
{
    // Compared bit for bit so that a NaN stored once does not repaint on every pass.
    if (pixels == m_fontSize || (pixels != pixels && m_fontSize != m_fontSize))
        return;
    m_fontSize = pixels;
    update();
}

void Text::setBold(bool on)
{
    if (on == m_bold)
        return;
    m_bold = on;
    update();
}

void Text::setUnderline(bool on)
{
    if (on == m_underline)
        return;
    m_underline = on;
    update();
}

void Text::setAlign(Align horizontal, Align vertical)
{
    if (horizontal == m_hAlign && vertical == m_vAlign)
        return;
    m_hAlign = horizontal;
    m_vAlign = vertical;
    update();
}

void Text::setMargins(const QMarginsF& margins)
{
    if (margins == m_margins)
        return;
    m_margins = margins;
    update();
}

void Text::setWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    update();
}

QFont Text::drawnFont() const
{
    QFont f = font();
    SetFontPixelSizeF(f, m_fontSize, *this);
    f.setBold(m_bold);
    f.setUnderline(m_underline);
    return f;
}

QRectF Text::textArea() const
{
    // Negative margins widen the area beyond the widget; what falls outside is clipped.
    return QRectF(rect()) - m_margins;
}

int Text::textFlags() const
{
    int flags = HorizontalFlag(m_hAlign) | VerticalFlag(m_vAlign);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void Text::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(drawnFont());
    painter.setPen(QColor::fromRgba(m_color));
    painter.drawText(textArea(), textFlags(), DisplayLines(m_text));
}

} // namespace tenvik
