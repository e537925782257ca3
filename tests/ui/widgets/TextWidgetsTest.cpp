#include "PaintCounter.h"
#include "QtWarningRecorder.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Text.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

struct SetterCase {
    const char* name;
    std::function<void(Text&)> set;
};

TEST(TextTest, RepaintsOnlyWhenAValueChanges)
{
    const std::vector<SetterCase> cases = {
        {"text", [](Text& t) { t.setText(u"17"_s); }},
        {"color", [](Text& t) { t.setColor(0xFFFF0000); }},
        {"font size", [](Text& t) { t.setFontSize(13.965f); }},
        {"font size of zero", [](Text& t) { t.setFontSize(0.0f); }},
        {"bold", [](Text& t) { t.setBold(true); }},
        {"underline", [](Text& t) { t.setUnderline(true); }},
        {"alignment", [](Text& t) { t.setAlign(Text::Align::Leading, Text::Align::Leading); }},
        {"margins", [](Text& t) { t.setMargins(QMarginsF(4, -2, 0, 0)); }},
        {"word wrap", [](Text& t) { t.setWordWrap(true); }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        Text text;
        text.setText(u"1"_s);
        text.resize(54, 54);
        test::PaintCounter paints(text);
        ASSERT_TRUE(test::ShowAndSettle(text));
        test::ExpectRepaintsOnceThenNever(paints, [&] { c.set(text); });
    }
}

// The box around the dark pixels a text painted.
QRect InkBounds(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && qRed(pixel) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

int InkHeight(QWidget& widget)
{
    return InkBounds(widget).height();
}

TEST(TextTest, AlignsInsideTheAreaItsMarginsLeave)
{
    struct Case {
        const char* name;
        Text::Align horizontal;
        Text::Align vertical;
        QMarginsF margins;
        QRect inkWithin; // where the ink must lie in a 54 x 54 cell
    };
    const Case cases[] = {
        {"day number in the corner", Text::Align::Leading, Text::Align::Leading, QMarginsF(4, -2, 0, 0),
         QRect(4, 0, 16, 16)},
        {"centred day number", Text::Align::Center, Text::Align::Center, QMarginsF(), QRect(17, 17, 20, 20)},
        {"small label", Text::Align::Trailing, Text::Align::Trailing, QMarginsF(0, 0, 4, 2), QRect(30, 36, 20, 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Text text;
        text.resize(54, 54);
        text.setAttribute(Qt::WA_TranslucentBackground);
        text.setText(u"8"_s);
        text.setFontSize(12.0f);
        text.setAlign(c.horizontal, c.vertical);
        text.setMargins(c.margins);
        const QRect ink = InkBounds(text);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(c.inkWithin.contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST(TextTest, CarriageReturnBreaksTheLineAndTheNameKeepsTheBreak)
{
    Text oneLine;
    Text twoLines;
    for (Text* t : {&oneLine, &twoLines}) {
        t->resize(60, 60);
        t->setFontSize(12.0f);
        t->setAttribute(Qt::WA_TranslucentBackground);
    }
    oneLine.setText(u"PP3 A1"_s);
    twoLines.setText(u"PP3\rA1"_s);

    EXPECT_EQ(twoLines.text(), u"PP3\rA1"_s);
    EXPECT_EQ(twoLines.accessibleName(), u"PP3\nA1"_s);
    const int single = InkHeight(oneLine);
    ASSERT_GT(single, 0);
    EXPECT_GT(InkHeight(twoLines), single + single / 2);
}

TEST(TextTest, SizesOfZeroOrLessAreKeptAndDrawnWithoutQtWarnings)
{
    const test::QtWarningRecorder warnings;
    Text text;
    text.setText(u"9"_s);
    text.resize(20, 20);
    for (const float size : {0.0f, -0.016f, -12.0f}) {
        text.setFontSize(size);
        EXPECT_EQ(text.fontSize(), size);
        text.grab();
    }
    EXPECT_TRUE(warnings.messages().isEmpty()) << warnings.text();
}

TEST(LabelTest, KeepsCarriageReturnsAndShowsThemAsLineBreaks)
{
    Label label;
    label.setRawText(u"12/31/2024\rPP1 - A3 *"_s);
    EXPECT_EQ(label.rawText(), u"12/31/2024\rPP1 - A3 *"_s);
    EXPECT_EQ(label.text(), u"12/31/2024\nPP1 - A3 *"_s);
    EXPECT_EQ(label.accessibleName(), u"12/31/2024\nPP1 - A3 *"_s);

    // An agency name is text, never markup.
    label.setRawText(u"<b>Velmora</b>"_s);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}

TEST(LabelTest, RepaintsOnlyWhenAValueChanges)
{
    Label label(u"Title"_s);
    label.resize(100, 30);
    test::PaintCounter paints(label);
    ASSERT_TRUE(test::ShowAndSettle(label));

    const std::vector<std::function<void()>> setters = {
        [&] { label.setRawText(u"Velmora Fire - A3"_s); },
        [&] { label.setColor(0xFFFFFFFF); },
        [&] { label.setFontSize(16.0f); },
    };
    test::ExpectRepaintsOnceThenNever(paints, setters, test::FirstRepaint::AtLeastOnce);
}

TEST(LabelTest, FractionalSizeIsKeptAndZeroGivesTheThemeSizeBack)
{
    QWidget page;
    QFont theme = page.font();
    theme.setPointSizeF(11.0);
    page.setFont(theme);
    Label label(u"Month and Year"_s, &page);

    label.setFontSize(13.965f);
    const qreal drawnPixels = label.font().pointSizeF() * label.logicalDpiY() / 72.0;
    EXPECT_NEAR(drawnPixels, 13.965, 1e-4);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));

    label.setFontSize(0.0f);
    EXPECT_EQ(label.fontSize(), 0.0f);
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 11.0);
}

} // namespace
} // namespace tenvik
