// The controls docked at the edges of their bands and toolbars take the places the layout
// table gives them, at any window size: the edge, the margins and the width (or height)
// from the table, the rest of their band's height (or width).
#include "WindowFixture.h"

#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"

#include <QApplication>
#include <QImage>

namespace tenvik::test {
namespace {

enum class Edge { Top, Bottom, Left, Right };

struct DockedRow {
    const char* name;
    const char* inside;
    Edge edge;
    QMarginsF margins; // left, top, right, bottom
    qreal extent;      // width at the left or right, height at the top or bottom
};

// The layout table, written out as it stands there.
const DockedRow LayoutTable[] = {
    {"bPrev", "lblMonthName", Edge::Left, {4, 2, 0, 2}, 53},
    {"bNext", "lblMonthName", Edge::Right, {0, 2, 4, 2}, 54},
    {"bToday", "lblStatus", Edge::Left, {4, 2, 0, 2}, 77},
    {"deDate", "lblStatus", Edge::Right, {0, 2, 4, 2}, 94},
    {"tbSettings", "tabSettings", Edge::Top, {}, 48},
    {"sbBack2", "lblToolbar2", Edge::Left, {4, 2, 0, 2}, 77},
    {"bSave", "lblToolbar2", Edge::Right, {0, 2, 4, 2}, 89},
    {"tbHelp", "tabHelp", Edge::Top, {}, 48},
    {"sbBack3", "lblToolbar3", Edge::Left, {4, 2, 0, 2}, 77},
    {"tbAbout", "tabAbout", Edge::Top, {}, 48},
    {"sbBack4", "lblToolbar4", Edge::Left, {4, 2, 0, 2}, 77},
    {"loLinks", "loAbout", Edge::Bottom, {}, 134}, // the About page's scrolled content
    {"sbHelp1", "loLinks", Edge::Top, {16, 12, 16, 0}, 41},
    {"sbHelp2", "loLinks", Edge::Bottom, {16, 0, 16, 24}, 41},
};

QRectF ExpectedPlace(const DockedRow& row, const QSizeF& area)
{
    const QMarginsF& m = row.margins;
    const qreal across = area.height() - m.top() - m.bottom(); // a left or right control's height
    const qreal along = area.width() - m.left() - m.right();   // a top or bottom control's width
    switch (row.edge) {
    case Edge::Top:
        return {m.left(), m.top(), along, row.extent};
    case Edge::Bottom:
        return {m.left(), area.height() - m.bottom() - row.extent, along, row.extent};
    case Edge::Left:
        return {m.left(), m.top(), row.extent, across};
    case Edge::Right:
        break;
    }
    return {area.width() - m.right() - row.extent, m.top(), row.extent, across};
}

QWidget* PageOf(TMainForm& w, const QWidget& widget)
{
    for (int page = 0; page < w.tabCtrl->count(); ++page) {
        if (w.tabCtrl->widget(page)->isAncestorOf(&widget))
            return w.tabCtrl->widget(page);
    }
    return nullptr;
}

void ResizeOutside(TMainForm& w, QSize outer)
{
    w.resize(outer - (w.frameGeometry().size() - w.size()));
    QApplication::processEvents();
}

TEST_F(WindowTest, DockedControlsFillThePlacesOfTheLayoutTable)
{
    TMainForm& w = open();
    for (const QSize outer : {QSize(350, 640), QSize(480, 960)}) {
        ResizeOutside(w, outer);
        for (const DockedRow& row : LayoutTable) {
            SCOPED_TRACE(::testing::Message() << row.name << " at " << outer.width() << " x " << outer.height());
            auto* control = w.findChild<QWidget*>(QString::fromLatin1(row.name));
            ASSERT_NE(control, nullptr);
            ASSERT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.inside));
            w.tabCtrl->setCurrentWidget(PageOf(w, *control));
            QApplication::processEvents();

            const QRectF expected = ExpectedPlace(row, control->parentWidget()->size());
            const QRect actual = control->geometry();
            // Fractional edges are rounded to whole pixels.
            EXPECT_NEAR(actual.top(), expected.top(), 0.5);
            EXPECT_NEAR(actual.top() + actual.height(), expected.bottom(), 0.5);
            EXPECT_NEAR(actual.left() + actual.width(), expected.right(), 0.5);
            if (control == w.deDate) {
                // The date field is widened to show four-digit years whole, never narrowed.
                EXPECT_GE(actual.width(), expected.width());
            } else {
                EXPECT_NEAR(actual.left(), expected.left(), 0.5);
            }
        }
    }
}

// The darkest pixels a widget draws, as a box in its own coordinates.
QRect InkOf(QWidget& widget)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 96)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST_F(WindowTest, MonthArrowsAreDrawnLargeAndGrowWithTheirButtons)
{
    TMainForm& w = open();
    int previousHeight = 0;
    for (const QSize outer : {QSize(350, 400), QSize(350, 640)}) {
        ResizeOutside(w, outer);
        for (ArrowButton* arrow : {w.bPrev, w.bNext}) {
            SCOPED_TRACE(::testing::Message() << arrow->objectName().toStdString() << " at " << outer.height());
            const QRect ink = InkOf(*arrow);
            const int shorterSide = std::min(arrow->width(), arrow->height());
            EXPECT_GE(ink.height(), 0.4 * shorterSide);
            EXPECT_GT(ink.height(), previousHeight);
            // Centred in the button: a thumb finds it where the button is.
            EXPECT_NEAR(ink.center().x(), arrow->width() / 2.0, 2.0);
            EXPECT_NEAR(ink.center().y(), arrow->height() / 2.0, 2.0);
        }
        previousHeight = InkOf(*w.bNext).height();
    }
    // The arrows point the way they go.
    const QImage next = w.bNext->grab().toImage();
    const QRectF glyph = w.bNext->glyphRect();
    EXPECT_LT(qGray(next.pixel(QPointF(glyph.left() + 2, glyph.center().y()).toPoint())), 96);
    EXPECT_GT(qGray(next.pixel(QPointF(glyph.right() - 1, glyph.top() + 2).toPoint())), 96);
}

} // namespace
} // namespace tenvik::test
