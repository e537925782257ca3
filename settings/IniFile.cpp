#include "settings/IniFile.h"

#include "settings/AsciiText.h"
#include "settings/IntegerText.h"
#include "settings/Utf8.h"

#include <algorithm>
#include <optional>
#include <vector>

// The dialect: UTF-8, with or without a byte-order mark; LF or CRLF line ends, and a lone
// CR at the very end of the file counts as a line end too; "[name]" section headers;
// "key=value" lines; lines starting with ";" or "#" are comments. Names match without
// regard to ASCII case, and blanks around names and values are dropped.
// A value that would lose blanks at its ends, or that is itself wrapped in double quotes,
// is written inside a pair of double quotes, which a read removes, so that every value
// written reads back unchanged.
//
// Duplicates: the first section of a name and the first key of a name inside it are the
// ones read and written alike; later copies are left as they are.
namespace tenvik {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
// Values were read into a buffer of 2048 characters; longer values come back cut.
constexpr std::size_t MaxValueCharacters = 2047;

#ifdef _WIN32
constexpr std::string_view NativeLineEnd = "\r\n";
#else
constexpr std::string_view NativeLineEnd = "\n";
#endif

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A byte that starts no well-formed character counts as a character of its own.
std::size_t CharacterLength(std::string_view text)
{
    return std::max<std::size_t>(1, Utf8CharacterLength(text));
}

std::string_view CutToCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < maxCharacters; ++count)
        end += CharacterLength(text.substr(end));
    return text.substr(0, end);
}

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
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    const bool quote = !text.empty()
        && (IsBlank(text.front()) || IsBlank(text.back())
            || (text.size() >= 2 && text.front() == '"' && text.back() == '"'));
    return quote ? '"' + text + '"' : text;
}

enum class LineKind { Other, Section, BrokenSection, Key };

struct IniLine {
    std::size_t begin = 0;      // first byte
    std::size_t end = 0;        // end of the text, before the line end
    std::size_t next = 0;       // first byte of the next line
    std::size_t valueBegin = 0; // key lines: where the value's text starts
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // key value, trimmed
};

IniLine ClassifyLine(std::string_view text, std::size_t begin, std::size_t end, std::size_t next)
{
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view content = text.substr(begin, end - begin);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return line;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        // A header without "]" opens a section no name matches, so that the keys below it
        // are not taken for keys of the section above.
        if (close == std::string_view::npos) {
            line.kind = LineKind::BrokenSection;
        } else {
            line.kind = LineKind::Section;
            line.name = Trim(trimmed.substr(1, close - 1));
        }
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    const std::string_view name = Trim(content.substr(0, equals));
    if (name.empty())
        return line;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && IsBlank(content[valueBegin]))
        ++valueBegin;
    line.kind = LineKind::Key;
    line.name = name;
    line.valueBegin = begin + valueBegin;
    line.value = Trim(content.substr(valueBegin));
    return line;
}

// The file's text without its byte-order mark, split into classified lines.
class IniText {
public:
    explicit IniText(std::string_view bytes)
    {
        if (bytes.starts_with(Utf8Bom)) {
            m_bom = true;
            bytes.remove_prefix(Utf8Bom.size());
        }
        m_text = bytes;
        std::size_t begin = 0;
        while (begin < m_text.size()) {
            const std::size_t newline = m_text.find('\n', begin);
            std::size_t end = newline == std::string_view::npos ? m_text.size() : newline;
            const std::size_t next = newline == std::string_view::npos ? m_text.size() : newline + 1;
            // A CR that ends the file is the start of a CR LF cut short, not part of the
            // last value: a line end added after it would complete the pair and change
            // the value under the reader's feet.
            if (end > begin && m_text[end - 1] == '\r')
                --end;
            m_lines.push_back(ClassifyLine(m_text, begin, end, next));
            begin = next;
        }
    }

    struct Location {
        std::optional<std::size_t> header;  // the section's header line
        std::optional<std::size_t> key;     // the key's line
        std::optional<std::size_t> lastKey; // the section's last key line
    };

    Location Find(std::string_view section, std::string_view key) const
    {
        Location found;
        std::size_t i = 0;
        for (; i < m_lines.size() && !found.header; ++i) {
            if (m_lines[i].kind == LineKind::Section && EqualsIgnoringAsciiCase(m_lines[i].name, section))
                found.header = i;
        }
        if (!found.header)
            return found;
        for (; i < m_lines.size(); ++i) {
            const IniLine& line = m_lines[i];
            if (line.kind == LineKind::Section || line.kind == LineKind::BrokenSection)
                break;
            if (line.kind != LineKind::Key)
                continue;
            found.lastKey = i;
            if (!found.key && EqualsIgnoringAsciiCase(line.name, key))
                found.key = i;
        }
        return found;
    }

    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const
    {
        const Location found = Find(section, key);
        if (!found.key)
            return std::nullopt;
        return Unquote(m_lines[*found.key].value);
    }

    // The whole file with the key set: in place when present, else after the section's
    // last key, else in a new section at the end. Every other byte stays as it was.
    std::string With(std::string_view section, std::string_view key, std::string_view value) const
    {
        const std::string entry = std::string{key} + '=' + Encode(value);
        const std::string_view lineEnd = LineEnd();
        std::string out{m_bom ? Utf8Bom : std::string_view{}};
        out.reserve(out.size() + m_text.size() + entry.size() + section.size() + 8);

        const Location found = Find(section, key);
        if (found.key) {
            const IniLine& line = m_lines[*found.key];
            out.append(m_text.substr(0, line.valueBegin));
            out.append(Encode(value));
            out.append(m_text.substr(line.end));
        } else if (found.header) {
            const IniLine& after = m_lines[found.lastKey.value_or(*found.header)];
            const std::string_view upToNext = m_text.substr(0, after.next);
            out.append(upToNext).append(LineEndAfter(upToNext));
            out.append(entry).append(lineEnd);
            out.append(m_text.substr(after.next));
        } else {
            out.append(m_text).append(LineEndAfter(m_text));
            out.append("[").append(section).append("]").append(lineEnd);
            out.append(entry).append(lineEnd);
        }
        return out;
    }

private:
    // What a line added after `text` needs in front of it: nothing after a line end, LF to
    // complete a CR LF cut short (every byte stays), else a whole line end.
    std::string_view LineEndAfter(std::string_view text) const
    {
        if (text.empty() || text.ends_with('\n'))
            return {};
        if (text.ends_with('\r'))
            return "\n";
        return LineEnd();
    }

    // New lines take the file's own line end, judged by its first line.
    std::string_view LineEnd() const
    {
        const std::size_t newline = m_text.find('\n');
        if (newline == std::string_view::npos)
            return NativeLineEnd;
        return (newline > 0 && m_text[newline - 1] == '\r') ? std::string_view{"\r\n"} : std::string_view{"\n"};
    }

    bool m_bom = false;
    std::string_view m_text;
    std::vector<IniLine> m_lines;
};

std::string PathText(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

// Names are the program's own constants; one that could not be read back is a mistake of
// the caller, not of the disk.
void CheckName(std::string_view name, std::string_view forbidden)
{
    const bool usable = !name.empty() && Trim(name) == name && name.find_first_of(forbidden) == std::string_view::npos
        && name.find_first_of("\r\n") == std::string_view::npos;
    if (!usable)
        throw std::invalid_argument("Not a usable INI name: " + std::string{name});
}

DiskFileStore& DefaultStore()
{
    static DiskFileStore disk;
    return disk;
}

} // namespace

// The file as a read found it: nothing when it is missing or cannot be read.
class IniFile::Snapshot {
public:
    explicit Snapshot(std::optional<std::string> bytes) : m_bytes(std::move(bytes))
    {
        if (m_bytes)
            m_text.emplace(*m_bytes);
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const
    {
        return m_text ? m_text->Value(section, key) : std::nullopt;
    }

private:
    std::optional<std::string> m_bytes;
    std::optional<IniText> m_text; // views into m_bytes
};

IniFile::IniFile(std::filesystem::path path) : IniFile(std::move(path), DefaultStore())
{
}

IniFile::IniFile(std::filesystem::path path, FileStore& store) : m_path(std::move(path)), m_store(&store)
{
}

const IniFile::Snapshot& IniFile::Loaded() const
{
    if (!m_snapshot) {
        std::optional<std::string> bytes;
        try {
            bytes = m_store->Load(m_path);
        } catch (const std::exception&) {
            // A file that cannot be read counts as missing: every value takes its default.
        }
        m_snapshot = std::make_shared<const Snapshot>(std::move(bytes));
    }
    return *m_snapshot;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const auto value = Loaded().Value(section, key);
    if (!value)
        return std::string{defaultValue};
    return std::string{CutToCharacters(*value, MaxValueCharacters)};
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const auto number = ParseInt32(ReadString(section, key, ""));
    return number ? *number != 0 : defaultValue;
}

DayNumber IniFile::ReadDate(std::string_view section, std::string_view key, DayNumber defaultValue,
                            const FormatSettings& locale) const
{
    return ParseShortDate(ReadString(section, key, ""), locale).value_or(defaultValue);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckName(section, "[]");
    CheckName(key, "=[;#");
    m_snapshot.reset();
    try {
        const std::string bytes = m_store->Load(m_path).value_or(std::string{});
        m_store->Replace(m_path, IniText{bytes}.With(section, key, value));
    } catch (const std::exception&) {
        throw EIniFileException("Unable to write to " + PathText(m_path));
    }
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteDate(std::string_view section, std::string_view key, DayNumber value, const FormatSettings& locale)
{
    WriteString(section, key, FormatShortDate(value, locale));
}

} // namespace tenvik
