#pragma once

// What the exchange tests share: CP932 text written as readable Japanese, an empty logbook, and
// running a program to collect its output.

#include "data/cp932.h"
#include "data/logbook.h"

#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

namespace fenlo::test {

// CP932 bytes of a UTF-8 literal, so expectations can be written in readable Japanese.
inline std::string sjis(const char *utf8)
{
    return utf8ToCp932(utf8).value();
}

inline std::unique_ptr<Logbook> emptyBook()
{
    auto book = std::make_unique<Logbook>();
    book->clear();
    return book;
}

struct CommandResult
{
    int status = -1;
    std::string output;
};

// Runs a shell command and collects what it writes to stdout (and stderr when redirected).
inline CommandResult run(const std::string &command)
{
    CommandResult result;
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace fenlo::test
