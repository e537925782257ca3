#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: records end in CR LF, a field holding a
// comma, a quote or a line break is quoted, and a quote inside is doubled. The reader
// also takes LF line ends and a UTF-8 byte-order mark, as spreadsheets write them.
namespace tenvik::records {

// The field as it is written: quoted only where it must be.
std::string CsvField(std::string_view text);
// The fields joined by commas, with the record's CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

// A spreadsheet runs a cell that starts with =, +, - or @ as a formula. Such a text
// gets a leading apostrophe, which spreadsheets show as the start of plain text; a
// text that starts with an apostrophe gets one too, so that reading strips exactly one
// and every text comes back as it was.
std::string NeutraliseFormula(std::string_view text);
std::string RestoreFormula(std::string_view text);

struct CsvRow {
    int line = 0; // the line the record starts on, from 1
    std::vector<std::string> fields;
};

enum class CsvSyntax {
    UnclosedQuote,    // the file ends inside a quoted field
    TextAfterQuote,   // a closing quote followed by something other than a comma or line end
    QuoteInsideField, // a quote in the middle of an unquoted field
};

struct CsvSyntaxError {
    int line = 0;
    CsvSyntax kind = CsvSyntax::UnclosedQuote;
};

// Reads the records one by one; blank lines are skipped.
class CsvReader {
public:
    explicit CsvReader(std::string_view text);
    // The next record, or nothing at the end. Throws nothing: a syntax error ends the
    // reading and is left in Error().
    std::optional<CsvRow> Next();
    const std::optional<CsvSyntaxError>& Error() const { return m_error; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    std::optional<CsvSyntaxError> m_error;
};

} // namespace tenvik::records
