#pragma once

#include <QString>

#include <optional>

namespace fenlo {

// What the program's arguments ask for: the logbook to open, or an exit status once the help,
// the version or a refusal has been printed.
struct StartRequest
{
    std::optional<int> exitStatus;
    QString file;
};

// Reads the arguments before any window exists, so --help and --version work without a display.
// An unknown option is refused on standard error with status 2, never taken for a file name.
StartRequest readCommandLine(int argc, char *argv[]);

} // namespace fenlo
