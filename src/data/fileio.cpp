#include "data/fileio.h"

#include "data/error.h"
#include "data/messages.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fenlo {

std::string fileErrorMessage(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return msg::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return msg::AccessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return msg::DiskFull;
    default: {
        std::string text = msg::IoErrorFormat;
        text.replace(text.find("%d"), 2, std::to_string(err));
        return text;
    }
    }
}

void throwFileError(int err) { throw FenloError(fileErrorMessage(err)); }

bool fileExists(const std::string &path)
{
    struct stat st{};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileSource::FileSource(const std::string &path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throwFileError(errno);
}

FileSource::~FileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t FileSource::read(char *buffer, std::size_t size)
{
    for (;;) {
        ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            throwFileError(errno);
    }
}

std::size_t MemorySource::read(char *buffer, std::size_t size)
{
    std::size_t n = std::min(size, bytes_.size() - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
}

LineReader::LineReader(ByteSource &source, std::size_t maxLine) : source_(source), maxLine_(maxLine)
{
}

bool LineReader::fill()
{
    if (eof_)
        return false;
    constexpr std::size_t Chunk = 64 * 1024;
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    std::size_t old = buffer_.size();
    buffer_.resize(old + Chunk);
    std::size_t n = source_.read(buffer_.data() + old, Chunk);
    buffer_.resize(old + n);
    if (n == 0)
        eof_ = true;
    return n > 0;
}

int LineReader::peek()
{
    if (pos_ >= buffer_.size() && !fill())
        return -1;
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool LineReader::atEnd() { return peek() < 0; }

std::string_view LineReader::readLineView()
{
    std::size_t scanned = pos_;
    for (;;) {
        std::size_t lf = buffer_.find('\n', scanned);
        if (lf != std::string::npos) {
            if (lf - pos_ > maxLine_ + 1)
                throw LineTooLong{};
            std::size_t start = pos_;
            std::size_t end = lf;
            if (end > start && buffer_[end - 1] == '\r')
                --end;
            pos_ = lf + 1;
            return std::string_view(buffer_).substr(start, end - start);
        }
        if (buffer_.size() - pos_ > maxLine_ + 1)
            throw LineTooLong{};
        std::size_t consumed = pos_;
        scanned = buffer_.size() - consumed;
        if (!fill()) {
            std::string_view line = std::string_view(buffer_).substr(pos_);
            pos_ = buffer_.size();
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return line;
        }
    }
}

std::string LineReader::readLine() { return std::string(readLineView()); }

void LineReader::skipRestOfLine() { readLineView(); }

std::string LineReader::readTokenLine(std::size_t maxLength)
{
    int c = peek();
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++pos_;
        c = peek();
    }
    if (c < 0)
        return {};
    std::string token;
    while (c >= 0 && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
        if (token.size() < maxLength)
            token += static_cast<char>(c);
        ++pos_;
        c = peek();
    }
    skipRestOfLine();
    return token;
}

int LineReader::readIntegerLine()
{
    std::string token = readTokenLine(maxLine_ + 1);
    if (token.empty())
        return 0;
    if (token.size() > maxLine_)
        throw LineTooLong{};
    // The runtime reads a plain decimal number with an optional sign.
    std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    bool digitsOnly = i < token.size() &&
                      token.find_first_not_of("0123456789", i) == std::string::npos;
    if (!digitsOnly)
        throw FenloError(msg::NotNumber);
    errno = 0;
    long long value = std::strtoll(token.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        throw FenloError(msg::NotNumber);
    return static_cast<int>(value);
}

namespace {

// The file a path finally names, following symbolic links (also dangling ones, whose target
// is then created).
std::string resolveTarget(const std::string &path)
{
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st{};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char link[PATH_MAX];
        ssize_t n = ::readlink(current.c_str(), link, sizeof link - 1);
        if (n < 0)
            return current;
        std::string next(link, static_cast<std::size_t>(n));
        if (next.front() != '/') {
            std::size_t slash = current.rfind('/');
            next = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) +
                   next;
        }
        current = next;
    }
    return current;
}

std::string directoryOf(const std::string &path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t defaultFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Temporaries are hidden and named after their target, so the next save of the same file
// recognises one that a killed save left behind.
std::string temporaryPrefix(const std::string &target)
{
    return "." + target.substr(target.rfind('/') + 1) + ".";
}

constexpr std::size_t TemporarySuffixLength = 6;

void removeStrayTemporaries(const std::string &target)
{
    const std::string folder = directoryOf(target);
    const std::string prefix = temporaryPrefix(target);
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + TemporarySuffixLength && name.starts_with(prefix)) {
            struct stat st
            {
            };
            if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(st.st_mode))
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

std::string randomSuffix()
{
    static constexpr std::string_view Letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    std::string suffix(TemporarySuffixLength, ' ');
    for (char &c : suffix)
        c = Letters[pick(generator)];
    return suffix;
}

// True when errno says the folder takes no new files while its files may still be writable.
bool folderRefusesNewFiles(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

} // namespace

SafeFileWriter::SafeFileWriter(const std::string &path, InPlace inPlace)
    : target_(resolveTarget(path))
{
    removeStrayTemporaries(target_);
    openTemporary();
    if (fd_ < 0) {
        int err = errno;
        if (inPlace == InPlace::Allow && folderRefusesNewFiles(err))
            openInPlace(err);
        else
            throwFileError(err);
        return;
    }
    struct stat st
    {
    };
    if (::stat(target_.c_str(), &st) == 0) {
        (void)::fchown(fd_, st.st_uid, st.st_gid);
        ::fchmod(fd_, st.st_mode & 07777);
    } else {
        ::fchmod(fd_, defaultFileMode());
    }
}

void SafeFileWriter::openTemporary()
{
    const std::string folder = directoryOf(target_);
    // An unnamed file is never seen by anyone until it is complete. Naming it later goes
    // through /proc, so without /proc the temporary is a hidden named file from the start.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return;
    }
    std::string name = folder + "/" + temporaryPrefix(target_) + "XXXXXX";
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ >= 0)
        temp_ = name;
}

void SafeFileWriter::openInPlace(int temporaryError)
{
    if (fileExists(target_))
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0)
        throwFileError(temporaryError);
    inPlace_ = true;
}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

void SafeFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

void SafeFileWriter::flushPending()
{
    const char *data = pending_.data();
    std::size_t left = pending_.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwFileError(errno);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    pending_.clear();
}

void SafeFileWriter::commit(Sync sync)
{
    try {
        if (inPlace_)
            commitInPlace(sync);
        else
            commitReplacing(sync);
    } catch (...) {
        discard();
        throw;
    }
}

void SafeFileWriter::commitReplacing(Sync sync)
{
    flushPending();
    if (sync == Sync::Full && ::fsync(fd_) != 0)
        throwFileError(errno);
    if (temp_.empty()) {
        // The unnamed file gets a hidden name for the moment of the rename.
        const std::string procPath = "/proc/self/fd/" + std::to_string(fd_);
        const std::string prefix = directoryOf(target_) + "/" + temporaryPrefix(target_);
        for (;;) {
            std::string name = prefix + randomSuffix();
            if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                temp_ = name;
                break;
            }
            if (errno != EEXIST)
                throwFileError(errno);
        }
    }
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throwFileError(errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        throwFileError(errno);
    temp_.clear();
    if (sync == Sync::None)
        return;
    // The rename itself becomes durable with the folder's entry.
    int dir = ::open(directoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void SafeFileWriter::commitInPlace(Sync sync)
{
    const auto size = static_cast<off_t>(pending_.size());
    // Claiming the space first lets a full disk fail the save before a byte is overwritten.
    if (size > 0) {
        int err = ::posix_fallocate(fd_, 0, size);
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL)
            throwFileError(err);
    }
    flushPending();
    if (::ftruncate(fd_, size) != 0)
        throwFileError(errno);
    if (sync == Sync::Full && ::fsync(fd_) != 0)
        throwFileError(errno);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throwFileError(errno);
}

} // namespace fenlo
