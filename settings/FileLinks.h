#pragma once

#include <filesystem>

namespace tenvik {

// The file at the end of a chain of symbolic links; path itself when it is no link. A
// user who keeps a file behind a link (a dotfiles folder, say) keeps the link: the file
// it points to is the one written, and made when it is not there yet, since a link to a
// missing file ends at the missing name. A relative link points from its own folder.
// Throws std::system_error when a link cannot be read or the chain is longer than the
// system would follow.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

} // namespace tenvik
