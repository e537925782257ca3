#pragma once

#include "ui/widgets/MarkPlacement.h"
#include "ui/widgets/Rectangle.h"

#include <QRectF>

#include <optional>
#include <vector>

// A day of the month grid: a rectangle that also draws a small mark for each kind of entry
// the user keeps on the day, in a corner its texts leave free. Without marks it draws
// exactly as a Rectangle does.
namespace tenvik {

class Text;

// One flag per kind of entry; each has a shape of its own, so that it can be told without
// its colour: trade a diamond, leave a disc, extra hours a triangle, a note a square. A
// day's marks stand in a row in that order.
struct CellMarks {
    bool trade = false;
    bool leave = false;
    bool extra = false;
    bool note = false;

    bool Any() const { return trade || leave || extra || note; }
    friend bool operator==(const CellMarks&, const CellMarks&) = default;
};

class DayCell : public Rectangle {
    Q_OBJECT
public:
    explicit DayCell(QWidget* parent = nullptr);

    CellMarks marks() const { return m_marks; }
    TAlphaColor markColor() const { return m_markColor; }
    // Repaints only when either changes.
    void setMarks(const CellMarks& marks, TAlphaColor color);

    // The texts lying on the cell, whose ink the marks keep clear of.
    void setTextsOnTop(std::vector<const Text*> texts);

    // Where the marks are drawn, in the cell's coordinates, for the texts as they
    // are now; nothing when the cell has no marks or no room for them.
    std::optional<QRectF> marksBlock() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int markCount() const;
    std::optional<MarkPlace> marksPlace() const;

    CellMarks m_marks;
    TAlphaColor m_markColor = 0xFF000000;
    std::vector<const Text*> m_texts;
};

} // namespace tenvik
