// A window left open for a long session: thousands of month steps and page changes must
// neither grow the memory the program holds nor make Qt complain.
#include "AccessibleNotices.h"
#include "QtWarningRecorder.h"
#include "WindowFixture.h"

#include "ui/widgets/CellGrid.h"
#include "ui/widgets/TabControl.h"

#include <QAccessible>
#include <QApplication>

#ifndef _WIN32
#include <malloc.h>
#endif

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// Bytes the program holds on the heap, Qt's caches included: what a user's system sees
// grow when something is kept on every step. (The resident size would say the same with
// more noise, as it also follows what the allocator keeps cached or hands back.) The
// tests' record of screen-reader notices, which keeps every one it is handed, is emptied
// first: it is not the program's.
std::optional<std::size_t> HeapInUse()
{
#if defined(TENVIK_UNDER_ASAN)
    return std::nullopt; // the sanitizer's allocator keeps its own books
#elif defined(_WIN32)
    return std::nullopt; // the heap's own count is glibc's; Windows keeps none to compare
#else
    std::vector<AccessibleNotice>().swap(AccessibleNotices());
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd; // small blocks and those mapped on their own
#endif
}

// Bytes per move of the least-squares line through the samples.
double Slope(const std::vector<std::pair<int, std::size_t>>& samples)
{
    const auto n = static_cast<double>(samples.size());
    double sumX = 0, sumY = 0;
    for (const auto& [x, y] : samples) {
        sumX += x;
        sumY += static_cast<double>(y);
    }
    double covariance = 0, variance = 0;
    for (const auto& [x, y] : samples) {
        covariance += (x - sumX / n) * (static_cast<double>(y) - sumY / n);
        variance += (x - sumX / n) * (x - sumX / n);
    }
    return covariance / variance;
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
    constexpr int FirstSample = 496;   // the first five hundred, in whole rounds
    constexpr int SampleEvery = 1'000; // from 2,000 on, where start-up's caches have filled
    constexpr int SlopeFrom = 2'000;
    // Qt's font, glyph and pixmap caches still take in a little late in the run (under 10
    // bytes a move here); a paint that leaves something behind costs hundreds.
    constexpr double MaxBytesPerMove = 100;
    constexpr std::size_t MaxGrowth = std::size_t{2} << 20;

    TMainForm& w = open();
    // With a screen reader listening, as after the accessibility tests, so every step also
    // sends its notices, whichever order the tests run in.
    ASSERT_NE(QAccessible::queryAccessibleInterface(&w), nullptr);
    const QtWarningRecorder warnings;

    // The window stays shown, but events (and with them the paints) are let through only
    // every other round, which keeps the run short without skipping the refresh passes.
    std::optional<std::size_t> first;
    std::vector<std::pair<int, std::size_t>> samples;
    for (int moves = 0; moves <= Moves; moves += MovesPerRound) {
        if (moves == FirstSample || (moves >= SlopeFrom && moves % SampleEvery == 0)) {
            QApplication::processEvents();
            if (const std::optional<std::size_t> heap = HeapInUse()) {
                if (moves == FirstSample)
                    first = heap;
                else
                    samples.emplace_back(moves, *heap);
            }
        }
        if (moves == Moves)
            break;
        MoveRound(w);
        if (moves % (MovesPerRound * 4) == 0)
            PageRound(w);
        if (moves % (MovesPerRound * 2) == 0)
            QApplication::processEvents();
    }

    EXPECT_EQ(CurrentDate, Today); // every round came back
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    EXPECT_TRUE(w.gloCal->hasFocus());
    EXPECT_TRUE(warnings.messages().isEmpty()) << warnings.text();
    if (first && samples.size() > 2) {
        std::string trace = "heap after " + std::to_string(FirstSample) + " moves: " + std::to_string(*first);
        for (const auto& [moves, heap] : samples)
            trace += ", " + std::to_string(moves) + ": " + std::to_string(heap);
        EXPECT_LE(Slope(samples), MaxBytesPerMove) << trace;
        const std::size_t last = samples.back().second;
        EXPECT_LE(last > *first ? last - *first : 0, MaxGrowth) << trace;
    }
}

} // namespace
} // namespace tenvik::test
