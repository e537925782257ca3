#include "ui/widgets/TextFit.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tenvik {
namespace {

TEST(TextFitTest, SizeShrinksOnlyAsFarAsTheWidestLineAndTheLinesNeed)
{
    const QWidget widget;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QStringList days{QStringLiteral("1"), QStringLiteral("28"), QStringLiteral("31")};

    // Room enough: the wanted size stands.
    EXPECT_EQ(FittingPixelSize(20.0f, bold, widget, days, 1, QSizeF(200, 200)), 20.0f);

    // Too narrow: the widest text fits the width at the size found, and only just.
    const float narrow = FittingPixelSize(40.0f, bold, widget, days, 1, QSizeF(30, 200));
    EXPECT_LT(narrow, 40.0f);
    EXPECT_LE(WidestTextWidth(bold, narrow, widget, days), 30.0);
    EXPECT_GT(WidestTextWidth(bold, narrow * 1.1f, widget, days), 30.0);

    // Too low for two lines.
    const float low = FittingPixelSize(40.0f, bold, widget, days, 2, QSizeF(200, 40));
    QFont at = bold;
    at.setPixelSize(static_cast<int>(low));
    EXPECT_LE(2 * QFontMetricsF(at, &widget).lineSpacing(), 40.0 + 2);
    EXPECT_LT(low, 20.0f);

    // No room at all gives the smallest text drawn; a size of none is left as it is.
    EXPECT_EQ(FittingPixelSize(40.0f, bold, widget, days, 1, QSizeF(0, 0)), 1.0f);
    EXPECT_EQ(FittingPixelSize(0.0f, bold, widget, days, 1, QSizeF(10, 10)), 0.0f);
    EXPECT_TRUE(
        std::isnan(FittingPixelSize(std::numeric_limits<float>::quiet_NaN(), bold, widget, days, 1, QSizeF(10, 10))));
}

TEST(TextFitTest, CentredTextMovesOffCentreOnlyWhenItMust)
{
    struct Case {
        const char* name;
        qreal width, freeLeft, freeRight, text;
        QMarginsF margins;
    };
    const Case cases[] = {
        {"fits on the centre", 300, 60, 250, 100, {60, 0, 60, 0}},
        {"fits only off centre", 256, 81, 147, 60, {87, 0, 109, 0}},
        {"fits nowhere: the middle of the room", 256, 81, 147, 100, {81, 0, 109, 0}},
        {"no buttons", 200, 0, 200, 50, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QMarginsF m = CentredTextMargins(c.width, c.freeLeft, c.freeRight, c.text);
        EXPECT_DOUBLE_EQ(m.left(), c.margins.left());
        EXPECT_DOUBLE_EQ(m.right(), c.margins.right());
    }
}

} // namespace
} // namespace tenvik
