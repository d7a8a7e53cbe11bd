#include "graphs/pagedchart.h"

#include "chart/chartmodel.h"

#include <algorithm>

namespace fenlo {

PagedChart::PagedChart(ChartModel &chart, const PagedChartLook &look, PageRows rows)
    : rows_(std::move(rows)), perPage_(look.perPage), pointColour_(look.pointColour)
{
    chart.allowZoom = false;
    chart.allowPanning = PanningMode::None;
    chart.gradient.visible = true;
    chart.gradient.startColor = look.gradientBottom;
    chart.gradient.endColor = Qt::white;
    chart.gradient.direction = GradientDirection::TopBottom;
    chart.backWall.brush.color = Qt::white;
    chart.backWall.brush.style = Qt::NoBrush;
    chart.bottomWall.color = look.bottomWall;
    chart.title.text = QStringList{QString()};
    chart.legend.visible = false;
    chart.leftAxis.title.caption = QStringLiteral("燃費(km/L)");
    chart.maxPointsPerPage = look.perPage;
    chart.scaleLastPage = false;

    auto *bars = chart.addSeries<BarSeries>();
    bars->seriesColor = Qt::red;
    bars->barWidthPercent = 60;
    bars->multiBar = false;
    bars->useYOrigin = false;
    bars->marks.arrowLength = 20;
    bars->valueFormat = "#,##0.#";
    bars->yValues.name = QStringLiteral("縦棒");
    auto *ribbon = chart.addSeries<LineSeries>();
    ribbon->seriesColor = Qt::green;
    auto *area = chart.addSeries<AreaSeries>();
    area->seriesColor = Qt::yellow;
    area->drawArea = true;
    series_ = {bars, ribbon, area};
    for (ChartSeries *s : series_) {
        s->marks.visible = true;
        s->marks.style = MarksStyle::Value;
        if (look.valueFormatOnAll)
            s->valueFormat = "#,##0.#";
    }
    setType(PagedChartType::Bar);
}

int PagedChart::lastPage() const
{
    return std::max(1, static_cast<int>(rows_.size()) - (perPage_ - 1));
}

void PagedChart::showPage(int first)
{
    for (ChartSeries *s : series_) {
        s->clearPoints();
        for (int k = 0; k < perPage_; ++k) {
            const std::size_t row = static_cast<std::size_t>(first + k - 1);
            if (row >= rows_.size() || !rows_[row])
                continue;
            s->addPoint(k + 1, rows_[row]->value, rows_[row]->label, pointColour_);
        }
    }
}

void PagedChart::setType(PagedChartType type)
{
    for (std::size_t i = 0; i < series_.size(); ++i)
        series_[i]->setActive(static_cast<int>(i) == static_cast<int>(type));
}

} // namespace fenlo
