#pragma once

#include <functional>
#include <system_error>

namespace tenvik {

// The error a write throws, as a portable condition: the system's own codes (Windows's
// among them) compare equal to the std::errc they stand for.
inline std::error_condition ErrorOf(const std::function<void()>& write)
{
    try {
        write();
    } catch (const std::system_error& error) {
        return error.code().default_error_condition();
    }
    return {};
}

} // namespace tenvik
