#pragma once

#include <stdexcept>
#include <string>

namespace fenlo {

// The one error type of the program. The message is UTF-8 text meant for the user; whoever
// catches it shows it as it stands (the frame's error box, the CLI's stderr).
class FenloError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace fenlo
