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
// label for its position on the x axis.
class TChartSeries {
public:
    TChartSeries(TChart* chart, QLineSeries* line, TColor color);

    std::string Title() const;
    TColor Color() const { return color_; }
    void Clear();
    // Appends a point; its colour is the series' own.
    void Add(double y, const std::string& label);
    // Replaces all points at once: the line is redrawn once, not once per point.
    void SetPoints(const std::vector<double>& ys, const std::vector<std::string>& labels);
    int Count() const { return static_cast<int>(ys_.size()); }
    double Y(int i) const;
    std::string Label(int i) const;

private:
    friend class TChart;

    TChart* chart_;
    QLineSeries* line_;
    TColor color_;
    std::vector<double> ys_;
    std::vector<std::string> labels_;
};

// A line chart with a white back wall, no title, and panning and zooming off. The x axis
// carries some of the labels of the longest series, as many as fit side by side, always
// including the newest; the y axis spans the values. Refilling a chart costs time linear in
// its points.
//
// The 3D view draws every line as a ribbon with depth (a shaded band behind the line), as
// line charts with a 3D look do.
class TChart : public TControlT<QChartView> {
public:
    explicit TChart(QWidget* parent);
    ~TChart() override;

    TChartSeries* AddSeries(const std::string& title, TColor color);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries* Series(int i) const;

    bool View3D() const { return view3D_; }
    void SetView3D(bool on);
    // The depth of a 3D ribbon in pixels.
    static constexpr int Depth3D = 8;

    // The x positions that carry a label at the moment (after the pending axis update).
    std::vector<int> LabelledPoints() const { return labelled_; }
    // Brings the axes up to date now instead of after the current event.
    void UpdateAxes();

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TChartSeries;
    // The axes follow the points once the current event has been handled, not at every point.
    void ScheduleAxes();
    void DrawRibbon(QPainter& painter, const TChartSeries& series, const QRectF& plot) const;
    void ApplyMargins();

    std::vector<std::unique_ptr<TChartSeries>> series_;
    QValueAxis* yAxis_ = nullptr;
    QCategoryAxis* xAxis_ = nullptr;
    std::vector<int> labelled_;
    double low_ = 0.0;
    double high_ = 1.0;
    int points_ = 0;
    int labelRoom_ = 0; // half the widest time label
    bool view3D_ = false;
    bool axesPending_ = false;
};
