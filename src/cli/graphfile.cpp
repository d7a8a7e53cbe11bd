#include "cli/graphfile.h"

#include "chart/chartrenderer.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace fenlo {

namespace {

constexpr int SvgDotsPerInch = 96; // a CSS pixel, so a browser shows the size asked for
constexpr int PdfDotsPerInch = 72; // a pixel of the size is a point of the page

void paintOn(QPaintDevice &device, const ChartModel &chart, QSize size)
{
    QPainter painter(&device);
    paintChart(painter, layoutChart(chart, QRectF(QPointF(0, 0), QSizeF(size))));
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
    paintOn(generator, chart, size);
    return bytes;
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
        paintOn(writer, chart, size);
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
