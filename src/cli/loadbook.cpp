#include "cli/loadbook.h"

#include "data/backups.h"
#include "data/error.h"
#include "data/fnlfile.h"
#include "data/logbooklock.h"
#include "data/messages.h"

#include <iostream>

namespace fenlo::cli {

void loadLogbook(Logbook &book, const std::string &path)
{
    FileHooks hooks;
    hooks.olderFormat = [] { std::cerr << msg::OlderFormat << '\n'; };
    switch (readLogbookFile(book, path, hooks)) {
    case LoadResult::Loaded:
        return;
    case LoadResult::NoSuchFile:
        throw FenloError(msg::FileNotFound);
    case LoadResult::NotLogbook:
        throw FenloError(msg::NotLogbookV3);
    }
}

void saveLogbook(Logbook &book, const std::string &path)
{
    const std::optional<LogbookLock> lock = LogbookLock::acquire(path);
    if (!lock)
        throw FenloError(std::string(msg::LogbookInUse) + ": " + path);
    const BackupFolder backups = BackupFolder::standard();
    FileHooks hooks;
    hooks.backups = &backups;
    hooks.backupFailed = [](const std::string &message) { std::cerr << message << '\n'; };
    writeLogbookFile(book, path, hooks);
}

} // namespace fenlo::cli
