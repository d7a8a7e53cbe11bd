#include "cli/csvimportcommand.h"

#include "cli/loadbook.h"
#include "exchange/csvimport.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

namespace fenlo::cli {

const char *const ImportCsvUsage =
    "  fenlo-cli import-csv IN.csv OUT.fnl [--into EXISTING.fnl] [--map FIELD=HEADER]...\n"
    "            [--date-order dmy|mdy|ymd] [--miles] [--gallons]\n";

const std::set<std::string> ImportCsvOptions = {"--into", "--map", "--date-order", "--miles",
                                                "--gallons"};

namespace {

struct Request
{
    std::vector<std::string> paths; // IN.csv and OUT.fnl
    std::optional<std::string> into;
    std::vector<std::string> maps;
    CsvImportOptions options;
};

[[noreturn]] void usage()
{
    throw std::invalid_argument(std::string("usage:\n") + ImportCsvUsage);
}

Request parse(const std::vector<std::string> &args)
{
    static const std::map<std::string, DateOrder> orders = {
        {"dmy", DateOrder::DayMonthYear},
        {"mdy", DateOrder::MonthDayYear},
        {"ymd", DateOrder::YearMonthDay},
    };
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        auto value = [&]() -> const std::string & {
            if (++i == args.size())
                usage();
            return args[i];
        };
        if (arg == "--into")
            request.into = value();
        else if (arg == "--map")
            request.maps.push_back(value());
        else if (arg == "--date-order") {
            auto order = orders.find(value());
            if (order == orders.end())
                usage();
            request.options.dateOrder = order->second;
        } else if (arg == "--miles")
            request.options.miles = true;
        else if (arg == "--gallons")
            request.options.gallons = true;
        else
            request.paths.push_back(arg);
    }
    if (request.paths.size() != 2)
        usage();
    return request;
}

} // namespace

int importCsvCommand(const std::vector<std::string> &args)
{
    const Request request = parse(args);
    // Everything is read and checked before OUT.fnl is touched, so a failure writes nothing.
    const CsvTable table = readCsvFile(request.paths[0]);
    std::vector<CsvField> columns = recogniseColumns(table);
    for (const std::string &assignment : request.maps)
        mapColumn(columns, table, assignment);
    auto book = std::make_unique<Logbook>();
    book->clear();
    if (request.into)
        loadLogbook(*book, *request.into);
    const CsvImportSummary summary = importCsv(*book, table, columns, request.options);
    saveLogbook(*book, request.paths[1]);
    std::cout << summaryText(summary);
    return 0;
}

} // namespace fenlo::cli
