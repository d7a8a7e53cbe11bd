#pragma once

#include "chart/chartfont.h"
#include "chart/chartseries.h"

#include <QColor>
#include <QStringList>

#include <memory>
#include <vector>

namespace fenlo {

enum class TGradientDirection { TopBottom, LeftRight };
enum class TLegendStyle { Auto, Series };
enum class TPanningMode { None, Horizontal, Vertical, Both };

struct TChartGradient
{
    bool Visible = false;
    QColor StartColor = Qt::white;
    QColor EndColor = Qt::yellow;
    TGradientDirection Direction = TGradientDirection::TopBottom;
};

struct TChartBackWall
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

struct TChartBottomWall
{
    QColor Color = Qt::white;
};

struct TView3DOptions
{
    int Elevation = 345;
    int Rotation = 345;
    int Perspective = 15;
    bool Orthogonal = true;
};

struct TChartTitle
{
    QStringList Text{QStringLiteral("TChart")};
    bool Visible = true;
    TChartFont Font;
};

struct TChartLegend
{
    bool Visible = true;
    TLegendStyle LegendStyle = TLegendStyle::Auto;
    TChartFont Font;
};

struct TChartAxis
{
    struct
    {
        QString Caption;
        TChartFont Font;
    } Title;
    TChartFont LabelsFont;
};

struct TChartFrame
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
    TPanningMode AllowPanning = TPanningMode::Both;
    TChartGradient Gradient;
    TChartBackWall BackWall;
    TChartBottomWall BottomWall;
    bool View3D = true;
    bool View3DWalls = true;
    TView3DOptions View3DOptions;
    TChartTitle Title;
    TChartLegend Legend;
    TChartAxis LeftAxis;
    TChartAxis BottomAxis;
    bool AxisVisible = true;
    TChartFrame Frame;
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

    const std::vector<std::unique_ptr<TChartSeries>> &series() const { return series_; }
    std::vector<const TChartSeries *> activeSeries() const;

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
    std::vector<std::unique_ptr<TChartSeries>> series_;
};

} // namespace fenlo
