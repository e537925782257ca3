#include "records/EntriesCsv.h"

#include "RecordsTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace tenvik::records {
namespace {

using testing::Day;
using Dir = TradeDirection;

// The entries with each id replaced by its place in the list, and each payback by the
// place of the trade it settles: what must survive a move to another database.
std::vector<Entry> WithoutIds(std::vector<Entry> entries)
{
    std::map<std::int64_t, std::int64_t> place;
    for (std::size_t i = 0; i < entries.size(); ++i)
        place[entries[i].id] = static_cast<std::int64_t>(i);
    for (Entry& entry : entries) {
        entry.id = place.at(entry.id);
        if (entry.paysBack)
            entry.paysBack = place.at(*entry.paysBack);
    }
    return entries;
}

class CsvTest : public ::testing::Test {
protected:
    EntryStore& Store() { return *m_opened.store; }
    testing::TempFolder m_folder;
    OpenedRecords m_opened = OpenRecords(m_folder.Path() / RecordsFileName, testing::TestMoment);
};

TEST(CsvFields, QuotedOnlyWhereTheyMustBe)
{
    EXPECT_EQ(CsvRecord({"plain", "a,b", "say \"hi\"", "", "ünï"}), "plain,\"a,b\",\"say \"\"hi\"\"\",,ünï\r\n");
}

TEST(CsvFields, FormulasAreNeutralisedAndComeBack)
{
    struct Case {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
        {"+1", "'+1"},
        {"-5 hours", "'-5 hours"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"'quoted", "''quoted"},
        {"plain = fine", "plain = fine"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NeutraliseFormula(c.text), c.written);
        EXPECT_EQ(RestoreFormula(c.written), c.text);
    }
}

// Every kind, every text a spreadsheet could trip on, a payback: written, imported into
// an empty database, the same entries come back.
TEST_F(CsvTest, EntriesRoundTripExactly)
{
    std::vector<Entry> entries = {
        testing::Trade(Day(2024, 1, 5), Dir::IWorkedForThem, "=cmd|' /C calc'!A0", 24),
        testing::Trade(Day(2024, 2, 5), Dir::TheyWorkedForMe, "=cmd|' /C calc'!A0", 10.25),
        testing::Leave(Day(2024, 2, 6), LeaveKind::Compensatory, 7.5),
        testing::Extra(Day(2024, 2, 7), ExtraKind::Callback, ExtraPay::Banked, 0),
        testing::Extra(Day(2024, 2, 7), ExtraKind::Overtime, ExtraPay::Paid, 48),
        testing::Note(Day(1901, 1, 1), "He said \"fine\", then left; -2 on the board"),
        testing::Note(Day(2060, 12, 31), "'already quoted', @home, +1, Zoë ✓"),
    };
    for (Entry& entry : entries)
        entry.id = Store().Add(entry).id;
    Entry payback = testing::Trade(Day(2024, 2, 5), Dir::TheyWorkedForMe, "=cmd|' /C calc'!A0", 24, entries[0].id);
    payback.id = Store().Add(payback).id;
    const auto stored = Store().AllEntries();
    const std::string csv = EntriesToCsv(stored);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\n1,2024-01-05,trade,i-worked-for,,'=cmd|' /C calc'!A0,24,,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("extra,callback,banked,,0,,"), std::string::npos);

    testing::TempFolder other;
    auto empty = OpenRecords(other.Path() / RecordsFileName, testing::TestMoment);
    const auto imported = ImportEntriesCsv(*empty.store, csv);
    ASSERT_EQ(std::get_if<std::size_t>(&imported) ? std::get<std::size_t>(imported) : 0, stored.size());
    // The ids are the new database's; the payback still names the trade it settles.
    EXPECT_EQ(WithoutIds(empty.store->AllEntries()), WithoutIds(stored));
}

TEST_F(CsvTest, ABadFileNamesItsLineAndImportsNothing)
{
    ASSERT_TRUE(Store().Add(testing::Note(Day(2024, 1, 1), "already here")));
    const std::string header = "id,date,kind,detail,pay,colleague,hours,pays_back,text\r\n";
    const std::string good = "1,2024-03-01,leave,sick,,,12,,\r\n";
    using K = CsvProblem::Kind;
    struct Case {
        const char* name;
        std::string csv;
        K kind;
        int line;
        std::string_view column = {};
    };
    const Case cases[] = {
        {"empty file", "", K::WrongHeader, 1},
        {"another header", "date,kind,hours\r\n" + good, K::WrongHeader, 1},
        {"too few columns", header + good + "2,2024-03-02,note,,,,\r\n", K::WrongColumnCount, 3},
        {"too many columns", header + good + good.substr(0, good.size() - 2) + ",x\r\n", K::WrongColumnCount, 3},
        {"unclosed quote", header + good + "2,2024-03-02,note,,,,,,\"never closed\r\n", K::BrokenQuoting, 3},
        {"text after a quote", header + "2,2024-03-02,note,,,,,,\"a\"b\r\n", K::BrokenQuoting, 2},
        {"quote inside a field", header + "2,2024-03-02,note,,,,,,a\"b\r\n", K::BrokenQuoting, 2},
        {"hours over 48", header + "2,2024-03-02,leave,sick,,,48.01,,\r\n", K::BadValue, 2, "hours"},
        {"hours with a comma", header + "2,2024-03-02,leave,sick,,,\"7,5\",,\r\n", K::BadValue, 2, "hours"},
        {"a note with hours", header + "2,2024-03-02,note,,,,3,,x\r\n", K::BadValue, 2, "hours"},
        {"date in 1900", header + "2,1900-12-31,note,,,,,,x\r\n", K::BadValue, 2, "date"},
        {"date not ISO", header + "2,03/02/2024,note,,,,,,x\r\n", K::BadValue, 2, "date"},
        {"unknown kind", header + "2,2024-03-02,shift,,,,,,x\r\n", K::BadValue, 2, "kind"},
        {"unknown leave", header + "2,2024-03-02,leave,strike,,,8,,\r\n", K::BadValue, 2, "detail"},
        {"extra without pay", header + "2,2024-03-02,extra,overtime,,,8,,\r\n", K::BadValue, 2, "pay"},
        {"control character", header + good + "2,2024-03-02,note,,,,,,\"a\tb\"\r\n", K::BadValue, 3, "text"},
        {"trade without a name", header + "2,2024-03-02,trade,i-worked-for,,,24,,\r\n", K::BadValue, 2, "colleague"},
        {"same id twice", header + good + good, K::DuplicateId, 3, "id"},
        {"payback of a later line",
         header + "2,2024-03-01,trade,worked-for-me,,Bob,24,3,\r\n3,2024-02-01,trade,i-worked-for,,Bob,24,,\r\n",
         K::BadValue, 2, "pays_back"},
        // Only the database knows this one: the line is found again.
        {"payback the same way",
         header + good + "2,2024-02-01,trade,i-worked-for,,Bob,24,,\r\n3,2024-03-01,trade,i-worked-for,,Bob,24,2,\r\n",
         K::BadValue, 4, "pays_back"},
    };
    const auto before = Store().AllEntries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = ImportEntriesCsv(Store(), c.csv);
        const auto* problem = std::get_if<CsvProblem>(&result);
        ASSERT_NE(problem, nullptr);
        EXPECT_EQ(problem->kind, c.kind);
        EXPECT_EQ(problem->line, c.line);
        EXPECT_EQ(problem->column, c.column);
        EXPECT_EQ(Store().AllEntries(), before);
    }
}

TEST(CsvFiles, SpreadsheetLineEndsAndBlankLinesAreRead)
{
    const auto read = EntriesFromCsv("\xEF\xBB\xBFid,date,kind,detail,pay,colleague,hours,pays_back,text\n"
                                     "\n"
                                     "7,2024-03-02,note,,,,,,\"a, b\"\n"
                                     "8,2024-03-03,extra,callback,paid,,2.5,,");
    ASSERT_TRUE(std::holds_alternative<std::vector<Entry>>(read));
    const auto& entries = std::get<std::vector<Entry>>(read);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "a, b");
    EXPECT_EQ(entries[1].hours, Hours{250});
}

TEST(CsvFiles, PayPeriodsAreWrittenOneLineEach)
{
    PayPeriodTotals period;
    period.number = 2;
    period.first = Day(2023, 12, 31);
    period.last = Day(2024, 1, 13);
    period.scheduled = Hours::Whole(144);
    period.tradesIn = Hours::Whole(48);
    period.tradesOut = Hours::Whole(12);
    period.leave = Hours::Whole(24);
    period.extra = Hours{650};
    EXPECT_EQ(PayPeriodsToCsv(std::vector<PayPeriodTotals>{period}),
              "\xEF\xBB\xBFpay_period,first_day,last_day,scheduled,trades_in,trades_out,leave,extra,total\r\n"
              "PP2,2023-12-31,2024-01-13,144,48,12,24,6.5,162.5\r\n");
}

} // namespace
} // namespace tenvik::records
