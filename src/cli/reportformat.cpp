#include "cli/reportformat.h"

#include <regex>
#include <set>

namespace fenlo::cli {
namespace {

using Line = std::vector<std::string>;

Line rowLine(const GridText &grid, int row)
{
    Line line;
    for (int c = 0; c < grid.columns(); ++c)
        line.push_back(grid.cell(row, c));
    return line;
}

// Writes the cells line by line as the grids show them; the two formats differ only in how a
// line is joined.
class LineWriter : public ReportWriter
{
public:
    explicit LineWriter(std::ostream &out) : out_(out) {}

    void table(const GridText &grid) override
    {
        write(grid.titles());
        for (int r = 0; r < grid.rowCount(); ++r)
            write(rowLine(grid, r));
    }
    void summary(const GridText &panel, const std::string &count) override
    {
        write({});
        table(panel);
        write({"件数", count});
    }

protected:
    virtual void write(const Line &line) = 0;
    std::ostream &out_;
};

class TsvWriter : public LineWriter
{
public:
    using LineWriter::LineWriter;

protected:
    void write(const Line &line) override
    {
        for (std::size_t i = 0; i < line.size(); ++i)
            out_ << (i > 0 ? "\t" : "") << line[i];
        out_ << '\n';
    }
};

class CsvWriter : public LineWriter
{
public:
    using LineWriter::LineWriter;

protected:
    void write(const Line &line) override
    {
        for (std::size_t i = 0; i < line.size(); ++i)
            out_ << (i > 0 ? "," : "") << quoted(line[i]);
        out_ << "\r\n";
    }

private:
    static std::string quoted(const std::string &field)
    {
        if (field.find_first_of(",\"\r\n") == std::string::npos)
            return field;
        std::string text = "\"";
        for (char c : field)
            text += c == '"' ? std::string("\"\"") : std::string(1, c);
        return text + '"';
    }
};

std::string jsonString(const std::string &text)
{
    std::string json = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 15];
        } else {
            json += static_cast<char>(c);
        }
    }
    return json + '"';
}

// The columns that hold words, not figures; every other cell that reads as a decimal number is
// written as that number, digits unchanged, so the shown rounding stays.
bool isTextColumn(const std::string &title)
{
    static const std::set<std::string> texts = {"",         "日付", "メーカー",    "区分",
                                                "コメント", "年月", "燃料メーカー"};
    return texts.count(title) > 0;
}

std::string jsonValue(const std::string &title, const std::string &cell)
{
    static const std::regex figure("-?(0|[1-9][0-9]*)(\\.[0-9]+)?");
    if (!isTextColumn(title) && std::regex_match(cell, figure))
        return cell;
    return jsonString(cell);
}

std::string jsonObject(const GridText &grid, int row, int firstColumn)
{
    std::string json = "{";
    for (int c = firstColumn; c < grid.columns(); ++c) {
        const std::string &title = grid.titles()[static_cast<std::size_t>(c)];
        json += (c > firstColumn ? ", " : "") + jsonString(title) + ": " +
                jsonValue(title, grid.cell(row, c));
    }
    return json + "}";
}

// {"rows": [...]} for every report, with "summary" beside it for the two displays: one object
// keyed by the panel's row names, and the count.
class JsonWriter : public ReportWriter
{
public:
    explicit JsonWriter(std::ostream &out) : out_(out) {}

    void table(const GridText &grid) override
    {
        out_ << "{\"rows\": [";
        for (int r = 0; r < grid.rowCount(); ++r)
            out_ << (r > 0 ? "," : "") << "\n  " << jsonObject(grid, r, 0);
        out_ << "\n]";
    }
    void summary(const GridText &panel, const std::string &count) override
    {
        out_ << ",\n\"summary\": {";
        for (int r = 0; r < panel.rowCount(); ++r)
            out_ << "\n  " << jsonString(panel.cell(r, 0)) << ": " << jsonObject(panel, r, 1)
                 << ',';
        out_ << "\n  \"件数\": " << jsonValue("件数", count) << "\n}";
    }
    void finish() override { out_ << "}\n"; }

private:
    std::ostream &out_;
};

} // namespace

std::unique_ptr<ReportWriter> makeReportWriter(const std::string &format, std::ostream &out)
{
    if (format == "tsv")
        return std::make_unique<TsvWriter>(out);
    if (format == "csv")
        return std::make_unique<CsvWriter>(out);
    if (format == "json")
        return std::make_unique<JsonWriter>(out);
    return nullptr;
}

} // namespace fenlo::cli
