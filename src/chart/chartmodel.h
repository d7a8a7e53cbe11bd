#pragma once

#include "chart/chartfont.h"
#include "chart/chartseries.h"

#include <QColor>
#include <QStringList>

#include <memory>
#include <vector>

namespace fenlo {

enum class GradientDirection { TopBottom, LeftRight };
enum class LegendStyle { Auto, Series };
enum class PanningMode { None, Horizontal, Vertical, Both };

struct ChartGradient
{
    bool visible = false;
    QColor startColor = Qt::white;
    QColor endColor = Qt::yellow;
    GradientDirection direction = GradientDirection::TopBottom;
};

struct ChartBackWall
{
    struct
    {
        QColor color = Qt::white;
        Qt::BrushStyle style = Qt::SolidPattern; // Qt::NoBrush: the background shows through
    } brush;
    struct
    {
        bool visible = true;
    } pen;
};

struct ChartBottomWall
{
    QColor color = Qt::white;
};

struct View3DOptions
{
    int elevation = 345;
    int rotation = 345;
    int perspective = 15;
    bool orthogonal = true;
};

struct ChartTitle
{
    QStringList text{QStringLiteral("TChart")};
    bool visible = true;
    ChartFont font;
};

struct ChartLegend
{
    bool visible = true;
    LegendStyle legendStyle = LegendStyle::Auto;
    ChartFont font;
};

struct ChartAxis
{
    struct
    {
        QString caption;
        ChartFont font;
    } title;
    ChartFont labelsFont;
};

struct ChartFrame
{
    bool visible = true;
};

// Everything a chart shows: its design values and its series, in drawing order. It knows
// nothing of widgets; the geometry is computed from it and painted by the renderer.
class ChartModel
{
public:
    ChartModel() = default;
    virtual ~ChartModel() = default;
    ChartModel(const ChartModel &) = delete;
    ChartModel &operator=(const ChartModel &) = delete;

    bool allowZoom = true;
    PanningMode allowPanning = PanningMode::Both;
    ChartGradient gradient;
    ChartBackWall backWall;
    ChartBottomWall bottomWall;
    bool view3D = true;
    bool view3DWalls = true;
    View3DOptions view3DOptions;
    ChartTitle title;
    ChartLegend legend;
    ChartAxis leftAxis;
    ChartAxis bottomAxis;
    bool axisVisible = true;
    ChartFrame frame;
    bool clipPoints = true;
    int maxPointsPerPage = 0; // 0: all points on one page
    bool scaleLastPage = true;

    template <class Series> Series *addSeries()
    {
        auto series = std::make_unique<Series>(*this);
        Series *raw = series.get();
        series_.push_back(std::move(series));
        seriesChanged();
        return raw;
    }

    const std::vector<std::unique_ptr<ChartSeries>> &series() const { return series_; }
    std::vector<const ChartSeries *> activeSeries() const;

    // Called by the series after every change; a chart on screen repaints.
    virtual void seriesChanged() {}

    // How far the user has dragged the axes, in axis values.
    double panHorizontal() const { return panHorizontal_; }
    double panVertical() const { return panVertical_; }
    void panBy(double horizontal, double vertical)
    {
        panHorizontal_ += horizontal;
        panVertical_ += vertical;
        seriesChanged();
    }

private:
    double panHorizontal_ = 0;
    double panVertical_ = 0;
    std::vector<std::unique_ptr<ChartSeries>> series_;
};

} // namespace fenlo
