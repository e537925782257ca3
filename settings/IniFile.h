#pragma once

#include "core/DayNumber.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// An INI file with the profile semantics the settings rely on: reads fall back to the
// caller's default, and each write lands in the file before it returns, touching only
// its own line.
//
// An object serves one pass. Its reads load the file once, at the first of them, and
// take every later key from that copy; each write loads the file afresh, so that it
// replaces one line of what is on the disk now, and a read after it loads again.
namespace tenvik {

// A write that could not be made: "Unable to write to <path>".
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    // The store must outlive the object; the default is the disk.
    explicit IniFile(std::filesystem::path path);
    IniFile(std::filesystem::path path, FileStore& store);

    const std::filesystem::path& Path() const { return m_path; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // "1"/"0" as written; any integer reads (non-zero is on), anything else is the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The locale's short date; an empty or unreadable value gives the default.
    DayNumber ReadDate(std::string_view section, std::string_view key, DayNumber defaultValue,
                       const FormatSettings& locale) const;

    // Each throws EIniFileException when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteDate(std::string_view section, std::string_view key, DayNumber value, const FormatSettings& locale);

private:
    class Snapshot;
    const Snapshot& Loaded() const;

    std::filesystem::path m_path;
    FileStore* m_store;
    mutable std::shared_ptr<const Snapshot> m_snapshot; // none until the first read
};

} // namespace tenvik
