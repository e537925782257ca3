// A window left open for a long session: thousands of month steps and page changes must
// neither grow the heap nor make Qt complain.
#include "AccessibleNotices.h"
#include "QtWarningRecorder.h"
#include "WindowFixture.h"

#include "ui/widgets/GridLayout.h"
#include "ui/widgets/TabControl.h"

#include <QAccessible>
#include <QApplication>
#include <QPixmapCache>
#include <QToolButton>

#include <malloc.h>

#include <cstddef>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
#define TENVIK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TENVIK_UNDER_ASAN 1
#endif
#endif

namespace tenvik::test {
namespace {

using namespace Main;

// Bytes the program holds on the heap. The heap's own count moves only with what is
// allocated and freed, unlike the resident pages, which also follow what the allocator
// keeps cached or hands back to the system. Qt's shared pixmap cache is emptied first: the
// style's pixmaps fill it on every repaint up to its own bound (10 MiB by default), which
// would hide a leak of ours until it is full. So is the tests' record of screen-reader
// notices, which keeps every one it is handed.
std::optional<std::size_t> HeapInUse()
{
#if defined(TENVIK_UNDER_ASAN)
    return std::nullopt; // the sanitizer's allocator keeps its own books
#else
    QPixmapCache::clear();
    std::vector<AccessibleNotice>().swap(AccessibleNotices());
    return mallinfo2().uordblks;
#endif
}

// One round of moves that ends where it began: every kind of month step and day key,
// so the grid changes on every move. Each runs the refresh pass, as the handlers do.
void MoveRound(TMainForm& w)
{
    w.bNextClick();
    QTest::keyClick(w.gloCal, Qt::Key_PageDown);
    QTest::keyClick(w.gloCal, Qt::Key_Right);
    w.bPrevClick();
    QTest::keyClick(w.gloCal, Qt::Key_PageUp);
    QTest::keyClick(w.gloCal, Qt::Key_Left);
    QTest::keyClick(w.gloCal, Qt::Key_Down);
    QTest::keyClick(w.gloCal, Qt::Key_Up);
}
constexpr int MovesPerRound = 8;

void PageRound(TMainForm& w)
{
    for (QWidget* page : {w.tabSettings, w.tabHelp, w.tabAbout, w.tabCalendar})
        w.tabCtrl->setCurrentWidget(page);
}

TEST_F(WindowTest, TenThousandStepsAndPageChangesKeepTheHeapAndStayQuiet)
{
    constexpr int Moves = 10'000;
    constexpr int SettleMoves = 96; // the first hundred, in whole rounds
    // Qt's font and glyph caches still take in a little late in the run (about 20 bytes a
    // move here); a leak of a hundred bytes a move would pass this.
    constexpr std::size_t Tolerance = std::size_t{1} << 20;

    TMainForm& w = open();
    // With a screen reader listening, as after the accessibility tests, so every step also
    // sends its notices, whichever order the tests run in.
    ASSERT_NE(QAccessible::queryAccessibleInterface(&w), nullptr);
    const QtWarningRecorder warnings;

    // The window stays shown, but events (and with them the paints) are let through only
    // every other round, which keeps the run short without skipping the refresh passes.
    std::optional<std::size_t> settled;
    for (int moves = 0; moves < Moves; moves += MovesPerRound) {
        if (moves == SettleMoves) {
            QApplication::processEvents();
            settled = HeapInUse();
        }
        MoveRound(w);
        if (moves % (MovesPerRound * 4) == 0)
            PageRound(w);
        if (moves % (MovesPerRound * 2) == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    const std::optional<std::size_t> last = HeapInUse();

    EXPECT_EQ(CurrentDate, Today); // every round came back
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    EXPECT_TRUE(w.gloCal->hasFocus());
    EXPECT_TRUE(warnings.messages().isEmpty()) << warnings.text();
    if (settled && last) {
        const std::size_t growth = *last > *settled ? *last - *settled : 0;
        EXPECT_LE(growth, Tolerance) << "heap after the first hundred steps: " << *settled
                                     << " bytes, after all: " << *last;
    }
}

} // namespace
} // namespace tenvik::test
