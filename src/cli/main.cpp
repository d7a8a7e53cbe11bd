// fenlo-cli: headless commands over the logbook core, for scripts and bulk work.

#include "cli/csvimportcommand.h"
#include "cli/exchangecommands.h"
#include "cli/graph.h"
#include "cli/loadbook.h"
#include "cli/report.h"
#include "data/cp932.h"
#include "data/error.h"
#include "data/fnlfile.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace fenlo;

namespace {

const std::string Usage = std::string("usage:\n"
                                      "  fenlo-cli --help | --version\n"
                                      "  fenlo-cli info FILE.fnl\n"
                                      "  fenlo-cli convert IN.fnl OUT.fnl\n"
                                      "  fenlo-cli csv FILE.fnl [--no-title] OUT.csv\n"
                                      "  fenlo-cli import-legacy PATH/nenpi.dat OUT.fnl\n") +
                           cli::ImportCsvUsage + cli::ReportUsage + cli::GraphUsage;

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

struct Command
{
    std::function<int(const std::vector<std::string> &)> run;
    std::set<std::string> options;
};

// A word that looks like an option is one: an unknown one is refused, never opened as a file.
void refuseUnknownOptions(const std::vector<std::string> &args, const std::set<std::string> &known)
{
    for (const std::string &arg : args) {
        if (arg.size() > 1 && arg[0] == '-' && !known.count(arg))
            throw std::invalid_argument("fenlo-cli: unknown option " + arg + "\n" + Usage);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::map<std::string, Command> commands = {
        {"info", {info, {}}},
        {"convert", {convert, {}}},
        {"csv", {cli::csvCommand, {"--no-title"}}},
        {"import-legacy", {cli::importLegacyCommand, {}}},
        {"import-csv", {cli::importCsvCommand, cli::ImportCsvOptions}},
        {"report", {cli::report, cli::ReportOptions}},
        {"graph", {cli::graph, cli::GraphOptions}},
    };
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << Usage;
        return 0;
    }
    if (first == "--version") {
        std::cout << "fenlo-cli " FENLO_VERSION "\n";
        return 0;
    }
    if (!commands.count(first)) {
        std::cerr << (first.empty()     ? std::string()
                      : first[0] == '-' ? "fenlo-cli: unknown option " + first + "\n"
                                        : "fenlo-cli: unknown command " + first + "\n")
                  << Usage;
        return 2;
    }
    try {
        const Command &command = commands.at(first);
        const std::vector<std::string> args(argv + 2, argv + argc);
        refuseUnknownOptions(args, command.options);
        return command.run(args);
    } catch (const FenloError &e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::invalid_argument &e) {
        std::cerr << e.what();
        return 2;
    }
}
