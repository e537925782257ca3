#include "records/Csv.h"

namespace tenvik::records {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool StartsFormula(std::string_view text)
{
    return !text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@' || text[0] == '\'');
}

} // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvRecord(const std::vector<std::string>& fields)
{
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        record += CsvField(fields[i]);
    }
    record += "\r\n";
    return record;
}

std::string NeutraliseFormula(std::string_view text)
{
    return StartsFormula(text) ? "'" + std::string(text) : std::string(text);
}

std::string RestoreFormula(std::string_view text)
{
    return std::string(!text.empty() && text[0] == '\'' ? text.substr(1) : text);
}

CsvReader::CsvReader(std::string_view text) : m_text(text)
{
    if (m_text.starts_with(ByteOrderMark))
        m_pos = ByteOrderMark.size();
}

std::optional<CsvRow> CsvReader::Next()
{
    // Blank lines between records carry nothing.
    while (m_pos < m_text.size() && (m_text[m_pos] == '\r' || m_text[m_pos] == '\n')) {
        if (m_text[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
    if (m_error || m_pos >= m_text.size())
        return std::nullopt;

    CsvRow row;
    row.line = m_line;
    std::string field;
    const auto fail = [&](CsvSyntax kind) {
        m_error = CsvSyntaxError{m_line, kind};
        return std::nullopt;
    };
    for (;;) {
        field.clear();
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size()) {
                    // Named by the line the quote opened on, not the file's last.
                    m_line = row.line;
                    return fail(CsvSyntax::UnclosedQuote);
                }
                const char c = m_text[m_pos++];
                if (c == '"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                        field += '"';
                        ++m_pos;
                        continue;
                    }
                    break;
                }
                if (c == '\n')
                    ++m_line;
                field += c;
            }
            if (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\r' && m_text[m_pos] != '\n')
                return fail(CsvSyntax::TextAfterQuote);
        } else {
            while (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\r' && m_text[m_pos] != '\n') {
                if (m_text[m_pos] == '"')
                    return fail(CsvSyntax::QuoteInsideField);
                field += m_text[m_pos++];
            }
        }
        row.fields.push_back(field);
        if (m_pos < m_text.size() && m_text[m_pos] == ',') {
            ++m_pos;
            continue;
        }
        // The record's end: CR LF, LF, a lone CR, or the end of the text.
        if (m_pos < m_text.size() && m_text[m_pos] == '\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
            ++m_pos;
            ++m_line;
        }
        return row;
    }
}

} // namespace tenvik::records
