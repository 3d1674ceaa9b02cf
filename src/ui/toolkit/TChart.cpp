#include "ui/toolkit/TChart.h"

#include "ui/toolkit/TText.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QLineSeries>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

TChartSeries::TChartSeries(TChart* chart, QLineSeries* line, TColor color)
    : chart_(chart), line_(line), color_(color) {}

std::string TChartSeries::Title() const {
    return ToStdString(line_->name());
}

void TChartSeries::Clear() {
    line_->clear();
    ys_.clear();
    labels_.clear();
    chart_->ScheduleAxes();
}

void TChartSeries::Add(double y, const std::string& label) {
    line_->append(static_cast<double>(ys_.size()), y);
    ys_.push_back(y);
    labels_.push_back(label);
    chart_->ScheduleAxes();
}

void TChartSeries::SetPoints(const std::vector<double>& ys,
                             const std::vector<std::string>& labels) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(ys.size()));
    for (size_t i = 0; i < ys.size(); ++i) {
        points.append(QPointF(static_cast<double>(i), ys[i]));
    }
    ys_ = ys;
    labels_ = labels;
    labels_.resize(ys_.size());
    line_->replace(points);
    chart_->ScheduleAxes();
}

double TChartSeries::Y(int i) const {
    return i >= 0 && i < Count() ? ys_[static_cast<size_t>(i)] : 0.0;
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
    // Thin pens in both views: the ribbons of the 3D view are drawn over the lines, and a wide
    // pen over thousands of points costs several times a thin one.
    for (const auto& series : series_) {
        QPen pen(ColorToQColor(series->Color()));
        pen.setWidth(1);
        series->line_->setPen(pen);
    }
    ApplyMargins();
    viewport()->update();
}

// The ribbons of the 3D view stand out above and right of the lines, and the newest time label
// is centred on the last point: the plot area leaves room for both.
void TChart::ApplyMargins() {
    const int depth = view3D_ ? Depth3D : 0;
    const QMargins margins(4, 4 + depth, 4 + std::max(depth, labelRoom_), 4);
    if (chart()->margins() != margins) {
        chart()->setMargins(margins);
    }
}

void TChart::ScheduleAxes() {
    if (axesPending_) {
        return;
    }
    axesPending_ = true;
    PostCall(this, [this] {
        if (axesPending_) {
            UpdateAxes();
        }
    });
}

void TChart::resizeEvent(QResizeEvent* event) {
    TControlT<QChartView>::resizeEvent(event);
    ScheduleAxes(); // as many labels as fit the new width
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
        for (double y : series->ys_) {
            low = std::min(low, y);
            high = std::max(high, y);
        }
    }
    low_ = low;
    high_ = high;
    yAxis_->setRange(low, high);
    const QStringList old = xAxis_->categoriesLabels();
    for (const QString& label : old) {
        xAxis_->remove(label);
    }
    points_ = longest != nullptr ? longest->Count() : 0;
    xAxis_->setRange(0, std::max(1, points_ - 1));
    labelled_.clear();
    if (points_ == 0) {
        return;
    }

    // As many labels as fit side by side with a gap, counted back from the newest point so
    // that the newest time is always shown and the labels keep their places as points move.
    const QFontMetrics metrics(xAxis_->labelsFont());
    int widest = 0;
    for (int i : {0, points_ / 2, points_ - 1}) {
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(longest->Label(i))));
    }
    const bool upright = std::abs(xAxis_->labelsAngle()) >= 45;
    labelRoom_ = upright ? metrics.height() / 2 : widest / 2;
    ApplyMargins();
    const int extent = upright ? metrics.height() : std::max(widest, metrics.averageCharWidth());
    double plotWidth = chart()->plotArea().width();
    if (plotWidth < 1.0) {
        plotWidth = std::max(100, width() - 100);
    }
    const int room =
        std::max(1, static_cast<int>(plotWidth / (extent + 2.0 * metrics.averageCharWidth())));
    const int step = std::max(1, (points_ + room - 1) / room);
    QStringList used;
    for (int i = points_ - 1; i >= 0; i -= step) {
        QString label = ToQString(longest->Label(i));
        if (label.isEmpty()) {
            continue; // a filler point without a time
        }
        // The axis needs distinct labels; equal time texts are told apart by invisible
        // zero-width spaces. Only the few labels shown are compared.
        while (used.contains(label)) {
            label += QChar(0x200B);
        }
        used.append(label);
        labelled_.push_back(i);
    }
    std::reverse(labelled_.begin(), labelled_.end());
    std::reverse(used.begin(), used.end());
    for (size_t k = 0; k < labelled_.size(); ++k) {
        xAxis_->append(used[static_cast<qsizetype>(k)], labelled_[k]);
    }
    viewport()->update();
}

void TChart::drawForeground(QPainter* painter, const QRectF& rect) {
    TControlT<QChartView>::drawForeground(painter, rect);
    if (!view3D_ || points_ == 0) {
        return;
    }
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setClipRect(plot.adjusted(0, -Depth3D - 1, Depth3D + 1, 0));
    // The first series stands in front: the others are drawn before it.
    for (auto it = series_.rbegin(); it != series_.rend(); ++it) {
        DrawRibbon(*painter, **it, plot);
    }
    painter->restore();
}

void TChart::DrawRibbon(QPainter& painter, const TChartSeries& series, const QRectF& plot) const {
    const int n = series.Count();
    if (n == 0) {
        return;
    }
    const double spanX = std::max(1, points_ - 1);
    const double spanY = high_ > low_ ? high_ - low_ : 1.0;
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + x / spanX * plot.width(),
                       plot.bottom() - (y - low_) / spanY * plot.height());
    };
    // More points than pixels: one point per pixel column, the highest of its points, so
    // that the drawing costs no more than the width of the plot and keeps every peak.
    const int columns = std::max(1, static_cast<int>(plot.width()));
    QPolygonF front;
    if (n <= columns) {
        for (int i = 0; i < n; ++i) {
            front.append(at(i, series.Y(i)));
        }
    } else {
        const double perColumn = static_cast<double>(n) / columns;
        for (int c = 0; c < columns; ++c) {
            const int from = static_cast<int>(c * perColumn);
            const int to = std::min(n, static_cast<int>((c + 1) * perColumn));
            int best = from;
            for (int i = from + 1; i < to; ++i) {
                if (series.Y(i) > series.Y(best)) {
                    best = i;
                }
            }
            front.append(at(best, series.Y(best)));
        }
    }
    const QPointF depth(Depth3D, -Depth3D);
    const QColor color = ColorToQColor(series.Color());
    // The band between the line and its copy further back, lit from above.
    painter.setPen(Qt::NoPen);
    painter.setBrush(color.lighter(140));
    for (qsizetype i = 0; i + 1 < front.size(); ++i) {
        const QPointF quad[4] = {front[i], front[i + 1], front[i + 1] + depth, front[i] + depth};
        painter.drawConvexPolygon(quad, 4);
    }
    if (front.size() == 1) {
        painter.drawLine(front[0], front[0] + depth);
    }
    QPolygonF back = front;
    back.translate(depth);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color.darker(130), 1));
    painter.drawPolyline(back);
    painter.setPen(QPen(color, 2));
    painter.drawPolyline(front);
}
