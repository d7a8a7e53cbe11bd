#include "data/backups.h"

#include "data/fileio.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fenlo {

namespace {

std::string baseName(const std::string &path)
{
    return path.substr(path.rfind('/') + 1);
}

// What every copy of one logbook's name begins with: its name without the extension and a
// short fingerprint of its full path.
std::string copyPrefix(const std::string &logbook)
{
    char resolved[PATH_MAX];
    std::string identity = ::realpath(logbook.c_str(), resolved) ? resolved : logbook;
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : identity)
        hash = (hash ^ c) * 16777619u;
    std::string stem = baseName(logbook);
    if (std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0)
        stem.erase(dot);
    char fingerprint[9];
    std::snprintf(fingerprint, sizeof fingerprint, "%08x", hash);
    return stem + "_" + fingerprint + "_";
}

// Local time to the millisecond, in an order that sorts as text.
std::string timestamp()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    char withMillis[40];
    std::snprintf(withMillis, sizeof withMillis, "%s-%03d", text, static_cast<int>(millis));
    return withMillis;
}

void makeFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throwFileError(errno);
        if (slash == std::string::npos)
            return;
    }
}

std::string readWhole(const std::string &path)
{
    FileSource source(path);
    std::string bytes;
    char buffer[64 * 1024];
    while (std::size_t n = source.read(buffer, sizeof buffer))
        bytes.append(buffer, n);
    return bytes;
}

} // namespace

BackupFolder BackupFolder::standard()
{
    const char *data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/')
        return BackupFolder(std::string(data) + "/fenlo/backups");
    const char *home = std::getenv("HOME");
    return BackupFolder(std::string(home ? home : "") + "/.local/share/fenlo/backups");
}

std::string BackupFolder::keep(const std::string &logbook) const
{
    const std::string bytes = readWhole(logbook);
    makeFolders(path_);
    const std::string copy = path_ + "/" + copyPrefix(logbook) + timestamp() + ".fnl";
    SafeFileWriter file(copy);
    file.write(bytes);
    file.commit();

    std::vector<std::string> copies = copiesOf(logbook);
    for (std::size_t i = 0; i + Kept < copies.size(); ++i)
        ::unlink(copies[i].c_str());
    return copy;
}

std::vector<std::string> BackupFolder::copiesOf(const std::string &logbook) const
{
    const std::string prefix = copyPrefix(logbook);
    std::vector<std::string> copies;
    DIR *dir = ::opendir(path_.c_str());
    if (!dir)
        return copies;
    while (const dirent *entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name.starts_with(prefix) && name.ends_with(".fnl"))
            copies.push_back(path_ + "/" + entry->d_name);
    }
    ::closedir(dir);
    std::sort(copies.begin(), copies.end());
    return copies;
}

} // namespace fenlo
