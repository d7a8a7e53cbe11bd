#include "cli/loadbook.h"

#include "data/error.h"
#include "data/fnlfile.h"
#include "data/messages.h"

#include <iostream>

namespace fenlo::cli {

void load(Logbook &book, const std::string &path)
{
    FileHooks hooks;
    hooks.olderFormat = [] { std::cerr << msg::OlderFormat << '\n'; };
    switch (DataLoad(book, path, hooks)) {
    case LoadResult::Loaded:
        return;
    case LoadResult::NoSuchFile:
        throw FenloError(msg::FileNotFound);
    case LoadResult::NotLogbook:
        throw FenloError(msg::NotLogbookV3);
    }
}

} // namespace fenlo::cli
