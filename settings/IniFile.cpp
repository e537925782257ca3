#include "settings/IniFile.h"

#include "core/AsciiText.h"
#include "settings/IniText.h"
#include "settings/IntegerText.h"
#include "settings/PathText.h"
#include "settings/Utf8.h"

#include <algorithm>

namespace tenvik {
namespace {

// Values were read into a buffer of 2048 characters; longer values come back cut.
constexpr std::size_t MaxValueCharacters = 2047;

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

std::string MessageFor(EIniFileException::Cause cause, const std::string& path, const std::string& folder)
{
    std::string message = "Unable to write to " + path;
    switch (cause) {
    case EIniFileException::Cause::Failed:
        break;
    case EIniFileException::Cause::Busy:
        message += ": the file is busy, another Tenvik window is saving it. Try again in a moment.";
        break;
    case EIniFileException::Cause::LinkTargetFolderMissing:
        message += ": it is a link into the folder " + folder + ", which is missing.";
        break;
    }
    return message;
}

// Names are the program's own constants; one that could not be read back is a mistake of
// the caller, not of the disk.
void CheckName(std::string_view name, std::string_view forbidden)
{
    const bool usable = !name.empty() && TrimBlanks(name) == name
        && name.find_first_of(forbidden) == std::string_view::npos
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

EIniFileException::EIniFileException(Cause cause, std::string pathText, std::string folderText)
    : std::runtime_error(MessageFor(cause, pathText, folderText)), m_cause(cause), m_pathText(std::move(pathText)),
      m_folderText(std::move(folderText))
{
}

IniFile::IniFile(std::filesystem::path path) : IniFile(std::move(path), DefaultStore())
{
}

IniFile::IniFile(std::filesystem::path path, FileStore& store) : m_path(std::move(path)), m_store(&store)
{
}

IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;
IniFile::~IniFile() = default;

const IniText& IniFile::Loaded() const
{
    if (!m_text) {
        // A file that cannot be read, or cannot be taken apart in the memory there is,
        // counts as missing: every value takes its default.
        try {
            std::optional<std::string> bytes = m_store->Load(m_path);
            m_text = bytes ? std::make_unique<IniText>(std::move(*bytes)) : std::make_unique<IniText>();
        } catch (const std::exception&) {
            m_text = std::make_unique<IniText>();
        }
        for (const Write& write : m_writes)
            m_text->Set(write.section, write.key, write.value);
    }
    return *m_text;
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
    const auto date = ParseShortDate(ReadString(section, key, ""), locale);
    return date && *date >= MinFieldDate && *date <= MaxFieldDate ? *date : defaultValue;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckName(section, "[]");
    CheckName(key, "=[;#");
    m_writes.push_back({std::string{section}, std::string{key}, std::string{value}});
    if (m_text)
        m_text->Set(section, key, value);
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteDate(std::string_view section, std::string_view key, DayNumber value)
{
    WriteString(section, key, FormatStoredDate(value));
}

void IniFile::UpdateFile()
{
    if (m_writes.empty())
        return;
    std::unique_ptr<IniText> written;
    try {
        m_store->Update(m_path, [&](std::optional<std::string> bytes) {
            auto text = bytes ? std::make_unique<IniText>(std::move(*bytes)) : std::make_unique<IniText>();
            for (const Write& write : m_writes)
                text->Set(write.section, write.key, write.value);
            std::string out = text->Bytes();
            written = std::move(text);
            return out;
        });
    } catch (const FileBusy&) {
        throw EIniFileException(EIniFileException::Cause::Busy, PathText(m_path));
    } catch (const LinkTargetFolderMissing& error) {
        throw EIniFileException(EIniFileException::Cause::LinkTargetFolderMissing, PathText(m_path),
                                PathText(error.Folder()));
    } catch (const std::exception&) {
        throw EIniFileException(EIniFileException::Cause::Failed, PathText(m_path));
    }
    m_text = std::move(written);
    m_writes.clear();
}

} // namespace tenvik
