#include "ui/widgets/CellGrid.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tenvik {
namespace {

class CellGridTest : public ::testing::Test {
protected:
    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            grid.addItem(new QWidget);
    }
    QRect at(int index) const { return grid.items().at(static_cast<std::size_t>(index))->geometry(); }

    CellGrid grid;
};

TEST_F(CellGridTest, SevenItemsAFifthOfAPixelNarrowerThanTheRowFitOneRow)
{
    grid.resize(350, 400);
    grid.setItemSize((350 - 0.1f) / 7, (400 - 0.1f) / 6);
    fill(42);

    for (int i = 0; i < 42; ++i) {
        SCOPED_TRACE(i);
        const int row = i / 7;
        const int column = i % 7;
        EXPECT_EQ(at(i).top(), row == 0 ? 0 : at(i - 7).bottom() + 1); // rows touch
        if (column > 0) {
            EXPECT_EQ(at(i).top(), at(i - 1).top());
            EXPECT_EQ(at(i).left(), at(i - 1).right() + 1); // no gap, no overlap
        } else {
            EXPECT_EQ(at(i).left(), 0);
        }
    }
    EXPECT_EQ(at(6).right(), 349);
    EXPECT_EQ(at(41).bottom(), 399);
}

TEST_F(CellGridTest, StartsANewRowOnlyWhenTheNextItemWouldEndBeyondTheWidth)
{
    struct Case {
        const char* name;
        int layoutWidth;
        float itemWidth;
        int itemsInFirstRow;
    };
    const Case cases[] = {
        {"exactly seven widths", 350, 50.0f, 7},
        {"a hair too wide", 350, 50.001f, 6},
        {"wider than the layout: one per row", 40, 50.0f, 1},
    };
    fill(9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.resize(c.layoutWidth, 200);
        grid.setItemSize(c.itemWidth, 20.0f);
        for (int i = 0; i < 9; ++i) {
            const int row = i / c.itemsInFirstRow;
            EXPECT_EQ(at(i).top(), row * 20) << "item " << i;
        }
    }
}

TEST_F(CellGridTest, RelaysOutWhenResized)
{
    fill(8);
    grid.resize(350, 100);
    grid.setItemSize(50.0f, 30.0f);
    grid.show(); // a hidden widget gets its resize event only when shown
    ASSERT_EQ(at(7).topLeft(), QPoint(0, 30));

    grid.resize(400, 100);
    EXPECT_EQ(at(7).topLeft(), QPoint(350, 0));
}

TEST_F(CellGridTest, SizesOfZeroOrLessHideTheItemsUntilTheyArePlaceableAgain)
{
    fill(3);
    grid.items()[2]->hide(); // hidden by its owner: stays hidden
    grid.resize(350, 100);

    for (const auto& [width, height] : {std::pair{0.0f, 20.0f}, {50.0f, -0.016f}}) {
        grid.setItemSize(width, height);
        for (QWidget* item : grid.items())
            EXPECT_TRUE(item->isHidden());
    }
    grid.addItem(new QWidget); // added while unplaceable
    EXPECT_TRUE(grid.items()[3]->isHidden());

    grid.setItemSize(50.0f, 20.0f);
    EXPECT_FALSE(grid.items()[0]->isHidden());
    EXPECT_FALSE(grid.items()[1]->isHidden());
    EXPECT_TRUE(grid.items()[2]->isHidden());
    EXPECT_FALSE(grid.items()[3]->isHidden());
    EXPECT_EQ(at(1), QRect(50, 0, 50, 20));
}

TEST_F(CellGridTest, ForgetsAnItemThatIsDeleted)
{
    fill(3);
    grid.resize(350, 100);
    grid.setItemSize(50.0f, 20.0f);
    delete grid.items()[0];
    ASSERT_EQ(grid.items().size(), 2u);
    EXPECT_EQ(at(0).topLeft(), QPoint(0, 0));
}

TEST(TapAreaTest, ReportsADoubleClick)
{
    TapArea area;
    area.resize(100, 100);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    QSignalSpy doubleClicks(&area, &TapArea::doubleClicked);
    QTest::mouseDClick(area.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(doubleClicks.count(), 1);
}

} // namespace
} // namespace tenvik
