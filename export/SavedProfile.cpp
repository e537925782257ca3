#include "export/SavedProfile.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <utility>

namespace tenvik {
namespace {

// Passes reads through and remembers why one failed, which the INI service keeps to
// itself; refuses every write.
class ReadOnlyStore final : public FileStore {
public:
    explicit ReadOnlyStore(const FileStore& store) : m_store(store) {}

    std::optional<std::string> Load(const std::filesystem::path& path) const override
    {
        try {
            return m_store.Load(path);
        } catch (const std::system_error& error) {
            m_failure = error.code();
            throw;
        } catch (const std::exception&) {
            m_failure = std::make_error_code(std::errc::io_error);
            throw;
        }
    }

    void Replace(const std::filesystem::path&, std::string_view) override
    {
        throw std::system_error(std::make_error_code(std::errc::read_only_file_system));
    }

    const std::optional<std::error_code>& Failure() const { return m_failure; }

private:
    const FileStore& m_store;
    mutable std::optional<std::error_code> m_failure;
};

} // namespace

SavedProfile LoadSavedProfile(const std::filesystem::path& settingsPath, const FormatSettings& locale,
                              const FileStore& store)
{
    ReadOnlyStore reader(store);
    const IniFile ini(settingsPath, reader);
    SavedProfile saved;
    SettingsRecord settings = ReadSettings(ini, locale);
    saved.profile = ProfileFromSettings(settings);
    saved.shiftHours = settings.shiftHours;
    saved.unreadableValues = std::move(settings.unreadable);
    saved.unreadable = reader.Failure();
    return saved;
}

} // namespace tenvik
