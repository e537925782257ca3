#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

// A folder of files that a web server serves, replaced all at once. The folder is a
// symbolic link to a generation beside it ("feeds" → "feeds.tenvik-7"): each publish
// writes a new generation in full, then renames a new link over the old one, which
// rename(2) does in one step, so a server that follows the link finds either every old
// file or every new one, never a mix. Then the older generations go. A failed publish
// removes what it wrote and leaves the link, and the last good generation, as they were.
// What a crash leaves behind (a generation never switched in, a new link never renamed)
// goes with the next publish, so leftovers never pile up. Publishes beside each other
// take turns through a lock on the folder that holds them.
// A file whose bytes did not change keeps its modification time, which web servers build
// their ETags from, so that caches keep what they hold. POSIX builds only.
namespace tenvik {

struct PublishedFile {
    std::string name; // a plain file name, no folder
    std::string bytes;
};

struct PublishOutcome {
    std::filesystem::path generation; // the folder the link now points to
    std::size_t changed = 0;          // files new or different since the last generation
};

enum class PublishProblem {
    NotALink, // the folder's name is taken by a folder or file this publisher did not make
    Busy,     // another publish beside it went on for longer than this one waits
    System,   // the system refused a step; code says why
};

class PublishError : public std::runtime_error {
public:
    PublishError(PublishProblem what, std::filesystem::path where, std::error_code why = {});
    PublishProblem problem;
    std::filesystem::path path; // the file or folder the step was about
    std::error_code code;
};

// The marker between a folder's name and a generation's number.
inline constexpr std::string_view GenerationMark = ".tenvik-";

// How long a publish waits for another one beside it to end.
inline constexpr std::chrono::milliseconds PublishWait{30000};

// folder is the link (made on the first publish; an empty folder of that name is
// replaced by it). Throws PublishError.
PublishOutcome PublishFolder(const std::filesystem::path& folder, const std::vector<PublishedFile>& files,
                             std::chrono::milliseconds wait = PublishWait);

// The generation folder's link points at, when folder is such a link and the generation is
// there: what a failed publish leaves served.
std::optional<std::filesystem::path> PublishedGeneration(const std::filesystem::path& folder);

} // namespace tenvik
