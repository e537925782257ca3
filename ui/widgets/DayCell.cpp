#include "ui/widgets/DayCell.h"

#include "ui/widgets/MarkPlacement.h"
#include "ui/widgets/Text.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace tenvik {
namespace {

// A mark takes about a sixth of the cell's shorter side where the texts leave that much;
// below three pixels it is a dot whose shape cannot be told.
constexpr qreal PreferredShare = 0.16;
constexpr qreal MinimumMarkSide = 3;
// Off the cell's border (0.5) and a little more, and a pixel off every text's ink, so
// that anti-aliasing on either side never touches the other.
constexpr qreal EdgeRoom = 1.5;
constexpr qreal Clearance = 1;

QPainterPath Diamond(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.right(), r.center().y());
    path.lineTo(r.center().x(), r.bottom());
    path.lineTo(r.left(), r.center().y());
    path.closeSubpath();
    return path;
}

QPainterPath Disc(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath Triangle(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    return path;
}

QPainterPath Square(const QRectF& r)
{
    // A little smaller than its place, so that it weighs about as much as the others.
    const qreal inset = r.width() * 0.08;
    QPainterPath path;
    path.addRect(r.adjusted(inset, inset, -inset, -inset));
    return path;
}

} // namespace

DayCell::DayCell(QWidget* parent) : Rectangle(parent)
{
}

void DayCell::setMarks(const CellMarks& marks, TAlphaColor color)
{
    if (marks == m_marks && (color == m_markColor || !marks.Any()))
        return;
    m_marks = marks;
    m_markColor = color;
    update();
}

void DayCell::setTextsOnTop(std::vector<const Text*> texts)
{
    m_texts = std::move(texts);
}

int DayCell::markCount() const
{
    return int(m_marks.trade) + int(m_marks.leave) + int(m_marks.extra) + int(m_marks.note);
}

std::optional<QRectF> DayCell::marksBlock() const
{
    const std::optional<MarkPlace> at = marksPlace();
    return at ? std::optional(at->rect) : std::nullopt;
}

std::optional<MarkPlace> DayCell::marksPlace() const
{
    if (!m_marks.Any())
        return std::nullopt;
    std::vector<QRectF> inks;
    for (const Text* text : m_texts) {
        const QRect ink = text->inkRect();
        if (!ink.isEmpty())
            inks.emplace_back(QRectF(ink.translated(text->mapTo(this, QPoint(0, 0)))));
    }
    const QRectF inside = QRectF(rect()).adjusted(EdgeRoom, EdgeRoom, -EdgeRoom, -EdgeRoom);
    const qreal preferred = std::max(MinimumMarkSide, PreferredShare * std::min(width(), height()));
    return PlaceMarkRow(inside, inks, {markCount(), preferred, MinimumMarkSide}, Clearance);
}

void DayCell::paintEvent(QPaintEvent* event)
{
    Rectangle::paintEvent(event);
    const std::optional<MarkPlace> at = marksPlace();
    if (!at)
        return;
    const qreal step = at->side + MarkGap(at->side);
    int drawn = 0;
    QPainterPath marks;
    const auto add = [&](bool shown, QPainterPath (*shape)(const QRectF&)) {
        if (!shown)
            return;
        const QPointF corner = at->rect.topLeft() + QPointF(drawn % at->columns, drawn / at->columns) * step;
        marks.addPath(shape(QRectF(corner, QSizeF(at->side, at->side))));
        ++drawn;
    };
    add(m_marks.trade, Diamond);
    add(m_marks.leave, Disc);
    add(m_marks.extra, Triangle);
    add(m_marks.note, Square);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(marks, QColor::fromRgba(m_markColor));
}

} // namespace tenvik
