#include "settings/IniText.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace tenvik {
namespace {

#ifdef _WIN32
constexpr std::string_view NativeLineEnd = "\r\n";
#else
constexpr std::string_view NativeLineEnd = "\n";
#endif

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The stored form of a value. Line breaks would end the line and start another, so they
// become blanks: a value can never add lines of its own to the file.
std::string Encode(std::string_view value)
{
    std::string text{value};
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const bool quote = !text.empty()
        && (IsBlank(text.front()) || IsBlank(text.back())
            || (text.size() >= 2 && text.front() == '"' && text.back() == '"'));
    return quote ? '"' + text + '"' : text;
}

// A name some key line could have: the name of a line is what stands before its first "=",
// blanks dropped.
bool CanNameAKey(std::string_view key)
{
    return !key.empty() && TrimBlanks(key) == key && key.find_first_of("=\r\n") == std::string_view::npos;
}

std::size_t NextLine(std::string_view text, std::size_t end)
{
    if (end == text.size())
        return end;
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}

struct LineSpan {
    std::size_t end;  // end of the text, before the line end
    std::size_t next; // first byte of the next line
};

LineSpan LineAt(std::string_view text, std::size_t begin)
{
    std::size_t end = begin;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
    return {end, NextLine(text, end)};
}

// Finds the line ends from the start of a text to its end in one pass, however its lines
// end: each search for CR or LF goes on from where the last one stopped.
class LineBreaks {
public:
    explicit LineBreaks(std::string_view text) : m_text(text), m_lf(Find('\n', 0)), m_cr(Find('\r', 0)) {}

    // The first CR or LF at or after `from`, or the end of the text.
    std::size_t NextFrom(std::size_t from)
    {
        if (m_lf < from)
            m_lf = Find('\n', from);
        if (m_cr < from)
            m_cr = Find('\r', from);
        return std::min(m_lf, m_cr);
    }

private:
    std::size_t Find(char c, std::size_t from) const
    {
        const void* found = std::memchr(m_text.data() + from, c, m_text.size() - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - m_text.data()) : m_text.size();
    }

    std::string_view m_text;
    std::size_t m_lf;
    std::size_t m_cr;
};

// New lines take the file's own line end, judged by its first one. A CR that ends the file
// may be a CR LF cut short as well as a line end of its own, so it tells nothing.
std::string_view LineEndOf(std::string_view text)
{
    const std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos || (text[first] == '\r' && first + 1 == text.size()))
        return NativeLineEnd;
    if (text[first] == '\n')
        return "\n";
    return text[first + 1] == '\n' ? std::string_view{"\r\n"} : std::string_view{"\r"};
}

std::optional<std::string_view> HeaderName(std::string_view text, std::size_t begin)
{
    const std::string_view content = TrimBlanks(text.substr(begin, LineAt(text, begin).end - begin));
    const std::size_t close = content.find(']');
    // A header without "]" opens a section no name matches, so that the keys below it are
    // not taken for keys of the section above.
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(content.substr(1, close - 1));
}

bool KeyLineNames(std::string_view text, std::size_t begin, std::string_view key)
{
    const std::size_t name = SkipBlanks(text, begin);
    if (text.size() - name < key.size() || !EqualsIgnoringAsciiCase(text.substr(name, key.size()), key))
        return false;
    const std::size_t equals = SkipBlanks(text, name + key.size());
    return equals < text.size() && text[equals] == '=';
}

// Where the value of a key line starts: after the "=" and the blanks behind it.
std::size_t ValueBegin(std::string_view text, std::size_t begin)
{
    return SkipBlanks(text, text.find('=', begin) + 1);
}

std::string_view KeyLineValue(std::string_view text, std::size_t begin)
{
    const std::size_t value = ValueBegin(text, begin);
    return TrimBlanks(text.substr(value, LineAt(text, begin).end - value));
}

} // namespace

IniText::IniText() : m_lineEnd(NativeLineEnd)
{
}

IniText::IniText(std::string bytes) : m_file(DecodeText(std::move(bytes))), m_lineEnd(LineEndOf(m_file.text))
{
    Index();
}

void IniText::Index()
{
    const std::string_view text = m_file.text;
    LineBreaks breaks{text};
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = breaks.NextFrom(begin);
        const std::size_t first = SkipBlanks(text.substr(0, end), begin);
        if (first < end) {
            const char c = text[first];
            if (c == '[')
                m_sections.push_back({begin, m_keyLines.size()});
            else if (c != ';' && c != '#' && c != '=' && std::memchr(text.data() + first, '=', end - first))
                m_keyLines.push_back(begin);
        }
        begin = NextLine(text, end);
    }
}

std::optional<std::size_t> IniText::FindSection(std::string_view name) const
{
    for (const auto& [known, found] : m_foundSections) {
        if (EqualsIgnoringAsciiCase(known, name))
            return found;
    }
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < m_sections.size() && !found; ++i) {
        const auto header = HeaderName(m_file.text, m_sections[i].header);
        if (header && EqualsIgnoringAsciiCase(*header, name))
            found = i;
    }
    m_foundSections.emplace_back(name, found);
    return found;
}

std::size_t IniText::EndOfKeys(std::size_t section) const
{
    return section + 1 < m_sections.size() ? m_sections[section + 1].firstKey : m_keyLines.size();
}

std::optional<std::size_t> IniText::FindKey(std::size_t section, std::string_view key) const
{
    if (!CanNameAKey(key))
        return std::nullopt;
    for (std::size_t line = m_sections[section].firstKey; line < EndOfKeys(section); ++line) {
        if (KeyLineNames(m_file.text, m_keyLines[line], key))
            return line;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniText::Value(std::string_view section, std::string_view key) const
{
    const auto addedValue = [&](const std::vector<AddedKey>& keys) -> std::optional<std::string_view> {
        for (const AddedKey& added : keys) {
            if (EqualsIgnoringAsciiCase(added.key, key))
                return Unquote(added.stored);
        }
        return std::nullopt;
    };
    if (const auto found = FindSection(section)) {
        if (const auto line = FindKey(*found, key)) {
            if (const auto changed = m_newValues.find(*line); changed != m_newValues.end())
                return Unquote(changed->second);
            return Unquote(KeyLineValue(m_file.text, m_keyLines[*line]));
        }
        const auto added = m_added.find(*found);
        return added == m_added.end() ? std::nullopt : addedValue(added->second);
    }
    for (const AddedSection& added : m_addedSections) {
        if (EqualsIgnoringAsciiCase(added.name, section))
            return addedValue(added.keys);
    }
    return std::nullopt;
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string stored = Encode(value);
    const auto setIn = [&](std::vector<AddedKey>& keys) {
        for (AddedKey& added : keys) {
            if (EqualsIgnoringAsciiCase(added.key, key)) {
                added.stored = std::move(stored);
                return;
            }
        }
        keys.push_back({std::string{key}, std::move(stored)});
    };
    if (const auto found = FindSection(section)) {
        if (const auto line = FindKey(*found, key))
            m_newValues[*line] = std::move(stored);
        else
            setIn(m_added[*found]);
        return;
    }
    for (AddedSection& added : m_addedSections) {
        if (EqualsIgnoringAsciiCase(added.name, section)) {
            setIn(added.keys);
            return;
        }
    }
    m_addedSections.push_back({std::string{section}, {}});
    setIn(m_addedSections.back().keys);
}

// What a line added after `text`, the file up to some point, needs in front of it: nothing
// after a line end, LF to complete a CR LF cut short at the end of the file (every byte
// stays), else a whole line end.
std::string_view IniText::LineEndAfter(std::string_view text) const
{
    if (text.empty() || text.ends_with('\n'))
        return {};
    if (text.ends_with('\r'))
        return text.size() == m_file.text.size() && m_lineEnd != "\r" ? std::string_view{"\n"} : std::string_view{};
    return m_lineEnd;
}

std::string IniText::Bytes() const
{
    const std::string_view text = m_file.text;
    struct Splice {
        std::size_t at;     // where the new bytes go
        std::size_t resume; // where the old bytes go on
        std::string bytes;
        bool addsLines; // after the line that ends at `at`, so after any new value on it
    };
    std::vector<Splice> splices;
    for (const auto& [line, stored] : m_newValues) {
        const std::size_t begin = m_keyLines[line];
        splices.push_back({ValueBegin(text, begin), LineAt(text, begin).end, stored, false});
    }
    const auto appendLines = [&](std::string& out, const std::vector<AddedKey>& keys) {
        for (const AddedKey& key : keys)
            out.append(key.key).append("=").append(key.stored).append(m_lineEnd);
    };
    for (const auto& [section, keys] : m_added) {
        const std::size_t end = EndOfKeys(section);
        const std::size_t after = end > m_sections[section].firstKey ? m_keyLines[end - 1] : m_sections[section].header;
        const std::size_t at = LineAt(text, after).next;
        std::string lines{LineEndAfter(text.substr(0, at))};
        appendLines(lines, keys);
        // A lone CR before an LF would make one CR LF of the two, and a line of the file
        // would be gone.
        if (lines.ends_with('\r') && text.substr(at).starts_with('\n'))
            lines += '\n';
        splices.push_back({at, at, std::move(lines), true});
    }
    std::sort(splices.begin(), splices.end(), [](const Splice& a, const Splice& b) {
        return std::tie(a.at, a.addsLines) < std::tie(b.at, b.addsLines);
    });

    std::string tail;
    if (!m_addedSections.empty()) {
        const bool endsInAddedLines = !splices.empty() && splices.back().addsLines && splices.back().at == text.size();
        if (!endsInAddedLines)
            tail.append(LineEndAfter(text));
        for (const AddedSection& section : m_addedSections) {
            tail.append("[").append(section.name).append("]").append(m_lineEnd);
            appendLines(tail, section.keys);
        }
    }

    std::string out;
    if (m_file.encoding == TextEncoding::Utf8WithBom)
        out = EncodeText({}, m_file.encoding);
    std::size_t size = out.size() + text.size() + tail.size();
    for (const Splice& splice : splices)
        size += splice.bytes.size();
    out.reserve(size);
    std::size_t copied = 0;
    for (const Splice& splice : splices) {
        out.append(text.substr(copied, splice.at - copied)).append(splice.bytes);
        copied = splice.resume;
    }
    out.append(text.substr(copied)).append(tail);
    if (m_file.encoding == TextEncoding::Utf16Le || m_file.encoding == TextEncoding::Utf16Be)
        return EncodeText(out, m_file.encoding, m_file.oddByte);
    return out;
}

} // namespace tenvik
