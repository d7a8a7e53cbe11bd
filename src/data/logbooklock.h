#pragma once

#include <optional>
#include <string>

namespace fenlo {

// A claim on one logbook file for as long as the object lives, so that two running programs do
// not edit the same logbook and the later save silently win. The claim is a lock on a file in
// the user's runtime folder named after the logbook's full path (never beside the logbook,
// whose folder may take no new files). The system drops the lock when its program ends in any
// way, so a lock file left by a program that died claims nothing and is taken over.
class LogbookLock
{
public:
    // Claims `logbook` (which need not exist yet); nullopt when another running program holds
    // it. Where no lock can be kept (no runtime folder to write), the claim holds nothing and
    // nothing stops the user.
    static std::optional<LogbookLock> acquire(const std::string &logbook);

    LogbookLock(LogbookLock &&other) noexcept;
    LogbookLock &operator=(LogbookLock &&other) noexcept;
    LogbookLock(const LogbookLock &) = delete;
    LogbookLock &operator=(const LogbookLock &) = delete;
    ~LogbookLock();

    // True when this claim is on the file `logbook` names.
    bool covers(const std::string &logbook) const;

private:
    LogbookLock(std::string identity, int fd) : identity_(std::move(identity)), fd_(fd) {}

    std::string identity_; // the logbook's full path
    int fd_ = -1;
};

} // namespace fenlo
