#pragma once

#include "ui/toolkit/TControl.h"

#include <QChartView>

#include <memory>
#include <string>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;
class TChart;

// One line of a chart: points at x = 0, 1, 2 ... in the order added, each with a y value and a
// label shown under its position on the x axis.
class TChartSeries {
public:
    TChartSeries(TChart* chart, QLineSeries* line, TColor color);

    std::string Title() const;
    TColor Color() const { return color_; }
    void Clear();
    // Appends a point; its colour is the series' own.
    void Add(double y, const std::string& label);
    int Count() const { return static_cast<int>(labels_.size()); }
    double Y(int i) const;
    std::string Label(int i) const;

private:
    friend class TChart;

    TChart* chart_;
    QLineSeries* line_;
    TColor color_;
    std::vector<std::string> labels_;
};

// A line chart with a white back wall, no title, and panning and zooming off. The x axis
// carries the labels of the longest series; the y axis spans the values.
class TChart : public TControlT<QChartView> {
public:
    explicit TChart(QWidget* parent);
    ~TChart() override;

    TChartSeries* AddSeries(const std::string& title, TColor color);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries* Series(int i) const;

    // Qt's charts draw flat: the 3D setting is kept and drawn as thicker lines.
    bool View3D() const { return view3D_; }
    void SetView3D(bool on);

private:
    friend class TChartSeries;
    // The axes follow the points once the current event has been handled, not at every point.
    void ScheduleAxes();
    void UpdateAxes();

    std::vector<std::unique_ptr<TChartSeries>> series_;
    QValueAxis* yAxis_ = nullptr;
    QCategoryAxis* xAxis_ = nullptr;
    bool view3D_ = false;
    bool axesPending_ = false;
};
