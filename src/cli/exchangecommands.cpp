#include "cli/exchangecommands.h"

#include "cli/loadbook.h"
#include "data/error.h"
#include "data/fnlfile.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace fenlo::cli {

int csvCommand(const std::vector<std::string> &args)
{
    std::vector<std::string> paths = args;
    auto flag = std::find(paths.begin(), paths.end(), "--no-title");
    const bool withTitle = flag == paths.end();
    if (!withTitle)
        paths.erase(flag);
    if (paths.size() != 2)
        throw std::invalid_argument("usage: fenlo-cli csv FILE.fnl [--no-title] OUT.csv\n");
    auto book = std::make_unique<Logbook>();
    book->clear();
    loadLogbook(*book, paths[0]);
    saveCsv(*book, withTitle, paths[1]);
    return 0;
}

int importLegacyCommand(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        throw std::invalid_argument("usage: fenlo-cli import-legacy PATH/nenpi.dat OUT.fnl\n");
    auto book = std::make_unique<Logbook>();
    book->clear();
    if (importLegacy(*book, args[0]) == ImportResult::WrongPath)
        throw FenloError(msg::LegacyWrongPath);
    saveLogbook(*book, args[1]);
    return 0;
}

} // namespace fenlo::cli
