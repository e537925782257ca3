#pragma once

#include "settings/FileStore.h"

#include <filesystem>
#include <string_view>

// Where an export's bytes go, for the command line and the window alike. A regular file,
// or one not there yet, is replaced atomically through the store; a link keeps pointing
// where it did while the file it names is replaced; a pipe, a device or a socket is
// written to as `cat >` would, never removed or renamed over; a folder is refused.
// Every failure throws std::system_error; a folder gives std::errc::is_a_directory.
namespace tenvik {

// On the command line "-" names standard output.
inline constexpr std::string_view StandardOutputName = "-";
bool IsStandardOutput(const std::filesystem::path& name);

void WriteOutputFile(const std::filesystem::path& path, std::string_view bytes, FileStore& store);
void WriteStandardOutput(std::string_view bytes);

// Whether two output names ("-" included) reach the same file once links are followed,
// so that the second write would replace the first. Devices such as /dev/null take any
// number of writes and never count as the same.
bool SameOutput(const std::filesystem::path& first, const std::filesystem::path& second);

} // namespace tenvik
