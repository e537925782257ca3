#pragma once

#include "settings/FileStore.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// Helpers shared by the settings tests: a private folder per test, whole-file reads and
// writes, the line ends of a new file, a store that fails on purpose and one that counts its loads.
namespace tenvik::testing {

// What a first Save of the default settings writes, with LF line ends: every key but the
// agency, which is written only once it differs from its default.
inline constexpr std::string_view DefaultSettingsFile = "[Config]\n"
                                                        "RDO=RDO\n"
                                                        "ShowPaydays=0\n"
                                                        "ShowDebit=0\n"
                                                        "ShowPayPeriods=0\n"
                                                        "PPStart=2020-12-20\n"
                                                        "[Colors]\n"
                                                        "APlt=Red\n"
                                                        "BPlt=Blue\n"
                                                        "XPlt=Fuchsia\n"
                                                        "LdTr=Silver\n"
                                                        "BkGr=White\n";

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
#ifdef _WIN32
        // No mkdtemp: a random name, made only where nothing has that name yet.
        std::mt19937_64 generator{std::random_device{}()};
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const auto candidate =
                std::filesystem::temp_directory_path() / ("tenvik-test-" + std::to_string(generator() % 1000000000));
            if (std::filesystem::create_directory(candidate))
                m_path = candidate;
        }
        if (m_path.empty())
            throw std::runtime_error("no fresh temporary folder");
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "tenvik-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        m_path = pattern;
#endif
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& Path() const
    {
        return m_path;
    }

private:
    std::filesystem::path m_path;
};

// The text with each LF written as the line end of a file the program makes: CR LF on
// Windows, as INI files there have, LF elsewhere.
inline std::string NewFileText(std::string_view text)
{
#ifdef _WIN32
    std::string crlf;
    for (const char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
#else
    return std::string{text};
#endif
}

inline std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The disk store, except that its Nth Replace (counting from 1) fails as a full disk would.
class FailingFileStore final : public FileStore {
public:
    explicit FailingFileStore(int failingReplace) : m_failingReplace(failingReplace) {}

    std::optional<std::string> Load(const std::filesystem::path& path) const override { return m_disk.Load(path); }
    void Replace(const std::filesystem::path& path, std::string_view bytes) override
    {
        if (++m_replaces == m_failingReplace)
            throw std::system_error(std::make_error_code(std::errc::no_space_on_device), "injected fault");
        m_disk.Replace(path, bytes);
    }
    int Replaces() const { return m_replaces; }

private:
    DiskFileStore m_disk;
    int m_failingReplace;
    int m_replaces = 0;
};

// The disk store, counting how often the file is loaded and replaced.
class CountingFileStore final : public FileStore {
public:
    std::optional<std::string> Load(const std::filesystem::path& path) const override
    {
        ++m_loads;
        return m_disk.Load(path);
    }
    void Replace(const std::filesystem::path& path, std::string_view bytes) override
    {
        ++m_replaces;
        m_disk.Replace(path, bytes);
    }
    int Loads() const { return m_loads; }
    int Replaces() const { return m_replaces; }

private:
    DiskFileStore m_disk;
    mutable int m_loads = 0;
    int m_replaces = 0;
};

} // namespace tenvik::testing
