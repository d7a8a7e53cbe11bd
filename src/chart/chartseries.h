#pragma once

// The series of a chart: bars, horizontal bars, lines, areas and pies, with their points, marks
// and value lists.

#include "chart/chartfont.h"

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace fenlo {

class ChartModel;

enum class ValueOrder { None, Ascending };
enum class MarksStyle { Value, LabelValue };
enum class SeriesKind { Bar, HorizBar, Line, Area, Pie };

// The description of one list of values of a series. Only the order changes how the chart
// behaves; the rest is kept so the windows can state their design values.
struct ValueList
{
    QString name;
    ValueOrder order = ValueOrder::None;
    bool dateTime = false;
    double multiplier = 1.0;
};

struct SeriesMarks
{
    bool visible = false;
    MarksStyle style = MarksStyle::Value;
    int arrowLength = 8;
    ChartFont font;
    struct
    {
        // Mid grey reads on both light and dark backgrounds; windows may set their own.
        QColor color = QColor(128, 128, 128);
    } arrow;
};

struct ChartPoint
{
    double x = 0;
    double y = 0;
    QString label;
    QColor color; // invalid: the series colour applies
};

// A data series: its look, its points and whether it is drawn. Changes that the windows make at
// run time (points, Active, rotation) repaint the owning chart.
class ChartSeries
{
public:
    virtual ~ChartSeries() = default;
    ChartSeries(const ChartSeries &) = delete;
    ChartSeries &operator=(const ChartSeries &) = delete;

    virtual SeriesKind kind() const = 0;

    QColor seriesColor = Qt::red;
    QString title;
    SeriesMarks marks;
    std::string valueFormat = "#,##0.###";
    ValueList xValues;
    ValueList yValues;

    bool isActive() const { return active_; }
    void setActive(bool active);

    void clearPoints();
    void addPoint(double x, double y, const QString &label, const QColor &color = QColor());

    const std::vector<ChartPoint> &points() const { return points_; }
    QColor colorOf(const ChartPoint &point) const;
    // The value a point's mark shows, formatted with ValueFormat.
    QString markText(const ChartPoint &point) const;

protected:
    explicit ChartSeries(ChartModel &owner) : owner_(owner) {}
    void changed();
    // The value that places a point along the position axis; it decides the sort order.
    virtual double positionOf(const ChartPoint &point) const { return point.x; }
    virtual const ValueList &positionValues() const { return xValues; }
    virtual double markValueOf(const ChartPoint &point) const { return point.y; }

private:
    ChartModel &owner_;
    bool active_ = true;
    std::vector<ChartPoint> points_;
};

class BarSeries : public ChartSeries
{
public:
    explicit BarSeries(ChartModel &owner) : ChartSeries(owner)
    {
        xValues.order = ValueOrder::Ascending;
    }
    SeriesKind kind() const override { return SeriesKind::Bar; }

    int barWidthPercent = 70;
    bool multiBar = true;   // bars of several series at one position stand side by side
    bool useYOrigin = true; // bars start at YOrigin rather than at the axis minimum
    double yOrigin = 0;
};

// X is the bar length, Y the position on the vertical axis.
class HorizontalBarSeries : public BarSeries
{
public:
    explicit HorizontalBarSeries(ChartModel &owner) : BarSeries(owner)
    {
        xValues.order = ValueOrder::None;
        yValues.order = ValueOrder::Ascending;
    }
    SeriesKind kind() const override { return SeriesKind::HorizBar; }

protected:
    double positionOf(const ChartPoint &point) const override { return point.y; }
    const ValueList &positionValues() const override { return yValues; }
    double markValueOf(const ChartPoint &point) const override { return point.x; }
};

class LineSeries : public ChartSeries
{
public:
    explicit LineSeries(ChartModel &owner) : ChartSeries(owner)
    {
        xValues.order = ValueOrder::Ascending;
    }
    SeriesKind kind() const override { return SeriesKind::Line; }

    struct
    {
        bool visible = false;
    } pointer;
};

class AreaSeries : public LineSeries
{
public:
    using LineSeries::LineSeries;
    SeriesKind kind() const override { return SeriesKind::Area; }

    bool drawArea = true;
};

// One slice per point; the slice value is kept as the point's y.
class PieSeries : public ChartSeries
{
public:
    explicit PieSeries(ChartModel &owner) : ChartSeries(owner)
    {
        marks.style = MarksStyle::LabelValue;
    }
    SeriesKind kind() const override { return SeriesKind::Pie; }

    ValueList &pieValues = yValues;

    void addSlice(double value, const QString &label, const QColor &color = QColor());

    int rotationAngle() const { return rotation_; }
    // Whole degrees, kept modulo 360; a negative angle throws FenloError and changes nothing.
    void setRotationAngle(int degrees);

private:
    int rotation_ = 0;
};

} // namespace fenlo
