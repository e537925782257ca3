#pragma once

#include "settings/WindowsFile.h"

#include <filesystem>
#include <string>

// Helpers for the tests that only Windows builds.
namespace tenvik::testing {

// Wine runs these tests in CI. Where it behaves unlike Windows, a test says so and skips
// the part that would prove only Wine's behaviour.
inline bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The path as UTF-8, the form the program's messages carry.
inline std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace tenvik::testing
