// The settings file is the one input the user, other programs and broken disks all write
// to. Any bytes must read without a crash or a hang; a write must then read back as
// written and leave every line it did not touch in the file, in order.
//
// The input is the file itself, except for a few bytes at its end that choose the
// section, the key and the value of the write, so that real files serve as seeds.
#include "FuzzCheck.h"

#include "settings/IniFile.h"
#include "settings/LocaleDate.h"
#include "settings/Settings.h"
#include "settings/TextEncoding.h"
#include "settings/Utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using tenvik::fuzzing::Require;

namespace {

class MemoryFileStore final : public tenvik::FileStore {
public:
    explicit MemoryFileStore(std::optional<std::string> file) : m_file(std::move(file)) {}
    std::optional<std::string> Load(const std::filesystem::path&) const override { return m_file; }
    void Replace(const std::filesystem::path&, std::string_view bytes) override { m_file = std::string{bytes}; }
    const std::optional<std::string>& File() const { return m_file; }

private:
    std::optional<std::string> m_file;
};

constexpr std::array<std::string_view, 5> Sections = {"Config", "Colors", "CONFIG", "Other", "Con fig"};
constexpr std::array<std::string_view, 6> Keys = {"RDO", "Agency", "APlt", "rdo", "New", "\"Quoted\""};
// Values that the dialect must quote, keep or flatten to come back unchanged.
constexpr std::array<std::string_view, 12> Values = {
    "",
    "B7",
    " lead",
    "trail\t",
    "\"quoted\"",
    "\"",
    "a=b;c#d",
    "[Colors]",
    "two\nlines",
    "\r\n[Config]\r\nRDO=A1",
    "\xFF\xFE bad UTF-8 \xC3",
    " \" \" ",
};
// Read values are cut to 2047 characters; a value of at most that many bytes never is.
constexpr std::size_t MaxValueBytes = 2047;

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// Line breaks cannot live inside a value; the write turns them into blanks.
std::string ReadBackForm(std::string_view value)
{
    std::string text{value};
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// The file's lines without their line ends (LF, CR LF or a lone CR). A last line without a
// line end is a line too; a CR that ends the file may be a CR LF cut short, which a write
// after it may complete.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

bool IsValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = tenvik::Utf8CharacterLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

bool IsLineOfKey(std::string_view line, std::string_view key)
{
    return line.starts_with(key) && line.substr(key.size()).starts_with('=');
}

// A write either changes one key line where it stands, or inserts its key line (after the
// last key of its section), or appends a header and its key line at the end. The file
// keeps its encoding; lines compare as text.
bool OnlyTheWrittenLineChanged(const std::string& beforeBytes, const std::string& afterBytes, std::string_view section,
                               std::string_view key)
{
    const tenvik::DecodedText beforeText = tenvik::DecodeText(beforeBytes);
    const tenvik::DecodedText afterText = tenvik::DecodeText(afterBytes);
    if (beforeText.encoding != afterText.encoding || beforeText.oddByte != afterText.oddByte)
        return false;
    const std::vector<std::string_view> old = Lines(beforeText.text);
    const std::vector<std::string_view> now = Lines(afterText.text);
    std::size_t same = 0;
    while (same < old.size() && same < now.size() && old[same] == now[same])
        ++same;
    if (now.size() == old.size()) {
        if (same == old.size())
            return true;
        const std::size_t equals = old[same].find('=');
        return equals != std::string_view::npos && now[same].starts_with(old[same].substr(0, equals + 1))
            && std::equal(old.begin() + same + 1, old.end(), now.begin() + same + 1);
    }
    if (now.size() == old.size() + 1)
        return IsLineOfKey(now[same], key) && std::equal(old.begin() + same, old.end(), now.begin() + same + 1);
    if (now.size() == old.size() + 2)
        return same == old.size() && now[same] == "[" + std::string{section} + "]" && IsLineOfKey(now[same + 1], key);
    return false;
}

struct Probe {
    std::string_view section;
    std::string_view key;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input{data, size};
    const auto sectionChoice = input.ConsumeIntegralInRange<std::size_t>(0, Sections.size());
    const auto keyChoice = input.ConsumeIntegralInRange<std::size_t>(0, Keys.size());
    const auto valueChoice = input.ConsumeIntegralInRange<std::size_t>(0, Values.size());
    const auto sliceStart = input.ConsumeIntegral<std::uint16_t>();
    const auto sliceLength = input.ConsumeIntegralInRange<std::size_t>(0, MaxValueBytes);
    const bool fileMissing = input.ConsumeBool();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    // Beyond the fixed lists, names and values are pieces of the file itself.
    const std::string_view slice =
        std::string_view{bytes}.substr(std::min<std::size_t>(sliceStart, bytes.size()), sliceLength);
    const std::string_view section = sectionChoice < Sections.size() ? Sections[sectionChoice] : slice.substr(0, 16);
    const std::string_view key = keyChoice < Keys.size() ? Keys[keyChoice] : slice.substr(0, 8);
    const std::string_view value = valueChoice < Values.size() ? Values[valueChoice] : slice;

    // In whatever encoding, a file is taken apart and put together again byte for byte.
    const tenvik::DecodedText decoded = tenvik::DecodeText(bytes);
    Require(tenvik::EncodeText(decoded.text, decoded.encoding, decoded.oddByte) == bytes,
            "every file decodes and encodes back to the same bytes");

    MemoryFileStore store{fileMissing && bytes.empty() ? std::nullopt : std::optional<std::string>{bytes}};
    tenvik::IniFile ini{"Tenvik.ini", store};

    // The whole read pass, as at start-up: defaults for what does not read, never a throw.
    tenvik::ReadSettings(ini, tenvik::UsEnglishFormatSettings());

    std::vector<Probe> probes;
    for (const std::string_view s : Sections) {
        for (const std::string_view k : Keys)
            probes.push_back({s, k});
    }
    std::vector<std::string> probedBefore;
    for (const Probe& p : probes)
        probedBefore.push_back(ini.ReadString(p.section, p.key, "<missing>"));

    try {
        ini.WriteString(section, key, value);
    } catch (const std::invalid_argument&) {
        return 0; // a name no line could hold; the program's own names are all usable
    }
    const auto update = [&] {
        try {
            ini.UpdateFile();
        } catch (const tenvik::EIniFileException&) {
            Require(false, "a write to memory never fails");
        }
    };
    update();
    const std::string written = store.File().value_or("");

    // UTF-16 holds characters, not bytes: names and values that are no UTF-8 cannot come
    // back as they were. (The program's own names are ASCII.)
    const tenvik::TextEncoding encoding = tenvik::DecodeText(written).encoding;
    const bool utf16 = encoding == tenvik::TextEncoding::Utf16Le || encoding == tenvik::TextEncoding::Utf16Be;
    if (utf16 && !(IsValidUtf8(section) && IsValidUtf8(key) && IsValidUtf8(value)))
        return 0;

    // From here on the file is read afresh, as the next start would read it.
    const tenvik::IniFile reread{"Tenvik.ini", store};
    Require(reread.ReadString(section, key, "<missing>") == ReadBackForm(value), "the written value reads back");
    Require(OnlyTheWrittenLineChanged(bytes, written, section, key),
            "every line the write did not touch is still there, in order");
    for (std::size_t i = 0; i < probes.size(); ++i) {
        if (SameName(probes[i].section, section) && SameName(probes[i].key, key))
            continue;
        Require(reread.ReadString(probes[i].section, probes[i].key, "<missing>") == probedBefore[i],
                "every other key reads as before");
    }

    ini.WriteString(section, key, value);
    update();
    Require(store.File() == written, "writing the same value again changes nothing");
    return 0;
}
