#pragma once

#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace tenvik {
class TMainForm;
}

namespace tenvik::test {

// A text the sizing pass sizes that inks outside the box it is drawn in.
struct StrayText {
    QString widget; // its object name
    QString text;   // as shown, lines broken with '\n'
    QRect ink;      // every pixel the text inks, in the widget's coordinates
    QRect box;      // where it may ink: the widget, less a label's margins
    QString over;   // a button docked on a label that the text runs under; empty if none
};

// Every sized text of the page on show whose ink leaves its box: the page's toolbar title
// and, on the Calendar page, the month title, the weekday names, the day numbers and the
// legend, the small labels of the cells and the status line. A label's text must also keep
// clear of the buttons that lie on it. Each text is drawn again, unclipped, with the
// widget's own font, size, alignment, margins and word wrap, so what a widget would cut
// off shows here. Empty when every text fits.
std::vector<StrayText> TextsLeavingTheirBoxes(const TMainForm& w);

// Every day cell of the Calendar page whose marks are in the way of its texts or its
// border: a block of marks that leaves the cell less its border, or comes within a pixel
// of the ink of the day number or of the corner label (each drawn again unclipped, as
// above), or a cell that holds marks and finds no room for them. Listed as stray texts
// named after the cell, "marks" as their text. Empty when every mark keeps clear.
std::vector<StrayText> MarksInTheWay(const TMainForm& w);

// One line per stray text, for a failed expectation.
std::string Describe(const std::vector<StrayText>& strays);

} // namespace tenvik::test
