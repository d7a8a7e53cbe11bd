#pragma once

#include "chart/chartfont.h"

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace fenlo {

class ChartModel;

enum class TChartValueOrder { None, Ascending };
enum class TSeriesMarksStyle { Value, LabelValue };
enum class TSeriesKind { Bar, HorizBar, Line, Area, Pie };

// The description of one list of values of a series. Only the order changes how the chart
// behaves; the rest is kept so the windows can state their design values.
struct TChartValueList
{
    QString Name;
    TChartValueOrder Order = TChartValueOrder::None;
    bool DateTime = false;
    double Multiplier = 1.0;
};

struct TSeriesMarks
{
    bool Visible = false;
    TSeriesMarksStyle Style = TSeriesMarksStyle::Value;
    int ArrowLength = 8;
    TChartFont Font;
    struct
    {
        // Mid grey reads on both light and dark backgrounds; windows may set their own.
        QColor Color = QColor(128, 128, 128);
    } Arrow;
};

struct TChartPoint
{
    double x = 0;
    double y = 0;
    QString label;
    QColor color; // invalid: the series colour applies
};

// A data series: its look, its points and whether it is drawn. Changes that the windows make at
// run time (points, Active, rotation) repaint the owning chart.
class TChartSeries
{
public:
    virtual ~TChartSeries() = default;
    TChartSeries(const TChartSeries &) = delete;
    TChartSeries &operator=(const TChartSeries &) = delete;

    virtual TSeriesKind kind() const = 0;

    QColor SeriesColor = Qt::red;
    QString Title;
    TSeriesMarks Marks;
    std::string ValueFormat = "#,##0.###";
    TChartValueList XValues;
    TChartValueList YValues;

    bool Active() const { return active_; }
    void setActive(bool active);

    void ClearPoints();
    void AddPoint(double x, double y, const QString &label, const QColor &color = QColor());

    const std::vector<TChartPoint> &points() const { return points_; }
    QColor colorOf(const TChartPoint &point) const;
    // The value a point's mark shows, formatted with ValueFormat.
    QString markText(const TChartPoint &point) const;

protected:
    explicit TChartSeries(ChartModel &owner) : owner_(owner) {}
    void changed();
    // The value that places a point along the position axis; it decides the sort order.
    virtual double positionOf(const TChartPoint &point) const { return point.x; }
    virtual const TChartValueList &positionValues() const { return XValues; }
    virtual double markValueOf(const TChartPoint &point) const { return point.y; }

private:
    ChartModel &owner_;
    bool active_ = true;
    std::vector<TChartPoint> points_;
};

class TBarSeries : public TChartSeries
{
public:
    explicit TBarSeries(ChartModel &owner) : TChartSeries(owner)
    {
        XValues.Order = TChartValueOrder::Ascending;
    }
    TSeriesKind kind() const override { return TSeriesKind::Bar; }

    int BarWidthPercent = 70;
    bool MultiBar = true;   // bars of several series at one position stand side by side
    bool UseYOrigin = true; // bars start at YOrigin rather than at the axis minimum
    double YOrigin = 0;
};

// X is the bar length, Y the position on the vertical axis.
class THorizBarSeries : public TBarSeries
{
public:
    explicit THorizBarSeries(ChartModel &owner) : TBarSeries(owner)
    {
        XValues.Order = TChartValueOrder::None;
        YValues.Order = TChartValueOrder::Ascending;
    }
    TSeriesKind kind() const override { return TSeriesKind::HorizBar; }

protected:
    double positionOf(const TChartPoint &point) const override { return point.y; }
    const TChartValueList &positionValues() const override { return YValues; }
    double markValueOf(const TChartPoint &point) const override { return point.x; }
};

class TLineSeries : public TChartSeries
{
public:
    explicit TLineSeries(ChartModel &owner) : TChartSeries(owner)
    {
        XValues.Order = TChartValueOrder::Ascending;
    }
    TSeriesKind kind() const override { return TSeriesKind::Line; }

    struct
    {
        bool Visible = false;
    } Pointer;
};

class TAreaSeries : public TLineSeries
{
public:
    using TLineSeries::TLineSeries;
    TSeriesKind kind() const override { return TSeriesKind::Area; }

    bool DrawArea = true;
};

// One slice per point; the slice value is kept as the point's y.
class TPieSeries : public TChartSeries
{
public:
    explicit TPieSeries(ChartModel &owner) : TChartSeries(owner)
    {
        Marks.Style = TSeriesMarksStyle::LabelValue;
    }
    TSeriesKind kind() const override { return TSeriesKind::Pie; }

    TChartValueList &PieValues = YValues;

    void AddSlice(double value, const QString &label, const QColor &color = QColor());

    int RotationAngle() const { return rotation_; }
    // Whole degrees, kept modulo 360; a negative angle throws FenloError and changes nothing.
    void setRotationAngle(int degrees);

private:
    int rotation_ = 0;
};

} // namespace fenlo
