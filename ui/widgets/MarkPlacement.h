#pragma once

#include <QRectF>

#include <optional>
#include <span>

// Where a row (or, short of room, two rows) of small square marks goes in a cell that already holds texts: in a corner,
// or else beside them along the cell's right or left edge, clear of every text's ink.
// Pure geometry, so that the rule is tested apart from any widget.
namespace tenvik {

struct MarkRow {
    int count;           // marks side by side
    qreal preferredSide; // each mark's side where the cell has the room
    qreal minimumSide;   // below it the marks cannot be told apart: none are drawn
};

// The room between two marks of a row.
qreal MarkGap(qreal side);

struct MarkPlace {
    QRectF rect; // all the marks, a mark's side high for one row
    int columns; // marks in a row; the rest go in a second row below
    qreal side;  // each mark's
};

// The largest marks up to the preferred side, in one row or else in two, at the first
// place that holds them of the corners top right, bottom left, top left, bottom right,
// then the right and the left edge right below or above an obstacle. inside is the room
// the marks may take (the cell less its border); they keep clearance away from each
// obstacle. Nothing when no place holds marks of the minimum side.
std::optional<MarkPlace> PlaceMarkRow(const QRectF& inside, std::span<const QRectF> obstacles, MarkRow row,
                                      qreal clearance);

} // namespace tenvik
