#pragma once

#include <string>
#include <system_error>

namespace tenvik {

// The system's own words for an error, as UTF-8, in the language the user reads. On
// Windows a system error is worded by FormatMessageW, so that a Greek or Japanese message
// keeps its script (the narrow message goes through the ANSI code page, which may not hold
// it); everywhere else it is the error's own message.
std::string SystemErrorText(const std::error_code& ec);

} // namespace tenvik
