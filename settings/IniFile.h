#pragma once

#include "core/DayNumber.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// An INI file with the profile semantics the settings rely on: reads fall back to the
// caller's default, and writes change only their own line.
//
// An object serves one pass. Its reads load the file once, at the first of them, and take
// every later key from that copy. Its writes are kept in memory, where the reads see them,
// and UpdateFile puts them all into the file at once: it loads the file as it is then,
// sets the keys in the order they were written and replaces the file in one step, so that
// the file holds either all of them or none. An object released without UpdateFile writes
// nothing.
namespace tenvik {

class IniText;

// A write that could not be made: "Unable to write to <path>", with the reason where the
// user can do something about it.
class EIniFileException : public std::runtime_error {
public:
    enum class Cause {
        Failed,                 // the disk, the folder or the file refused
        Busy,                   // another Save held the file too long
        LinkTargetFolderMissing // the file is a link into a folder that is not there
    };
    EIniFileException(Cause cause, std::string pathText, std::string folderText = {});

    Cause WhatFailed() const { return m_cause; }
    const std::string& PathText() const { return m_pathText; }     // the file, UTF-8
    const std::string& FolderText() const { return m_folderText; } // the missing folder, UTF-8

private:
    Cause m_cause;
    std::string m_pathText;
    std::string m_folderText;
};

class IniFile {
public:
    // The store must outlive the object; the default is the disk.
    explicit IniFile(std::filesystem::path path);
    IniFile(std::filesystem::path path, FileStore& store);
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;
    ~IniFile();

    const std::filesystem::path& Path() const { return m_path; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // "1"/"0" as written; any integer reads (non-zero is on), anything else is the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // An ISO date, or the locale's short date as files used to hold it; an empty or
    // unreadable value, or a date outside what a date field holds (MinFieldDate to
    // MaxFieldDate), gives the default.
    DayNumber ReadDate(std::string_view section, std::string_view key, DayNumber defaultValue,
                       const FormatSettings& locale) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // As an ISO date ("2020-12-20"), which every locale's ReadDate reads alike.
    void WriteDate(std::string_view section, std::string_view key, DayNumber value);

    // Puts every write since the last UpdateFile into the file, in one replacement.
    // Throws EIniFileException when it cannot; the file is then as it was.
    void UpdateFile();

private:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
    };
    const IniText& Loaded() const;

    std::filesystem::path m_path;
    FileStore* m_store;
    mutable std::unique_ptr<IniText> m_text; // none until the first read
    std::vector<Write> m_writes;             // not yet in the file
};

} // namespace tenvik
