#include "ui/widgets/MarkPlacement.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tenvik {
namespace {

// A cell of 48 × 60 with its number in the top left; the marks find the room its texts leave.
TEST(MarkPlacementTest, MarksTakeTheFirstPlaceTheTextsLeaveAndShrinkOnlyAsFarAsTheyMust)
{
    const QRectF inside(0, 0, 48, 60);
    const QRectF number(0, 0, 30, 26);
    struct Case {
        const char* name;
        std::vector<QRectF> texts;
        MarkRow row;
        std::optional<MarkPlace> expected;
    };
    const Case cases[] = {
        {"top right, beside the number", {number}, {2, 8, 3}, MarkPlace{{30, 0, 18, 8}, 2, 8}},
        {"bottom left, when the number leaves the top no room",
         {{0, 0, 44, 26}},
         {4, 8, 3},
         MarkPlace{{0, 52, 38, 8}, 4, 8}},
        // A label along the whole foot and a number across the whole top: only between them.
        {"along the right edge, below the number",
         {{0, 0, 48, 26}, {0, 40, 48, 20}},
         {1, 8, 3},
         MarkPlace{{40, 26, 8, 8}, 1, 8}},
        {"smaller, where no place holds the preferred side",
         {{0, 0, 48, 26}, {0, 32, 48, 28}},
         {1, 8, 3},
         MarkPlace{{42, 26, 6, 6}, 1, 6}},
        {"two rows, where one row does not fit", {{0, 0, 40, 60}}, {4, 3, 3}, MarkPlace{{41, 0, 7, 7}, 2, 3}},
        {"none, below the smallest side", {{0, 0, 48, 28}, {0, 30, 48, 30}}, {1, 8, 3}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MarkPlace> place = PlaceMarkRow(inside, c.texts, c.row, 0);
        ASSERT_EQ(place.has_value(), c.expected.has_value());
        if (!place)
            continue;
        EXPECT_EQ(place->rect, c.expected->rect);
        EXPECT_EQ(place->columns, c.expected->columns);
        EXPECT_EQ(place->side, c.expected->side);
    }
}

// Marks keep the clearance off a text's ink: beside a number that leaves exactly their
// width they go to the next corner rather than touch it.
TEST(MarkPlacementTest, ClearanceKeepsMarksOffTheInk)
{
    const std::vector<QRectF> number = {{0, 0, 30, 26}};
    const std::optional<MarkPlace> place = PlaceMarkRow({0, 0, 48, 60}, number, {2, 8, 3}, 1);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->rect, QRectF(0, 52, 18, 8));
}

} // namespace
} // namespace tenvik
