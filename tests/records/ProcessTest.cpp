#include "records/RecordsFile.h"

#include "ChildProcess.h"
#include "RecordsTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

// Other processes on the same file: two windows writing at once, and a writer killed in
// the middle of its edits.
namespace tenvik::records {
namespace {

using testing::Day;
namespace fs = std::filesystem;

class ProcessTest : public ::testing::Test {
protected:
    fs::path Path() const { return m_folder.Path() / RecordsFileName; }
    testing::TempFolder m_folder;
};

TEST_F(ProcessTest, TwoWritersAtOnceBothLandAndEachSeesTheOther)
{
    OpenRecords(Path(), testing::TestMoment); // made once, as the first window does
    constexpr int PerWriter = 60;
    const auto writer = [&](const std::string& name) {
        return [&, name] {
            auto opened = OpenRecords(Path(), testing::TestMoment);
            for (int i = 0; i < PerWriter; ++i) {
                if (!opened.store->Add(testing::Note(Day(2026, 1, 1) + i, name + " " + std::to_string(i))))
                    return 2;
            }
            // The other writer's entries show up at a later read.
            for (int attempt = 0; attempt < 200; ++attempt) {
                if (opened.store->AllEntries().size() == 2 * PerWriter)
                    return 0;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            return 3;
        };
    };
    testing::ChildProcess first(writer("first"));
    testing::ChildProcess second(writer("second"));
    const int firstEnd = first.Wait();
    const int secondEnd = second.Wait();
    EXPECT_EQ(testing::Ending(firstEnd), "exit code 0");
    EXPECT_EQ(testing::Ending(secondEnd), "exit code 0");
    EXPECT_EQ(OpenRecords(Path(), testing::TestMoment).store->AllEntries().size(), 2u * PerWriter);
}

// The child adds, edits and removes in a loop: each round one transaction adds a trade and
// the trade that pays it back, both carrying the round's long text. Killed at random
// moments, the file must always open sound, holding whole rounds only.
TEST_F(ProcessTest, AWriterKilledMidEditLeavesOnlyWholeEdits)
{
    OpenRecords(Path(), testing::TestMoment);
    const auto roundText = [](int round) {
        std::string text = "round " + std::to_string(round) + " ";
        while (text.size() < 1500)
            text += static_cast<char>('a' + (text.size() + static_cast<std::size_t>(round)) % 26);
        return text;
    };
    std::mt19937 random(20261211);
    int rounds = 0;
    for (int kill = 0; kill < 30; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const int firstRound = rounds;
        {
            testing::ChildProcess child([&] {
                auto opened = OpenRecords(Path(), testing::TestMoment);
                for (int round = firstRound + 1;; ++round) {
                    Entry owed = testing::Trade(Day(2026, 1, 1), TradeDirection::IWorkedForThem, "Bob", 24);
                    owed.id = 1;
                    owed.text = roundText(round);
                    Entry payback = testing::Trade(Day(2026, 1, 2), TradeDirection::TheyWorkedForMe, "Bob", 24, 1);
                    payback.text = owed.text;
                    if (opened.store->AddAll({owed, payback}))
                        return 2;
                    // An edit and a removal in their own transactions, to be caught mid-way too.
                    auto entries = opened.store->EntriesBetween(Day(2026, 1, 2), Day(2026, 1, 2));
                    if (!entries.empty() && round % 3 == 0)
                        opened.store->Remove(entries.front().id);
                }
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 80));
            EXPECT_EQ(testing::Ending(child.Kill()), "killed by signal 9");
        }

        auto opened = OpenRecords(Path(), testing::TestMoment);
        ASSERT_EQ(opened.report.state, OpenReport::State::Opened);
        EXPECT_EQ(IntegrityCheck(opened.store->connection()), "ok");
        // Each round's trade is there whole; its payback, unless a later round removed it.
        std::map<std::string, int> owedTrades;
        for (const Entry& entry : opened.store->AllEntries()) {
            const int round = std::stoi(entry.text.substr(6));
            ASSERT_EQ(entry.text, roundText(round));
            ASSERT_EQ(entry.hours, Hours::Whole(24));
            if (entry.direction == TradeDirection::IWorkedForThem)
                ++owedTrades[entry.text];
            rounds = std::max(rounds, round);
        }
        for (int round = 1; round <= rounds; ++round)
            ASSERT_EQ(owedTrades[roundText(round)], 1) << "round " << round;
    }
    // The kills did not all land before the first commit.
    EXPECT_GT(rounds, 10);
    RecordProperty("rounds", rounds);
}

} // namespace
} // namespace tenvik::records
