#include "records/EntryCheck.h"

#include "core/DayNumber.h"

namespace tenvik::records {
namespace {

// The length of the UTF-8 sequence that starts at text[i], or 0 when it is malformed:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

bool IsControl(std::string_view text, std::size_t i, std::size_t length)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (length == 1)
        return byte(i) < 0x20 || byte(i) == 0x7F;
    // The C1 controls U+0080 to U+009F, and the line and paragraph separators U+2028/9.
    if (length == 2)
        return byte(i) == 0xC2 && byte(i + 1) <= 0x9F;
    return length == 3 && byte(i) == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9);
}

} // namespace

std::optional<EntryProblemKind> CheckText(std::string_view text)
{
    if (text.size() > MaxTextBytes)
        return EntryProblemKind::TextTooLong;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0)
            return EntryProblemKind::InvalidText;
        if (IsControl(text, i, length))
            return EntryProblemKind::ControlCharacter;
        i += length;
    }
    return std::nullopt;
}

std::optional<EntryProblem> CheckEntry(const Entry& entry)
{
    if (entry.day < MinViewDate || entry.day > MaxViewDate)
        return EntryProblem{EntryProblemKind::DayOutOfRange, "date"};
    if (entry.hours < Hours{} || entry.hours > MaxEntryHours)
        return EntryProblem{EntryProblemKind::HoursOutOfRange, "hours"};
    if (const auto problem = CheckText(entry.colleague))
        return EntryProblem{*problem, "colleague"};
    if (const auto problem = CheckText(entry.text))
        return EntryProblem{*problem, "text"};
    if (entry.kind == EntryKind::Trade && entry.colleague.empty())
        return EntryProblem{EntryProblemKind::MissingColleague, "colleague"};
    if (entry.kind == EntryKind::Note && entry.text.empty())
        return EntryProblem{EntryProblemKind::EmptyNote, "text"};
    if (entry.paysBack && (entry.kind != EntryKind::Trade || *entry.paysBack == entry.id))
        return EntryProblem{EntryProblemKind::PaysBackMismatch, "pays_back"};
    return std::nullopt;
}

} // namespace tenvik::records
