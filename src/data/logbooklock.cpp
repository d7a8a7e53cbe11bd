#include "data/logbooklock.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fenlo {

namespace {

// The logbook's full path; for a file not yet written, its folder's full path and its name.
std::string identityOf(const std::string &logbook)
{
    char resolved[PATH_MAX];
    if (::realpath(logbook.c_str(), resolved))
        return resolved;
    std::size_t slash = logbook.rfind('/');
    std::string folder = slash == std::string::npos ? "." : logbook.substr(0, slash + 1);
    if (folder.empty())
        folder = "/";
    if (::realpath(folder.c_str(), resolved))
        return std::string(resolved) + "/" + logbook.substr(slash + 1);
    return logbook;
}

// The folder of the lock files, only when it is this user's own (a shared /tmp could hold one
// that somebody else made); empty otherwise.
std::string lockFolder()
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime == '/' ? std::string(runtime) + "/fenlo"
                                                    : "/tmp/fenlo-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat st
    {
    };
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return {};
    return folder;
}

std::string lockFileFor(const std::string &identity)
{
    const std::string folder = lockFolder();
    if (folder.empty())
        return {};
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (unsigned char c : identity)
        hash = (hash ^ c) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "/%016llx.lock", static_cast<unsigned long long>(hash));
    return folder + name;
}

} // namespace

std::optional<LogbookLock> LogbookLock::acquire(const std::string &logbook)
{
    std::string identity = identityOf(logbook);
    const std::string lockFile = lockFileFor(identity);
    int fd = lockFile.empty()
                 ? -1
                 : ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return LogbookLock(std::move(identity), -1);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        if (held)
            return std::nullopt;
        return LogbookLock(std::move(identity), -1);
    }
    // Who holds it, for a person looking at the lock files.
    const std::string owner = std::to_string(::getpid()) + "\n" + identity + "\n";
    if (::ftruncate(fd, 0) == 0)
        (void)::pwrite(fd, owner.data(), owner.size(), 0);
    return LogbookLock(std::move(identity), fd);
}

LogbookLock::LogbookLock(LogbookLock &&other) noexcept
    : identity_(std::move(other.identity_)), fd_(std::exchange(other.fd_, -1))
{}

LogbookLock &LogbookLock::operator=(LogbookLock &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        identity_ = std::move(other.identity_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

LogbookLock::~LogbookLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool LogbookLock::covers(const std::string &logbook) const
{
    return identity_ == identityOf(logbook);
}

} // namespace fenlo
