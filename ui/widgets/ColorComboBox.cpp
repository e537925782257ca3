#include "ui/widgets/ColorComboBox.h"

#include "ui/widgets/ColorNames.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <optional>

namespace tenvik {

namespace {

constexpr int VisibleRows = 12;
constexpr int SwatchSize = 16;
constexpr int CheckerCells = 4; // per side of the swatch

QPixmap Swatch(TAlphaColor color, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(SwatchSize, SwatchSize) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const QRectF area(0, 0, SwatchSize, SwatchSize);
    // A see-through colour is drawn over a checkerboard, so "Null" reads as no colour
    // rather than as white.
    if (QColor::fromRgba(color).alpha() < 255) {
        const qreal cell = qreal(SwatchSize) / CheckerCells;
        for (int row = 0; row < CheckerCells; ++row) {
            for (int column = row % 2; column < CheckerCells; column += 2)
                painter.fillRect(QRectF(column * cell, row * cell, cell, cell), Qt::lightGray);
        }
    }
    painter.fillRect(area, QColor::fromRgba(color));
    painter.setPen(QPen(Qt::gray, 0)); // a light colour still shows its edge
    painter.drawRect(area.adjusted(0, 0, -1.0 / devicePixelRatio, -1.0 / devicePixelRatio));
    return pixmap;
}

// A swatch drawn when it is shown, at the size and screen scale it is shown at. Laying
// out the list asks only for its size, so the 148 swatches cost nothing until the list
// first opens, and then only the rows in view are drawn.
class SwatchIconEngine : public QIconEngine {
public:
    explicit SwatchIconEngine(TAlphaColor color) : m_color(color) {}

    QIconEngine* clone() const override { return new SwatchIconEngine(m_color); }
    bool isNull() override { return false; }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const qreal scale = qreal(size.height()) / SwatchSize;
        return scale > 0 ? Swatch(m_color, scale) : QPixmap();
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state); // the size is already in device pixels
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

private:
    TAlphaColor m_color;
};

QIcon SwatchIcon(TAlphaColor color)
{
    return QIcon(new SwatchIconEngine(color));
}

} // namespace

ColorComboBox::ColorComboBox(QWidget* parent) : ComboBox(parent)
{
    setMaxVisibleItems(VisibleRows);
    setIconSize(QSize(SwatchSize, SwatchSize));
    // The names in the user's language, in the table's order, which the selection rules
    // count by.
    for (int i = 0; i < NamedColorCount; ++i)
        addItem(SwatchIcon(NamedColors[static_cast<std::size_t>(i)].Value), ColorDisplayName(i));
}

void ColorComboBox::setColor(TAlphaColor color)
{
    const int current = currentIndex();
    const std::optional<int> selection =
        PickerSelectionFor(color, current >= 0 ? std::optional<int>(current) : std::nullopt);
    setCurrentIndex(selection.value_or(-1));
}

TAlphaColor ColorComboBox::color() const
{
    const int current = currentIndex();
    return PickerColor(current >= 0 ? std::optional<int>(current) : std::nullopt);
}

std::optional<int> PickerSelectionFor(TAlphaColor color, std::optional<int> current)
{
    const auto it = std::ranges::find(NamedColors, color, &TAlphaColorMapEntry::Value);
    if (it == NamedColors.end())
        return current;
    return static_cast<int>(it - NamedColors.begin());
}

TAlphaColor PickerColor(std::optional<int> selection)
{
    // An index past the list reads like no selection rather than reading past the table.
    if (!selection || *selection < 0 || *selection >= NamedColorCount)
        return colors::Null;
    return NamedColors[static_cast<std::size_t>(*selection)].Value;
}

} // namespace tenvik
