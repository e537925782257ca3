#include "PaintCounter.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/Rectangle.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/Text.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLayout>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

// A window holding one rectangle filled by a text, like a grid cell; clicks go through
// the window, so Qt's own hit testing decides who gets them.
class RectangleClickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 200);
        cell = new Rectangle(&window);
        cell->setGeometry(50, 50, 54, 54);
        auto* number = new Text;
        number->setText(u"17"_s);
        cell->layout()->addWidget(number);
        ASSERT_TRUE(test::ShowAndSettle(window));
    }
    QWindow* handle() { return window.windowHandle(); }

    QWidget window;
    Rectangle* cell = nullptr;
};

TEST_F(RectangleClickTest, ALeftClickOnItsTextClicksTheRectangle)
{
    QSignalSpy clicks(cell, &Rectangle::clicked);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(handle(), Qt::RightButton, {}, QPoint(70, 70));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(RectangleClickTest, AReleaseOutsideIsNoClick)
{
    QSignalSpy clicks(cell, &Rectangle::clicked);
    QTest::mousePress(handle(), Qt::LeftButton, {}, QPoint(70, 70));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(RectangleClickTest, WithoutHitTestTheClickPassesThrough)
{
    QSignalSpy clicks(cell, &Rectangle::clicked);
    cell->setHitTest(false);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(clicks.count(), 0);
    cell->setHitTest(true);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(RectangleTest, ChildFillsIt)
{
    Rectangle band;
    auto* title = new Text;
    band.layout()->addWidget(title);
    band.resize(350, 40);
    band.show();
    EXPECT_EQ(title->geometry(), QRect(0, 0, 350, 40));
}

TEST(RectangleTest, HalfUnitBorderIsOneCrispDevicePixelAtScaleTwo)
{
    Rectangle cell;
    cell.resize(10, 10);
    cell.setFillColor(0xFFFFFFFF);
    cell.setStrokeColor(0xFF708090);
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);

    cell.setStrokeThickness(0.5);
    image.fill(Qt::transparent);
    cell.render(&image);
    for (const QPoint border : {QPoint(10, 0), QPoint(0, 10), QPoint(19, 10), QPoint(10, 19)})
        EXPECT_EQ(image.pixel(border), 0xFF708090) << border.x() << "," << border.y();
    EXPECT_EQ(image.pixel(10, 1), 0xFFFFFFFF);
    EXPECT_EQ(image.pixel(1, 10), 0xFFFFFFFF);

    // Thickness 0 and below: no border at all (not Qt's one-pixel cosmetic pen).
    for (const qreal none : {0.0, -1.0}) {
        cell.setStrokeThickness(none);
        image.fill(Qt::transparent);
        cell.render(&image);
        EXPECT_EQ(image.pixel(10, 0), 0xFFFFFFFF);
    }
}

TEST(RectangleTest, RepaintsOnlyWhenAValueChanges)
{
    Rectangle cell;
    cell.resize(54, 54);
    test::PaintCounter paints(cell);
    ASSERT_TRUE(test::ShowAndSettle(cell));
    const std::vector<std::function<void()>> setters = {
        [&] { cell.setFillColor(0xFFFF0000); },
        [&] { cell.setStrokeColor(0xFF708090); },
        [&] { cell.setStrokeThickness(0.5); },
        [&] { cell.setStrokeThickness(0.0); },
    };
    test::ExpectRepaintsOnceThenNever(paints, setters);
    // A negative thickness is no border, as 0 already is.
    cell.setStrokeThickness(-1.0);
    test::FlushRepaints();
    EXPECT_EQ(paints.count(), 0);
}

TEST(SwitchTest, SpaceAndClickToggleItAndAScreenReaderSeesACheckBox)
{
    Switch sw;
    sw.resize(sw.sizeHint());
    QSignalSpy toggles(&sw, &Switch::toggled);

    QTest::keyClick(&sw, Qt::Key_Space);
    EXPECT_TRUE(sw.isChecked());
    QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(20, 13));
    EXPECT_FALSE(sw.isChecked());
    EXPECT_EQ(toggles.count(), 2);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&sw);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_FALSE(accessible->state().checked);
    sw.setChecked(true);
    EXPECT_TRUE(accessible->state().checked);
}

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo.addItems({u"RDO"_s, u"A1"_s, u"A2"_s});
        ASSERT_TRUE(test::ShowAndSettle(combo));
    }
    ComboBox combo;
    QSignalSpy opened{&combo, &ComboBox::popupOpened};
    QSignalSpy closed{&combo, &ComboBox::popupClosed};
};

TEST_F(ComboBoxTest, AChoiceIsTheCurrentItemWhenTheCloseIsReported)
{
    int indexWhenClosed = -1;
    QObject::connect(&combo, &ComboBox::popupClosed, &combo, [&] { indexWhenClosed = combo.currentIndex(); });
    combo.showPopup();
    EXPECT_EQ(opened.count(), 1);
    combo.view()->setCurrentIndex(combo.model()->index(2, 0));
    QTest::keyClick(combo.view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(indexWhenClosed, 2);
}

TEST_F(ComboBoxTest, ReportsACloseWithoutAChoice)
{
    struct Case {
        const char* name;
        std::function<void(ComboBox&)> close;
    };
    const Case cases[] = {
        {"hidePopup", [](ComboBox& c) { c.hidePopup(); }},
        {"Escape", [](ComboBox& c) { QTest::keyClick(c.view(), Qt::Key_Escape); }},
        {"closed directly", [](ComboBox& c) { c.view()->window()->close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        closed.clear();
        combo.showPopup();
        ASSERT_TRUE(combo.view()->isVisible());
        c.close(combo);
        QCoreApplication::processEvents();
        EXPECT_EQ(opened.count(), 1);
        EXPECT_EQ(closed.count(), 1);
        EXPECT_EQ(combo.currentIndex(), 0);
    }
    combo.hidePopup(); // already closed: nothing more to report
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.count(), 1);
}

// A box given a font before it first shows: the list it drops down later has that font,
// and the box is as large as the font makes it.
TEST(ComboBoxFontTest, AFontGivenBeforeTheListIsMadeReachesItAndTheBoxsSize)
{
    ComboBox combo;
    combo.addItems({u"Aliceblue"_s, u"Antiquewhite"_s, u"Mediumspringgreen"_s});
    QFont large = combo.font();
    large.setPixelSize(40);
    combo.setFont(large);

    ASSERT_TRUE(test::ShowAndSettle(combo));
    EXPECT_GE(combo.sizeHint().width(), QFontMetrics(large).horizontalAdvance(QStringLiteral("Mediumspringgreen")));
    combo.showPopup();
    EXPECT_EQ(combo.view()->font().pixelSize(), 40);
    combo.hidePopup();
}

class StateColorButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        today = new StateColorButton(u"Today"_s, &window);
        today->setGeometry(10, 10, 77, 41);
        other = new StateColorButton(u"Save"_s, &window);
        other->setGeometry(150, 10, 89, 44);
        today->setTextColors({0xFF696969, 0xFF00FF00, 0xFFFF0000, 0xFF0000FF});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }
    // Whether the button's painted text has any pixel of exactly that colour.
    bool paintsTextIn(QRgb color)
    {
        const QImage image = today->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == color)
                    return true;
        return false;
    }
    QWidget window;
    StateColorButton* today = nullptr;
    StateColorButton* other = nullptr;
};

TEST_F(StateColorButtonTest, TextColourFollowsTheState)
{
    EXPECT_EQ(today->currentTextColor(), 0xFF696969u);
    EXPECT_TRUE(paintsTextIn(0xFF696969));

    today->setFocus();
    EXPECT_EQ(today->currentTextColor(), 0xFFFF0000u);

    // From a spot beside the button onto it: the pointer may already rest at the
    // button's spot after an earlier window, and then no move would happen.
    QTest::mouseMove(window.windowHandle(), QPoint(120, 80));
    QTest::mouseMove(window.windowHandle(), QPoint(40, 30));
    EXPECT_TRUE(today->underMouse());
    EXPECT_EQ(today->currentTextColor(), 0xFF00FF00u); // hot wins over focused

    today->setDown(true);
    EXPECT_EQ(today->currentTextColor(), 0xFF0000FFu); // pressed wins over both
    EXPECT_TRUE(paintsTextIn(0xFF0000FF));
    EXPECT_FALSE(paintsTextIn(0xFF696969));
}

TEST(StateColorButtonIconTest, LooksUpAStandardIconWhenFirstShown)
{
    QWidget window;
    auto* back = new StateColorButton(u"Back"_s, &window);
    back->setStandardIcon(QStyle::SP_ArrowBack);
    EXPECT_TRUE(back->icon().isNull());
    window.show();
    EXPECT_FALSE(back->icon().isNull());

    auto* later = new StateColorButton(u"Back"_s, &window);
    later->show();
    later->setStandardIcon(QStyle::SP_ArrowBack); // already shown: at once
    EXPECT_FALSE(later->icon().isNull());
}

TEST_F(StateColorButtonTest, RepaintsOnlyWhenAValueChanges)
{
    test::PaintCounter paints(*today);
    test::FlushRepaints();
    const std::vector<std::function<void()>> setters = {
        [&] { today->setTextColor(0xFF000000); },
        [&] { today->setBold(true); },
        [&] { today->setUnderline(true); },
        [&] { today->setFontPixelSize(13.5f); },
    };
    test::ExpectRepaintsOnceThenNever(paints, setters, test::FirstRepaint::AtLeastOnce);
    EXPECT_TRUE(today->bold());
    EXPECT_TRUE(today->underline());
}

} // namespace
} // namespace tenvik
