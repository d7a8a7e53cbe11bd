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
    bool Visible = false;
    QColor StartColor = Qt::white;
    QColor EndColor = Qt::yellow;
    GradientDirection Direction = GradientDirection::TopBottom;
};

struct ChartBackWall
{
    struct
    {
        QColor Color = Qt::white;
        Qt::BrushStyle Style = Qt::SolidPattern; // Qt::NoBrush: the background shows through
    } Brush;
    struct
    {
        bool Visible = true;
    } Pen;
};

struct ChartBottomWall
{
    QColor Color = Qt::white;
};

struct View3DOptions
{
    int Elevation = 345;
    int Rotation = 345;
    int Perspective = 15;
    bool Orthogonal = true;
};

struct ChartTitle
{
    QStringList text{QStringLiteral("TChart")};
    bool Visible = true;
    ChartFont Font;
};

struct ChartLegend
{
    bool Visible = true;
    LegendStyle legendStyle = LegendStyle::Auto;
    ChartFont Font;
};

struct ChartAxis
{
    struct
    {
        QString Caption;
        ChartFont Font;
    } Title;
    ChartFont LabelsFont;
};

struct ChartFrame
{
    bool Visible = true;
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

    bool AllowZoom = true;
    PanningMode AllowPanning = PanningMode::Both;
    ChartGradient Gradient;
    ChartBackWall BackWall;
    ChartBottomWall BottomWall;
    bool View3D = true;
    bool View3DWalls = true;
    View3DOptions view3DOptions;
    ChartTitle Title;
    ChartLegend Legend;
    ChartAxis LeftAxis;
    ChartAxis BottomAxis;
    bool AxisVisible = true;
    ChartFrame Frame;
    bool ClipPoints = true;
    int MaxPointsPerPage = 0; // 0: all points on one page
    bool ScaleLastPage = true;

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
