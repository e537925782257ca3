#pragma once

#include <filesystem>
#include <string>

namespace tenvik {

// A path as UTF-8 text, for messages: the same on every platform.
inline std::string PathText(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

} // namespace tenvik
