#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenlo {

// The logbook keeps its texts as code page 932 bytes, exactly as they stand in the file; these
// two conversions are the only way text crosses to and from UTF-8.

// Bytes that are not valid CP932 become U+FFFD, so damaged text can still be shown.
std::string cp932ToUtf8(std::string_view cp932);

// Refuses (nullopt) text holding a character CP932 cannot represent, rather than silently
// writing a substitute into the user's data.
std::optional<std::string> utf8ToCp932(std::string_view utf8);

} // namespace fenlo
