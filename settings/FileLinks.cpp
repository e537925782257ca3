#include "settings/FileLinks.h"

#include "settings/PathText.h"

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

// The kernel gives up on a chain of links at about this length, and so do we.
constexpr int MaxLinkHops = 40;

[[noreturn]] void ThrowError(std::error_code code, const std::string& what, const fs::path& path)
{
    throw std::system_error(code, what + " " + PathText(path));
}

} // namespace

fs::path FollowLinks(const fs::path& path)
{
    fs::path current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec)
            return current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            ThrowError(ec, "Cannot read the link", current);
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    ThrowError(std::make_error_code(std::errc::too_many_symbolic_link_levels), "Cannot follow the links of", path);
}

} // namespace tenvik
