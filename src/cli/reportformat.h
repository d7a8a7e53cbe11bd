#pragma once

#include "reports/cells.h"

#include <memory>
#include <ostream>
#include <string>

namespace fenlo::cli {

// How a report is written: the window's cells as tab-separated lines (the default), as RFC 4180
// CSV, or as JSON for programs (rows as objects keyed by the column titles, figures as numbers
// with the shown rounding).
class ReportWriter
{
public:
    virtual ~ReportWriter() = default;
    virtual void table(const GridText &grid) = 0;
    // The summary panel of the two displays and its count, after their table.
    virtual void summary(const GridText &panel, const std::string &count) = 0;
    // Completes the output; nothing is written after it.
    virtual void finish() {}
};

// The writer for a --format value, or null when there is no such format.
std::unique_ptr<ReportWriter> makeReportWriter(const std::string &format, std::ostream &out);

} // namespace fenlo::cli
