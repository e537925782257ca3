#pragma once

#include "settings/TextEncoding.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings file in memory: its text once, the offsets of its section headers and key
// lines (nothing for blank and comment lines), and the values set since it was read. A
// line costs little more than its bytes, and Bytes() writes the whole file in one pass.
//
// The dialect: UTF-8 or UTF-16 (TextEncoding.h); LF, CR LF or a lone CR ends a line;
// "[name]" section headers; "key=value" lines; lines starting with ";" or "#" are
// comments. Names match without regard to ASCII case, and blanks around names and values
// are dropped. A value that would lose blanks at its ends, or that is itself wrapped in
// double quotes, is written inside a pair of double quotes, which a read removes, so that
// every value written reads back unchanged.
//
// Duplicates: the first section of a name and the first key of a name inside it are the
// ones read and written alike; later copies are left as they are.
namespace tenvik {

class IniText {
public:
    IniText(); // a file that is not there yet
    explicit IniText(std::string bytes);

    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // As a write of the one key to the file would leave it: the value replaced where the
    // key stands, else a line added after the section's last key, else the section added
    // at the end of the file. Every other byte stays as it was.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file, in its own encoding and line ends.
    std::string Bytes() const;

private:
    struct Section {
        std::size_t header;   // offset of the header line
        std::size_t firstKey; // its first key line in m_keyLines
    };
    struct AddedKey {
        std::string key;
        std::string stored; // the value as the line holds it
    };
    struct AddedSection {
        std::string name;
        std::vector<AddedKey> keys;
    };

    void Index();
    std::optional<std::size_t> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(std::size_t section, std::string_view key) const;
    std::size_t EndOfKeys(std::size_t section) const;
    std::string_view LineEndAfter(std::string_view text) const;

    DecodedText m_file;
    std::string_view m_lineEnd; // for added lines: the file's own
    std::vector<std::size_t> m_keyLines;
    std::vector<Section> m_sections;
    mutable std::vector<std::pair<std::string, std::optional<std::size_t>>> m_foundSections;

    std::map<std::size_t, std::string> m_newValues;       // by key line, the value stored
    std::map<std::size_t, std::vector<AddedKey>> m_added; // by section, the lines after its keys
    std::vector<AddedSection> m_addedSections;            // at the end of the file
};

} // namespace tenvik
