#include "ui/widgets/MarkPlacement.h"

#include <algorithm>
#include <vector>

namespace tenvik {
namespace {

// Sides are tried from the preferred down in steps this small, so that the marks lose no
// more than a fraction of a pixel.
constexpr qreal SideStep = 0.25;

std::vector<QRectF> Places(const QRectF& inside, const std::vector<QRectF>& obstacles, QSizeF size)
{
    const qreal left = inside.left();
    const qreal right = inside.right() - size.width();
    const qreal top = inside.top();
    const qreal bottom = inside.bottom() - size.height();
    std::vector<QRectF> places = {{QPointF(right, top), size},
                                  {QPointF(left, bottom), size},
                                  {QPointF(left, top), size},
                                  {QPointF(right, bottom), size}};
    // A tall, narrow cell has room only between its number and its label.
    for (const qreal x : {right, left}) {
        for (const QRectF& obstacle : obstacles) {
            for (const qreal y : {obstacle.bottom(), obstacle.top() - size.height()}) {
                if (y >= top && y <= bottom)
                    places.emplace_back(QPointF(x, y), size);
            }
        }
    }
    return places;
}

bool Clear(const QRectF& place, const std::vector<QRectF>& obstacles)
{
    return std::none_of(obstacles.begin(), obstacles.end(),
                        [&place](const QRectF& obstacle) { return obstacle.intersects(place); });
}

} // namespace

qreal MarkGap(qreal side)
{
    return std::max<qreal>(1, side * 0.25);
}

std::optional<MarkPlace> PlaceMarkRow(const QRectF& inside, std::span<const QRectF> obstacles, MarkRow row,
                                      qreal clearance)
{
    if (row.count <= 0 || inside.isEmpty())
        return std::nullopt;
    std::vector<QRectF> kept;
    for (const QRectF& obstacle : obstacles) {
        if (!obstacle.isEmpty())
            kept.push_back(obstacle.adjusted(-clearance, -clearance, clearance, clearance));
    }
    for (qreal side = row.preferredSide; side >= row.minimumSide; side -= SideStep) {
        const qreal gap = MarkGap(side);
        for (const int rows : {1, 2}) {
            if (rows > row.count)
                break;
            const int columns = (row.count + rows - 1) / rows;
            const QSizeF size(columns * side + (columns - 1) * gap, rows * side + (rows - 1) * gap);
            if (size.width() > inside.width() || size.height() > inside.height())
                continue;
            for (const QRectF& place : Places(inside, kept, size)) {
                if (Clear(place, kept))
                    return MarkPlace{place, columns, side};
            }
        }
    }
    return std::nullopt;
}

} // namespace tenvik
