#include "chart/chartlayout.h"

#include "chart/layoutparts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace fenlo {

namespace {

constexpr qreal outerMargin = 6;
constexpr qreal legendPad = 5;
constexpr qreal swatchSize = 10;
constexpr qreal legendGap = 8;

bool hasPie(const ChartModel &chart)
{
    return std::any_of(chart.series().begin(), chart.series().end(),
                       [](const auto &s) { return s->kind() == SeriesKind::Pie; });
}

// Takes the title lines off the top of area.
void layoutTitle(const ChartModel &chart, QRectF &area, ChartLayout &out)
{
    const QStringList &lines = chart.title.text;
    if (!chart.title.visible ||
        std::all_of(lines.begin(), lines.end(), [](const QString &l) { return l.isEmpty(); }))
        return;
    const QFont font = chart.title.font.toQFont();
    const double h = std::ceil(QFontMetricsF(font).height());
    for (const QString &line : lines) {
        out.texts.push_back(ChartText{line, QRectF(area.left(), area.top(), area.width(), h), font,
                                      chart.title.font.color, Qt::AlignCenter, 0});
        area.setTop(area.top() + h);
    }
    area.setTop(area.top() + 2);
}

// Takes the legend off the right of area, in as many columns as its height needs.
void layoutLegend(const ChartModel &chart, QRectF &area, ChartLayout &out)
{
    if (!chart.legend.visible)
        return;
    auto entries = legendEntries(chart);
    if (entries.empty())
        return;
    LegendShape legend;
    legend.font = chart.legend.font.toQFont();
    legend.textColor = chart.legend.font.color;
    const QFontMetricsF metrics(legend.font);
    const double rowHeight = std::ceil(metrics.height()) + 2;
    double textWidth = 0;
    for (const LegendEntry &e : entries)
        textWidth = std::max(textWidth, std::ceil(metrics.horizontalAdvance(e.text)));
    textWidth = std::min(textWidth, area.width() / 4);

    const int rowsFit = std::max(1, int((area.height() - 2 * legendPad) / rowHeight));
    const int columns = int((entries.size() + rowsFit - 1) / rowsFit);
    const int rows = int((entries.size() + columns - 1) / columns);
    const double columnWidth = swatchSize + 4 + textWidth;
    const QSizeF size(columns * columnWidth + (columns - 1) * legendGap + 2 * legendPad,
                      rows * rowHeight + 2 * legendPad);
    legend.frame = QRectF(QPointF(area.right() - size.width(),
                                  std::round(area.center().y() - size.height() / 2)),
                          size);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double x = legend.frame.left() + legendPad + double(i / rows) * (columnWidth + legendGap);
        const double y = legend.frame.top() + legendPad + double(i % rows) * rowHeight;
        entries[i].swatch =
            QRectF(x, y + std::round((rowHeight - swatchSize) / 2), swatchSize, swatchSize);
        entries[i].textRect = QRectF(x + swatchSize + 4, y, textWidth, rowHeight);
        entries[i].text = metrics.elidedText(entries[i].text, Qt::ElideRight, textWidth + 1);
    }
    legend.entries = std::move(entries);
    out.legend = std::move(legend);
    area.setRight(area.right() - size.width() - legendGap);
}

} // namespace

std::vector<LegendEntry> legendEntries(const ChartModel &chart)
{
    const auto active = chart.activeSeries();
    std::vector<LegendEntry> entries;
    if (chart.legend.legendStyle == LegendStyle::Auto && active.size() == 1) {
        for (const ChartPoint &p : active.front()->points())
            entries.push_back(LegendEntry{p.label, active.front()->colorOf(p), {}, {}});
        return entries;
    }
    for (const ChartSeries *s : active)
        entries.push_back(LegendEntry{s->title, s->seriesColor, {}, {}});
    return entries;
}

ChartLayout layoutChart(const ChartModel &chart, const QRectF &bounds)
{
    ChartLayout out;
    out.bounds = bounds;
    out.background.rect = bounds;
    out.background.gradient = chart.gradient.visible;
    out.background.start = chart.gradient.startColor;
    out.background.end = chart.gradient.endColor;
    out.background.direction = chart.gradient.direction;

    QRectF area = bounds.adjusted(outerMargin, outerMargin, -outerMargin, -outerMargin);
    layoutTitle(chart, area, out);
    layoutLegend(chart, area, out);
    if (area.width() < 10 || area.height() < 10)
        return out;
    if (hasPie(chart))
        layoutPie(chart, area, out);
    else
        layoutCartesian(chart, area, out);
    return out;
}

} // namespace fenlo
