#include "cli/report.h"

#include "cli/choices.h"
#include "cli/loadbook.h"
#include "cli/reportformat.h"
#include "reports/bycategory.h"
#include "reports/bymaker.h"
#include "reports/display.h"
#include "reports/monthly.h"
#include "reports/summary.h"

#include <iostream>

namespace fenlo::cli {
namespace {

const ChoicesCommand Command{"report", ReportUsage, {"--format"}};

void printDisplay(ReportWriter &out, const Logbook &book, DisplayKind kind, const Choices &c)
{
    const std::vector<Measurement> rows = displayRows(book, kind, displayOptions(book, c, Command));
    out.table(displayCells(book, rows));
    const Summary summary = summaryOf(rows);
    out.summary(summaryCells(summary), countCell(summary));
}

} // namespace

int report(const std::vector<std::string> &args)
{
    const Choices c = parseChoices(args, Command);
    const std::map<std::string, ChoiceSet> kinds = {{"list", ChoiceSet::Display},
                                                    {"pairs", ChoiceSet::Display},
                                                    {"monthly", ChoiceSet::None},
                                                    {"makers", ChoiceSet::Order},
                                                    {"categories", ChoiceSet::None}};
    if (!kinds.count(c.kind))
        Command.usageError("unknown report " + c.kind);
    refuseOtherChoices(c, kinds.at(c.kind), Command);
    const auto format = c.own.find("--format");
    const std::unique_ptr<ReportWriter> out =
        makeReportWriter(format == c.own.end() ? "tsv" : format->second, std::cout);
    if (!out)
        Command.usageError("--format is tsv, csv or json");

    Logbook book;
    book.clear();
    loadLogbook(book, c.file);
    if (c.kind == "list")
        printDisplay(*out, book, DisplayKind::Fuelings, c);
    else if (c.kind == "pairs")
        printDisplay(*out, book, DisplayKind::Pairs, c);
    else if (c.kind == "monthly")
        out->table(monthly::cells(monthly::tally(book)));
    else if (c.kind == "makers")
        out->table(bymaker::cells(bymaker::report(book, makerOptions(c, Command))));
    else
        out->table(bycategory::cells(bycategory::report(book)));
    out->finish();
    return 0;
}

} // namespace fenlo::cli
