#include "ui/toolkit/TChart.h"

#include "ui/toolkit/TText.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

TChartSeries::TChartSeries(TChart* chart, QLineSeries* line, TColor color)
    : chart_(chart), line_(line), color_(color) {}

std::string TChartSeries::Title() const {
    return ToStdString(line_->name());
}

void TChartSeries::Clear() {
    line_->clear();
    labels_.clear();
    chart_->ScheduleAxes();
}

void TChartSeries::Add(double y, const std::string& label) {
    line_->append(static_cast<double>(labels_.size()), y);
    labels_.push_back(label);
    chart_->ScheduleAxes();
}

double TChartSeries::Y(int i) const {
    return i >= 0 && i < Count() ? line_->at(i).y() : 0.0;
}

std::string TChartSeries::Label(int i) const {
    return i >= 0 && i < Count() ? labels_[static_cast<size_t>(i)] : std::string();
}

TChart::TChart(QWidget* parent) : TControlT<QChartView>(parent) {
    // The view's own chart: replacing it with setChart would orphan the first one.
    QChart* chart = this->chart();
    chart->setBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->setVisible(true);
    setRubberBand(QChartView::NoRubberBand);
    setInteractive(false);
    yAxis_ = new QValueAxis();
    xAxis_ = new QCategoryAxis();
    xAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart->addAxis(xAxis_, Qt::AlignBottom);
    chart->addAxis(yAxis_, Qt::AlignLeft);
    resize(400, 250);
}

TChart::~TChart() {
    series_.clear();
}

TChartSeries* TChart::AddSeries(const std::string& title, TColor color) {
    auto* line = new QLineSeries();
    line->setName(ToQString(title));
    line->setColor(ColorToQColor(color));
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart()->addSeries(line);
    line->attachAxis(xAxis_);
    line->attachAxis(yAxis_);
    series_.push_back(std::make_unique<TChartSeries>(this, line, color));
    SetView3D(view3D_);
    UpdateAxes();
    return series_.back().get();
}

TChartSeries* TChart::Series(int i) const {
    return i >= 0 && i < SeriesCount() ? series_[static_cast<size_t>(i)].get() : nullptr;
}

void TChart::SetView3D(bool on) {
    view3D_ = on;
    for (const auto& series : series_) {
        QPen pen(ColorToQColor(series->Color()));
        pen.setWidth(on ? 3 : 1);
        series->line_->setPen(pen);
    }
}

void TChart::ScheduleAxes() {
    if (axesPending_) {
        return;
    }
    axesPending_ = true;
    PostCall(this, [this] { UpdateAxes(); });
}

void TChart::UpdateAxes() {
    axesPending_ = false;
    const TChartSeries* longest = nullptr;
    double low = 0.0;
    double high = 1.0;
    for (const auto& series : series_) {
        if (longest == nullptr || series->Count() > longest->Count()) {
            longest = series.get();
        }
        for (int i = 0; i < series->Count(); ++i) {
            low = std::min(low, series->Y(i));
            high = std::max(high, series->Y(i));
        }
    }
    yAxis_->setRange(low, high);
    for (const QString& label : xAxis_->categoriesLabels()) {
        xAxis_->remove(label);
    }
    const int points = longest != nullptr ? longest->Count() : 0;
    xAxis_->setRange(0, std::max(1, points - 1));
    for (int i = 0; i < points; ++i) {
        // The axis needs distinct labels; equal time texts are told apart by invisible
        // zero-width spaces.
        QString label = ToQString(longest->Label(i));
        while (xAxis_->categoriesLabels().contains(label)) {
            label += QChar(0x200B);
        }
        xAxis_->append(label, i);
    }
}
