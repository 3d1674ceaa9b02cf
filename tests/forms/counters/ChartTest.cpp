#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TChart.h"

#include <QChart>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using ChartTest = UiTest;

std::vector<std::string> TimesFrom(int count) {
    std::vector<std::string> labels;
    for (int i = 0; i < count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", 10 + i / 3600, i / 60 % 60, i % 60);
        labels.emplace_back(text);
    }
    return labels;
}

// However many points, the time labels stay as many as fit side by side, the newest always
// among them; equal texts stay apart.
TEST_F(ChartTest, TimeLabelsAreThinnedToWhatFits) {
    TChart chart(nullptr);
    chart.resize(600, 300);
    chart.show();
    TChartSeries* line = chart.AddSeries("Input Frames", clRed);
    for (int n : {1, 3, 10, 30, 120, 3600}) {
        SCOPED_TRACE(n);
        const std::vector<std::string> labels = TimesFrom(n);
        line->SetPoints(std::vector<double>(static_cast<size_t>(n), 5.0), labels);
        chart.UpdateAxes();
        const std::vector<int> shown = chart.LabelledPoints();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), n - 1);
        EXPECT_LE(shown.size(), 12u); // 600 pixels hold about a dozen "10:00:00" labels
        if (n <= 3) {
            EXPECT_EQ(shown.size(), static_cast<size_t>(n));
        } else {
            EXPECT_GE(shown.size(), 4u);
        }
        for (size_t k = 1; k < shown.size(); ++k) {
            EXPECT_EQ(shown[k] - shown[k - 1], shown[1] - shown[0]);
        }
        EXPECT_EQ(line->Count(), n);
        EXPECT_EQ(line->Label(n - 1), labels.back());
    }
    // Filler points without a time get no label; equal times are both shown.
    line->SetPoints({0, 0, 1, 2}, {"", "", "10:00:00", "10:00:00"});
    chart.UpdateAxes();
    EXPECT_EQ(chart.LabelledPoints(), (std::vector<int>{2, 3}));
}

// The 3D view draws something the flat view does not: a band behind each line.
TEST_F(ChartTest, ThreeDDrawsRibbons) {
    TChart chart(nullptr);
    chart.resize(500, 300);
    chart.show();
    TChartSeries* line = chart.AddSeries("Input Frames", clRed);
    line->SetPoints({1, 5, 2, 8, 3, 9, 4}, TimesFrom(7));
    chart.UpdateAxes();
    TApplication::ProcessMessages();
    const QImage flat = chart.grab().toImage();
    chart.SetView3D(true);
    TApplication::ProcessMessages();
    const QImage deep = chart.grab().toImage();
    ASSERT_EQ(flat.size(), deep.size());
    // The ribbon is a lighter red than the line: count such pixels in both.
    const auto ribbonPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 60 && c.green() < 200 && c.blue() > 60 &&
                    c.blue() < 200) {
                    ++count;
                }
            }
        }
        return count;
    };
    EXPECT_GT(ribbonPixels(deep), ribbonPixels(flat) + 500);
    chart.SetView3D(false);
    EXPECT_FALSE(chart.View3D());
}

} // namespace
