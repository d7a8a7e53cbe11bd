#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>
#include <string>

namespace fenlo {

class ChartModel;

enum class GraphFileFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any case; none for another extension.
std::optional<GraphFileFormat> graphFileFormatOf(const std::string &path);

// The chart drawn at `size` (pixels; points in a PDF, whose page has that size) and encoded.
// The title names the drawing in an SVG or PDF.
QByteArray encodeChart(const ChartModel &chart, QSize size, GraphFileFormat format,
                       const QString &title);

} // namespace fenlo
