#include "cli/graph.h"

#include "chart/chartmodel.h"
#include "cli/choices.h"
#include "cli/graphfile.h"
#include "cli/loadbook.h"
#include "data/error.h"
#include "data/fileio.h"
#include "graphs/reportgraphs.h"
#include "reports/display.h"

#include <QGuiApplication>

#include <charconv>
#include <map>
#include <optional>

namespace fenlo::cli {
namespace {

const ChoicesCommand Command{"graph", GraphUsage, {"--out", "--size", "--type", "--page"}};

constexpr int MaxSide = 8192;
const QSize DefaultSize(800, 600);

enum class GraphKind {
    Display1,
    Display2,
    Monthly,
    MakersCount,
    MakersEconomy,
    CategoriesCount,
    CategoriesEconomy
};

struct KindInfo
{
    GraphKind kind;
    ChoiceSet choices;
    bool paged; // pages through its list, as bars, a ribbon or an area
};

const std::map<std::string, KindInfo> Kinds = {
    {"display1", {GraphKind::Display1, ChoiceSet::Display, true}},
    {"display2", {GraphKind::Display2, ChoiceSet::Display, true}},
    {"monthly", {GraphKind::Monthly, ChoiceSet::None, true}},
    {"makers-count", {GraphKind::MakersCount, ChoiceSet::Order, false}},
    {"makers-economy", {GraphKind::MakersEconomy, ChoiceSet::Order, false}},
    {"categories-count", {GraphKind::CategoriesCount, ChoiceSet::None, false}},
    {"categories-economy", {GraphKind::CategoriesEconomy, ChoiceSet::None, false}},
};

// What is drawn besides the report's own choices.
struct Drawing
{
    std::string out;
    GraphFileFormat format;
    QSize size = DefaultSize;
    PagedChartType type = PagedChartType::Bar;
    std::optional<int> page;
};

int positiveNumber(const std::string &text)
{
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

QSize sizeArgument(const std::string &text)
{
    const std::size_t x = text.find('x');
    const int width = x == std::string::npos ? 0 : positiveNumber(text.substr(0, x));
    const int height = x == std::string::npos ? 0 : positiveNumber(text.substr(x + 1));
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        Command.usageError("--size is WIDTHxHEIGHT, each 1 to " + std::to_string(MaxSide) + ": " +
                           text);
    return QSize(width, height);
}

PagedChartType typeArgument(const std::string &text)
{
    const std::map<std::string, PagedChartType> types = {{"bar", PagedChartType::Bar},
                                                         {"ribbon", PagedChartType::Ribbon},
                                                         {"area", PagedChartType::Area}};
    const auto it = types.find(text);
    if (it == types.end())
        Command.usageError("--type is bar, ribbon or area: " + text);
    return it->second;
}

Drawing drawingOf(const Choices &c, const KindInfo &kind)
{
    Drawing d;
    const auto own = [&c](const char *option) -> const std::string * {
        const auto it = c.own.find(option);
        return it == c.own.end() ? nullptr : &it->second;
    };
    const std::string *out = own("--out");
    if (!out)
        Command.usageError("--out is needed");
    const std::optional<GraphFileFormat> format = graphFileFormatOf(*out);
    if (!format)
        Command.usageError("--out names a .png, .svg or .pdf file: " + *out);
    d.out = *out;
    d.format = *format;
    if (const std::string *size = own("--size"))
        d.size = sizeArgument(*size);
    if (const std::string *type = own("--type")) {
        if (!kind.paged)
            Command.usageError("the " + c.kind + " graph has no --type");
        d.type = typeArgument(*type);
    }
    if (const std::string *page = own("--page")) {
        d.page = positiveNumber(*page);
        if (*d.page < 1)
            Command.usageError("--page needs a number from 1: " + *page);
    }
    return d;
}

// The page asked for, or the one the window opens on.
int pageOf(const Drawing &d, int lastPage)
{
    if (d.page && *d.page > lastPage)
        Command.usageError("--page " + std::to_string(*d.page) +
                           " is out of range: this graph has " +
                           (lastPage == 1 ? std::string("page 1 only")
                                          : "pages 1 to " + std::to_string(lastPage)));
    return d.page.value_or(lastPage);
}

QString drawPaged(ChartModel &model, PagedGraphContent content, const Drawing &d)
{
    PagedChart chart(model, content.look, std::move(content.rows));
    chart.setType(d.type);
    chart.showPage(pageOf(d, chart.lastPage()));
    return content.caption;
}

QString drawBars(ChartModel &model, EconomyBarsContent content, const Drawing &d)
{
    pageOf(d, 1);
    EconomyBarsChart chart(model, content.gradientLeft, std::move(content.rows));
    chart.showOnly(content.initial);
    chart.fill();
    return content.caption;
}

QString drawPie(ChartModel &model, CountPieContent content, const Drawing &d)
{
    pageOf(d, 1);
    CountPieChart chart(model, content.look, std::move(content.slices));
    chart.fill();
    return content.caption;
}

// Fills the model as the graph window fills its chart when it opens; gives the window's caption.
QString draw(ChartModel &model, const Logbook &book, GraphKind kind, const Choices &c,
             const Drawing &d)
{
    switch (kind) {
    case GraphKind::Display1:
        return drawPaged(model,
                         fuelingsGraphContent(displayRows(book, DisplayKind::Fuelings,
                                                          displayOptions(book, c, Command))),
                         d);
    case GraphKind::Display2:
        return drawPaged(model,
                         pairsGraphContent(displayRows(book, DisplayKind::Pairs,
                                                       displayOptions(book, c, Command))),
                         d);
    case GraphKind::Monthly:
        return drawPaged(model, monthlyGraphContent(monthly::tally(book)), d);
    case GraphKind::MakersCount:
        return drawPie(model,
                       makerCountGraphContent(bymaker::report(book, makerOptions(c, Command))), d);
    case GraphKind::MakersEconomy: {
        const bymaker::Options options = makerOptions(c, Command);
        return drawBars(model,
                        makerEconomyGraphContent(bymaker::report(book, options), options.order), d);
    }
    case GraphKind::CategoriesCount:
        return drawPie(model, categoryCountGraphContent(bycategory::report(book)), d);
    case GraphKind::CategoriesEconomy:
        return drawBars(model, categoryEconomyGraphContent(bycategory::report(book)), d);
    }
    return {};
}

// Qt's notices (such as a missing XDG_RUNTIME_DIR) are about the machine, not about the graph;
// standard error is kept for the command's own messages, and for Qt's errors.
void keepOnlyQtErrors(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

// Text is laid out and drawn through the GUI application, but nothing is shown: without a platform
// chosen by the caller, the offscreen one serves, so no display is needed.
class OffscreenApplication
{
public:
    OffscreenApplication() : chosen_(choosePlatform()), application_(argc_, argv_) {}
    ~OffscreenApplication() { qInstallMessageHandler(nullptr); }
    OffscreenApplication(const OffscreenApplication &) = delete;
    OffscreenApplication &operator=(const OffscreenApplication &) = delete;

private:
    static bool choosePlatform()
    {
        qInstallMessageHandler(keepOnlyQtErrors);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    int argc_ = 1;
    char name_[10] = "fenlo-cli";
    char *argv_[2] = {name_, nullptr};
    bool chosen_;
    QGuiApplication application_;
};

// The command reads one file and writes another: a failure says which one it met.
template <class Work> void naming(const std::string &path, Work work)
{
    try {
        work();
    } catch (const FenloError &e) {
        throw FenloError(path + ": " + e.what());
    }
}

} // namespace

int graph(const std::vector<std::string> &args)
{
    const Choices c = parseChoices(args, Command);
    const auto kind = Kinds.find(c.kind);
    if (kind == Kinds.end())
        Command.usageError("unknown graph " + c.kind);
    refuseOtherChoices(c, kind->second.choices, Command);
    const Drawing d = drawingOf(c, kind->second);

    Logbook book;
    book.clear();
    naming(c.file, [&] { loadLogbook(book, c.file); });

    const OffscreenApplication application;
    ChartModel model;
    const QString caption = draw(model, book, kind->second.kind, c, d);
    const QByteArray bytes = encodeChart(model, d.size, d.format, caption);
    // Through a temporary put in place at the end: a failed write leaves no part of a file.
    naming(d.out, [&] {
        SafeFileWriter file(d.out);
        file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        file.commit();
    });
    return 0;
}

} // namespace fenlo::cli
