// fenlo-cli: headless commands over the logbook core, for scripts and bulk work.

#include "cli/exchangecommands.h"
#include "cli/loadbook.h"
#include "cli/report.h"
#include "data/cp932.h"
#include "data/error.h"
#include "data/fnlfile.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace fenlo;

namespace {

const std::string Usage = std::string("usage:\n"
                                      "  fenlo-cli info FILE.fnl\n"
                                      "  fenlo-cli convert IN.fnl OUT.fnl\n"
                                      "  fenlo-cli csv FILE.fnl [--no-title] OUT.csv\n"
                                      "  fenlo-cli import-legacy PATH/nenpi.dat OUT.fnl\n") +
                          cli::ReportUsage;

int info(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        throw std::invalid_argument(Usage);
    Logbook book;
    book.clear();
    cli::loadLogbook(book, args[0]);
    int fuelings = book.fuelings.usedCount();
    std::cout << "車名: " << cp932ToUtf8(book.carName) << '\n'
              << "燃料メーカー: " << book.makers.usedCount() << '\n'
              << "給油データ: " << fuelings << '\n'
              << "メモ: " << book.memos.usedCount() << '\n';
    if (fuelings > 0) {
        std::cout << "最初の給油: " << formatDate(book.fuelings[1].moment) << '\n'
                  << "最後の給油: " << formatDate(book.fuelings[fuelings].moment) << '\n';
    }
    return 0;
}

int convert(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        throw std::invalid_argument(Usage);
    Logbook book;
    book.clear();
    cli::loadLogbook(book, args[0]);
    cli::saveLogbook(book, args[1]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::map<std::string, std::function<int(const std::vector<std::string> &)>> commands = {
        {"info", info},
        {"convert", convert},
        {"csv", cli::csvCommand},
        {"import-legacy", cli::importLegacyCommand},
        {"report", cli::report},
    };
    if (argc < 2 || !commands.count(argv[1])) {
        std::cerr << Usage;
        return 2;
    }
    try {
        return commands.at(argv[1])(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const FenloError &e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::invalid_argument &e) {
        std::cerr << e.what();
        return 2;
    }
}
