#include "cli/graphfile.h"

#include "chart/chartrenderer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QStringList>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace fenlo {

namespace {

constexpr int SvgDotsPerInch = 96; // a CSS pixel, so a browser shows the size asked for
constexpr int PdfDotsPerInch = 72; // a pixel of the size is a point of the page

ChartLayout layoutFor(const ChartModel &chart, QSize size)
{
    return layoutChart(chart, QRectF(QPointF(0, 0), QSizeF(size)));
}

void paintOn(QPaintDevice &device, const ChartLayout &layout)
{
    QPainter painter(&device);
    paintChart(painter, layout);
}

// An SVG names only the first family of a font, a Windows face that most viewers lack; they would
// fall back to a face of their own. Naming every family of the chart's fonts lets them fall back
// to the IPA face the window draws with.
QByteArray withEveryFamily(QByteArray svg, const ChartLayout &layout)
{
    std::vector<QFont> fonts;
    for (const ChartText &text : layout.texts)
        fonts.push_back(text.font);
    for (const MarkShape &mark : layout.marks)
        fonts.push_back(mark.font);
    if (layout.legend)
        fonts.push_back(layout.legend->font);
    QSet<QString> named;
    for (const QFont &font : fonts) {
        if (named.contains(font.family()) || font.families().size() < 2)
            continue;
        named.insert(font.family());
        QStringList quoted;
        for (const QString &family : font.families())
            quoted << QLatin1Char('\'') + family.toHtmlEscaped() + QLatin1Char('\'');
        svg.replace(QByteArray("font-family=\"") + font.family().toHtmlEscaped().toUtf8() + '"',
                    QByteArray("font-family=\"") + quoted.join(QStringLiteral(", ")).toUtf8() +
                        '"');
    }
    return svg;
}

QByteArray png(const ChartModel &chart, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    renderChartImage(chart, size).save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(const ChartModel &chart, QSize size, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(SvgDotsPerInch);
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("燃費管理「ふぇんろ」"));
    const ChartLayout layout = layoutFor(chart, size);
    paintOn(generator, layout);
    return withEveryFamily(bytes, layout);
}

QByteArray pdf(const ChartModel &chart, QSize size, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("fenlo-cli"));
        writer.setResolution(PdfDotsPerInch);
        // An exact size: a near one would otherwise be taken for the paper size it is close to.
        writer.setPageSize(
            QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintOn(writer, layoutFor(chart, size));
    }
    return bytes;
}

} // namespace

std::optional<GraphFileFormat> graphFileFormatOf(const std::string &path)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.')
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png")
        return GraphFileFormat::Png;
    if (extension == "svg")
        return GraphFileFormat::Svg;
    if (extension == "pdf")
        return GraphFileFormat::Pdf;
    return std::nullopt;
}

QByteArray encodeChart(const ChartModel &chart, QSize size, GraphFileFormat format,
                       const QString &title)
{
    switch (format) {
    case GraphFileFormat::Png:
        return png(chart, size);
    case GraphFileFormat::Svg:
        return svg(chart, size, title);
    case GraphFileFormat::Pdf:
        return pdf(chart, size, title);
    }
    return {};
}

} // namespace fenlo
