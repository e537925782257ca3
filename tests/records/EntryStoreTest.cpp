#include "records/EntryStore.h"

#include "records/DatabaseError.h"
#include "records/Transaction.h"

#include "RecordsTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace tenvik::records {
namespace {

using testing::Day;
using Dir = TradeDirection;

class EntryStoreTest : public ::testing::Test {
protected:
    EntryStore& Store() { return *m_opened.store; }
    std::int64_t AddOrFail(const Entry& entry)
    {
        const AddResult result = Store().Add(entry);
        EXPECT_TRUE(result) << "refused: field " << (result.problem ? result.problem->field : "");
        return result.id;
    }

    testing::TempFolder m_folder;
    OpenedRecords m_opened = OpenRecords(m_folder.Path() / RecordsFileName, testing::TestMoment);
};

TEST_F(EntryStoreTest, AddEditRemoveAndReadAMonth)
{
    const auto late = AddOrFail(testing::Note(Day(2026, 3, 31), "last day"));
    const auto trade = AddOrFail(testing::Trade(Day(2026, 3, 4), Dir::IWorkedForThem, "Bob", 24));
    const auto leave = AddOrFail(testing::Leave(Day(2026, 3, 4), LeaveKind::Sick, 12));
    AddOrFail(testing::Note(Day(2026, 2, 28), "February"));
    AddOrFail(testing::Note(Day(2026, 4, 1), "April"));

    auto march = Store().EntriesBetween(Day(2026, 3, 1), Day(2026, 3, 31));
    ASSERT_EQ(march.size(), 3u);
    // By day, then in the order they were added.
    EXPECT_EQ(march[0].id, trade);
    EXPECT_EQ(march[1].id, leave);
    EXPECT_EQ(march[2].id, late);
    EXPECT_EQ(march[0], [&] {
        Entry expected = testing::Trade(Day(2026, 3, 4), Dir::IWorkedForThem, "Bob", 24);
        expected.id = trade;
        return expected;
    }());

    Entry edited = march[1];
    edited.kind = EntryKind::Extra;
    edited.extra = ExtraKind::Callback;
    edited.pay = ExtraPay::Banked;
    edited.hours = Hours{375};
    edited.text = "called in at night";
    EXPECT_FALSE(Store().Update(edited));
    EXPECT_EQ(Store().Find(leave), Normalised(edited));

    EXPECT_EQ(Store().AllTrades().size(), 1u);
    EXPECT_FALSE(Store().Remove(late));
    EXPECT_EQ(Store().EntriesBetween(Day(2026, 3, 1), Day(2026, 3, 31)).size(), 2u);
    EXPECT_EQ(Store().Remove(late), (EntryProblem{EntryProblemKind::NoSuchEntry, "id"}));
    edited.id = late;
    EXPECT_EQ(Store().Update(edited), (EntryProblem{EntryProblemKind::NoSuchEntry, "id"}));
}

TEST_F(EntryStoreTest, ColleagueNamesOnceInAlphabeticalOrder)
{
    AddOrFail(testing::Trade(Day(2026, 3, 4), Dir::IWorkedForThem, "bob", 24));
    AddOrFail(testing::Trade(Day(2026, 3, 5), Dir::TheyWorkedForMe, "Zoë", 24));
    AddOrFail(testing::Trade(Day(2026, 3, 6), Dir::IWorkedForThem, "Anna", 24));
    AddOrFail(testing::Trade(Day(2026, 3, 7), Dir::IWorkedForThem, "Anna", 12));
    AddOrFail(testing::Note(Day(2026, 3, 7), "no colleague"));
    EXPECT_EQ(Store().ColleagueNames(), (std::vector<std::string>{"Anna", "bob", "Zoë"}));
}

TEST_F(EntryStoreTest, PaybackLinksAnEarlierOppositeTradeAndGoesWithIt)
{
    const auto owed = AddOrFail(testing::Trade(Day(2026, 3, 4), Dir::IWorkedForThem, "Bob", 24));
    const auto payback = AddOrFail(testing::Trade(Day(2026, 3, 20), Dir::TheyWorkedForMe, "Bob", 24, owed));
    EXPECT_EQ(Store().Find(payback)->paysBack, owed);
    // Editing the settled trade keeps the link while it fits, and drops it when not.
    Entry edited = *Store().Find(owed);
    edited.hours = Hours::Whole(12);
    EXPECT_FALSE(Store().Update(edited));
    EXPECT_EQ(Store().Find(payback)->paysBack, owed);
    edited.colleague = "Carol";
    EXPECT_FALSE(Store().Update(edited));
    EXPECT_EQ(Store().Find(payback)->paysBack, std::nullopt);

    // Deleting the settled trade leaves the payback as a plain trade.
    Entry relinked = *Store().Find(payback);
    relinked.colleague = "Carol";
    relinked.paysBack = owed;
    EXPECT_FALSE(Store().Update(relinked));
    EXPECT_FALSE(Store().Remove(owed));
    EXPECT_EQ(Store().Find(payback)->paysBack, std::nullopt);
}

// Every check that refuses an entry, by adding and by editing; the database is the
// same afterwards.
TEST_F(EntryStoreTest, BadInputIsRefusedAndNothingChanges)
{
    const auto owed = AddOrFail(testing::Trade(Day(2026, 3, 4), Dir::IWorkedForThem, "Bob", 24));
    const auto note = AddOrFail(testing::Note(Day(2026, 3, 5), "kept as it is"));
    const auto before = Store().AllEntries();

    const auto withHours = [](Entry entry, int hundredths) {
        entry.hours = Hours{hundredths};
        return entry;
    };
    const auto withDay = [](Entry entry, int day) {
        entry.day = day;
        return entry;
    };
    const Entry leave = testing::Leave(Day(2026, 3, 10), LeaveKind::Vacation, 24);
    struct Case {
        const char* name;
        Entry entry;
        EntryProblem expected;
    };
    const Case cases[] = {
        {"negative hours", withHours(leave, -1), {EntryProblemKind::HoursOutOfRange, "hours"}},
        {"over 48 hours", withHours(leave, 4801), {EntryProblemKind::HoursOutOfRange, "hours"}},
        {"31 December 1900", withDay(leave, Day(1900, 12, 31)), {EntryProblemKind::DayOutOfRange, "date"}},
        {"1 January 2061", withDay(leave, Day(2061, 1, 1)), {EntryProblemKind::DayOutOfRange, "date"}},
        {"tab", testing::Note(Day(2026, 3, 10), "a\tb"), {EntryProblemKind::ControlCharacter, "text"}},
        {"line break", testing::Note(Day(2026, 3, 10), "a\nb"), {EntryProblemKind::ControlCharacter, "text"}},
        {"NUL", testing::Note(Day(2026, 3, 10), std::string("a\0b", 3)), {EntryProblemKind::ControlCharacter, "text"}},
        {"C1 control", testing::Note(Day(2026, 3, 10), "a\xC2\x85"), {EntryProblemKind::ControlCharacter, "text"}},
        {"line separator",
         testing::Note(Day(2026, 3, 10), "a\xE2\x80\xA8"),
         {EntryProblemKind::ControlCharacter, "text"}},
        {"control in a name",
         testing::Trade(Day(2026, 3, 10), Dir::IWorkedForThem, "Bo\x1b", 24),
         {EntryProblemKind::ControlCharacter, "colleague"}},
        {"no UTF-8", testing::Note(Day(2026, 3, 10), "caf\xE9"), {EntryProblemKind::InvalidText, "text"}},
        {"too long",
         testing::Note(Day(2026, 3, 10), std::string(MaxTextBytes + 1, 'x')),
         {EntryProblemKind::TextTooLong, "text"}},
        {"trade with nobody",
         testing::Trade(Day(2026, 3, 10), Dir::IWorkedForThem, "", 24),
         {EntryProblemKind::MissingColleague, "colleague"}},
        {"empty note", testing::Note(Day(2026, 3, 10), ""), {EntryProblemKind::EmptyNote, "text"}},
        {"pays back nothing",
         testing::Trade(Day(2026, 3, 10), Dir::TheyWorkedForMe, "Bob", 24, 999),
         {EntryProblemKind::PaysBackUnknown, "pays_back"}},
        {"pays back a note",
         testing::Trade(Day(2026, 3, 10), Dir::TheyWorkedForMe, "Bob", 24, note),
         {EntryProblemKind::PaysBackUnknown, "pays_back"}},
        {"pays back the same way",
         testing::Trade(Day(2026, 3, 10), Dir::IWorkedForThem, "Bob", 24, owed),
         {EntryProblemKind::PaysBackMismatch, "pays_back"}},
        {"pays back another colleague",
         testing::Trade(Day(2026, 3, 10), Dir::TheyWorkedForMe, "Carol", 24, owed),
         {EntryProblemKind::PaysBackMismatch, "pays_back"}},
        {"pays back a later trade",
         testing::Trade(Day(2026, 3, 1), Dir::TheyWorkedForMe, "Bob", 24, owed),
         {EntryProblemKind::PaysBackMismatch, "pays_back"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AddResult added = Store().Add(c.entry);
        EXPECT_EQ(added.problem, c.expected);
        Entry edit = c.entry;
        edit.id = owed;
        EXPECT_EQ(Store().Update(edit), c.expected);
        EXPECT_EQ(Store().AllEntries(), before);
    }
}

// Another window holding the write lock past the wait: the edit fails with SQLite's own
// words, writes nothing, and goes through once the lock is free.
TEST_F(EntryStoreTest, ABusyDatabaseFailsTheEditWithSqlitesMessage)
{
    Connection other = Connection::Open(m_folder.Path() / RecordsFileName, OpenMode::ReadWrite);
    Store().connection().SetBusyTimeout(std::chrono::milliseconds(20));
    const Entry note = testing::Note(Day(2026, 3, 10), "waits its turn");
    {
        Transaction holding(other);
        try {
            Store().Add(note);
            ADD_FAILURE() << "the edit went through a held lock";
        } catch (const DatabaseError& error) {
            EXPECT_NE(std::string(error.what()).find("database is locked"), std::string::npos) << error.what();
        }
    }
    EXPECT_TRUE(Store().AllEntries().empty());
    EXPECT_TRUE(Store().Add(note));
}

TEST_F(EntryStoreTest, TheEdgesOfTheRangesAreTaken)
{
    AddOrFail(testing::Leave(Day(1901, 1, 1), LeaveKind::Other, 0));
    AddOrFail(testing::Leave(Day(2060, 12, 31), LeaveKind::Other, 48));
    AddOrFail(testing::Note(Day(2026, 3, 10), "=SUM(A1), \"quoted\", ünïcödé ✓"));
    EXPECT_EQ(Store().AllEntries().size(), 3u);
}

} // namespace
} // namespace tenvik::records
