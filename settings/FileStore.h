#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Where the settings file's bytes come from and go to. The disk store replaces a file
// atomically; tests hand the INI service a store that fails on purpose.
namespace tenvik {

class FileStore {
public:
    virtual ~FileStore() = default;
    // The whole file, or nothing when it is missing. Throws std::system_error when it is
    // there but cannot be read, so that a write never mistakes it for a missing file.
    virtual std::optional<std::string> Load(const std::filesystem::path& path) const = 0;
    // Replaces the whole file. Throws std::system_error when it cannot; the old file is
    // then still there, whole.
    virtual void Replace(const std::filesystem::path& path, std::string_view bytes) = 0;
};

// Writes a temporary file beside the target, flushes it to the disk and renames it over
// the target, so a crash or a full disk never leaves a half-written file. The temporary
// files of the same target that a killed Save left behind, an hour old or more, are
// removed first.
class DiskFileStore final : public FileStore {
public:
    std::optional<std::string> Load(const std::filesystem::path& path) const override;
    void Replace(const std::filesystem::path& path, std::string_view bytes) override;
};

} // namespace tenvik
