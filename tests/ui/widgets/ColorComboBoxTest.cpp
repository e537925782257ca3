#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ColorNames.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

int IndexNamed(const ColorComboBox& picker, const char* name)
{
    return picker.findText(QString::fromLatin1(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

TEST(ColorComboBoxTest, ListsTheNamedColoursInTableOrder)
{
    ColorComboBox picker;
    ASSERT_EQ(picker.count(), NamedColorCount);
    for (int i = 0; i < NamedColorCount; ++i) {
        const auto& entry = NamedColors[static_cast<std::size_t>(i)];
        EXPECT_EQ(picker.itemText(i).toStdString(), entry.Name) << i;
        // The translations are made from these sources; a name added to the table needs one.
        EXPECT_EQ(ColorNameSource(i), entry.Name) << i;
    }
    EXPECT_EQ(picker.maxVisibleItems(), 12);
}

// The application's style drops lists as menus of every item (Fusion does); the colour
// list still shows 12 rows and scrolls, rather than 148 rows over the whole screen.
TEST(ColorComboBoxTest, DroppedListShowsTwelveRows)
{
    ColorComboBox picker;
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    picker.showPopup();
    QAbstractItemView& list = *picker.view();
    ASSERT_TRUE(list.isVisible());
    const double rows = double(list.viewport()->height()) / list.sizeHintForRow(0);
    EXPECT_NEAR(rows, 12.0, 0.5) << QApplication::style()->name().toStdString();
    picker.hidePopup();
}

TEST(ColorComboBoxTest, SelectsTheFirstNameOfAValueAndKeepsTheSelectionForAnUnknownOne)
{
    ColorComboBox picker;
    picker.setColor(colors::Darkgray);
    EXPECT_EQ(picker.currentText(), u"Darkgray"_s); // not its twin "Darkgrey"
    EXPECT_EQ(picker.color(), colors::Darkgray);

    picker.setColor(0xFF123456);
    EXPECT_EQ(picker.currentText(), u"Darkgray"_s);

    picker.setColor(colors::Null);
    EXPECT_EQ(picker.currentIndex(), NullColorIndex);
    EXPECT_EQ(picker.color(), colors::Null);

    picker.setCurrentIndex(IndexNamed(picker, "Navy"));
    EXPECT_EQ(picker.color(), colors::Navy);
    picker.setCurrentIndex(-1);
    EXPECT_EQ(picker.color(), colors::Null);
    picker.setColor(0xFF123456); // nothing selected and nothing to select
    EXPECT_EQ(picker.currentIndex(), -1);
}

std::set<QRgb> SwatchColours(const ColorComboBox& picker, int index)
{
    const QImage swatch = picker.itemIcon(index).pixmap(QSize(16, 16), 1.0).toImage();
    std::set<QRgb> found;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x)
            found.insert(swatch.pixel(x, y));
    return found;
}

TEST(ColorComboBoxTest, SwatchShowsTheColourAndNullAsACheckerboard)
{
    ColorComboBox picker;
    EXPECT_EQ(SwatchColours(picker, IndexNamed(picker, "Red")), std::set<QRgb>{0xFFFF0000});
    EXPECT_EQ(SwatchColours(picker, NullColorIndex).size(), 2u);
}

// ---- The selection rules --------------------------------------------------------------

TEST(ColorPicker, SelectsTheLowestIndexWithTheValueAndKeepsTheSelectionOtherwise)
{
    const struct {
        TAlphaColor color;
        std::optional<int> current;
        std::optional<int> expected;
    } cases[] = {
        {0xFFA9A9A9, 147, 24}, // Darkgray, not Darkgrey
        {0xFF00FFFF, 20, 2},   // Aqua even when Cyan is showing
        {0xFFFF00FF, std::nullopt, 48},
        {0x00000000, 7, 147},
        {0xFFF0F8FF, 9, 0},
        {0xFF9ACD32, 0, 146},
        {0xFF123456, 119, 119}, // no item: selection stays
        {0xFEFF0000, 119, 119},
        {0xFF123456, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.color);
        EXPECT_EQ(PickerSelectionFor(c.color, c.current), c.expected);
    }
}

TEST(ColorPicker, ReadsTheSelectedValueAndNullWithoutAValidSelection)
{
    EXPECT_EQ(PickerColor(std::nullopt), colors::Null);
    EXPECT_EQ(PickerColor(-1), colors::Null);
    EXPECT_EQ(PickerColor(148), colors::Null);
    EXPECT_EQ(PickerColor(147), colors::Null);
    EXPECT_EQ(PickerColor(0), 0xFFF0F8FFu);
    EXPECT_EQ(PickerColor(26), 0xFFA9A9A9u);
    EXPECT_EQ(PickerColor(146), 0xFF9ACD32u);

    // Every item reads back as itself unless an earlier item has the same value.
    for (int index = 0; index < NamedColorCount; ++index) {
        const auto selection = PickerSelectionFor(PickerColor(index), std::nullopt);
        ASSERT_TRUE(selection.has_value());
        EXPECT_LE(*selection, index);
        EXPECT_EQ(PickerColor(*selection), PickerColor(index));
    }
}

} // namespace
} // namespace tenvik
