#pragma once

#include "records/Csv.h"
#include "records/Entry.h"
#include "records/EntryCheck.h"
#include "records/EntryStore.h"
#include "records/Summary.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The entries and the pay-period summary as CSV files for a spreadsheet or the payroll
// office, and the entries read back from such a file. The header names the columns;
// kinds and details are the database's keywords, days ISO dates, hours decimal with a
// dot. The id column lets a payback name the trade it settles within the file.
namespace tenvik::records {

inline constexpr std::string_view EntriesCsvHeader = "id,date,kind,detail,pay,colleague,hours,pays_back,text";
inline constexpr std::string_view PayPeriodsCsvHeader =
    "pay_period,first_day,last_day,scheduled,trades_in,trades_out,leave,extra,total";

// UTF-8 with a byte-order mark, so that spreadsheets do not take it for a code page.
std::string EntriesToCsv(std::span<const Entry> entries);
std::string PayPeriodsToCsv(std::span<const PayPeriodTotals> periods);

struct CsvProblem {
    enum class Kind {
        WrongHeader,
        WrongColumnCount,
        BrokenQuoting,
        BadValue, // a field that is no keyword, date, number or valid text; `entry` says which
        DuplicateId,
    };
    Kind kind = Kind::WrongHeader;
    int line = 0;            // the line of the file, from 1
    std::string_view column; // the column a bad value is in, as the header names it
    std::optional<EntryProblem> entry;
    friend bool operator==(const CsvProblem&, const CsvProblem&) = default;
};

// Every entry of the file, or the first problem. The entries keep the file's ids (and
// paysBack the file's id of the trade it settles); EntryStore::AddAll maps them.
std::variant<std::vector<Entry>, CsvProblem> EntriesFromCsv(std::string_view text);

// Reads the file and adds its entries in one transaction: all of them, or, on the
// first problem, none. Returns the number added or the problem, naming its line.
std::variant<std::size_t, CsvProblem> ImportEntriesCsv(EntryStore& store, std::string_view text);

} // namespace tenvik::records
