#pragma once

// The logbook file (*.fnl): reading it into a logbook and writing a logbook to it.

#include "data/fileio.h"
#include "data/logbook.h"

#include <functional>
#include <string>
#include <string_view>

namespace fenlo {

class BackupFolder;

inline constexpr const char *HeaderV3 = "fenlov3";
inline constexpr const char *HeaderV2 = "fenlov2";
inline constexpr int LinesV3 = 11042;

// What loading and saving tell the window that runs them.
struct FileHooks
{
    std::function<void(int)> progress; // gauge position 0..100 as the work goes on
    std::function<void()> olderFormat; // a "fenlov2" file is about to be read
    // Where a save first copies the file it replaces; none keeps no copy.
    const BackupFolder *backups = nullptr;
    // The copy could not be written (the message says why); the save goes on without it.
    std::function<void(const std::string &)> backupFailed;
};

enum class LoadResult {
    Loaded,
    NoSuchFile, // nothing at the path: silently nothing happens
    NotLogbook, // the first line is neither header
};

// Reads a logbook file. The file is read into a fresh logbook, and `book` is replaced only
// once the whole file was read: after a failure (FenloError) or NotLogbook it is exactly as it
// was. On success the tables are sorted, fileName is the path and modified is false.
// An older-format file brings no memos, so the loaded logbook has none.
LoadResult readLogbookFile(Logbook &book, const std::string &path, const FileHooks &hooks = {});

// The same from bytes already in memory (fileName is left to the caller).
LoadResult parseLogbook(Logbook &book, ByteSource &source, const FileHooks &hooks = {});

// Writes the logbook in the current format. false for an empty path; otherwise true, with
// fileName the path and modified false. On a failure (FenloError) the previous file is
// byte-for-byte intact and `book` unchanged. With `hooks.backups` the previous file is copied
// there first, and once that copy is safe a folder that takes no new files is no obstacle: the
// file is then written in place (a failure part-way leaves the copy as the previous file).
bool writeLogbookFile(Logbook &book, const std::string &path, const FileHooks &hooks = {},
                      SafeFileWriter::Sync sync = SafeFileWriter::Sync::Full);

// The exact bytes writeLogbookFile writes.
std::string serializeLogbook(const Logbook &book, const FileHooks &hooks = {});

} // namespace fenlo
