// The front-panel picture: its size at every device pixel ratio, and the LED squares of the
// panel each sitting on an LED window of the picture without overlapping one another.

#include "main_window/FrontPanelPicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

const qreal Ratios[] = {1.0, 1.5, 2.0};

QRect BoundsOf(const FrontPanelLedPlace& led) {
    return QRect(led.left, led.top, led.width, led.height);
}

std::vector<FrontPanelLedPlace> AllPlaces() {
    std::vector<FrontPanelLedPlace> places(FrontPanelLeds.begin(), FrontPanelLeds.end());
    places.insert(places.end(), FrontPanelLedRows.begin(), FrontPanelLedRows.end());
    return places;
}

// The device pixels that a logical rectangle covers entirely at the given ratio.
QRect DevicePixels(const QRect& logical, qreal ratio) {
    const int left = static_cast<int>(std::ceil(logical.left() * ratio));
    const int top = static_cast<int>(std::ceil(logical.top() * ratio));
    const int right = static_cast<int>(std::floor((logical.left() + logical.width()) * ratio));
    const int bottom = static_cast<int>(std::floor((logical.top() + logical.height()) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

// The number of pixels in the rectangle that show the LED window colour.
int WindowPixels(const QImage& image, const QRect& pixels) {
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (image.pixel(x, y) == FrontPanelLedWindowRgb)
                ++count;
        }
    }
    return count;
}

TEST(FrontPanelPicture, RendersAtItsLogicalSizeForEveryRatio) {
    for (const qreal ratio : Ratios) {
        SCOPED_TRACE(ratio);
        const QImage image = RenderFrontPanelPicture(ratio);
        EXPECT_EQ(image.width(), static_cast<int>(std::ceil(FrontPanelPictureWidth * ratio)));
        EXPECT_EQ(image.height(), static_cast<int>(std::ceil(FrontPanelPictureHeight * ratio)));
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        EXPECT_EQ(image.deviceIndependentSize().toSize(),
                  QSize(FrontPanelPictureWidth, FrontPanelPictureHeight));
    }
    // A ratio that makes no sense draws at the plain size.
    EXPECT_EQ(RenderFrontPanelPicture(0).size(),
              QSize(FrontPanelPictureWidth, FrontPanelPictureHeight));
}

TEST(FrontPanelPicture, EveryLedSitsWhollyOnAnLedWindow) {
    const QRect picture(0, 0, FrontPanelPictureWidth, FrontPanelPictureHeight);
    for (const qreal ratio : Ratios) {
        const QImage image = RenderFrontPanelPicture(ratio);
        // The face itself is not a window: a plain spot of it shows another colour.
        EXPECT_NE(image.pixel(DevicePixels(QRect(300, 100, 1, 1), ratio).topLeft()),
                  FrontPanelLedWindowRgb);
        for (const FrontPanelLedPlace& led : AllPlaces()) {
            SCOPED_TRACE(std::string(led.name) + " at ratio " + std::to_string(ratio));
            const QRect bounds = BoundsOf(led);
            ASSERT_TRUE(picture.contains(bounds));
            const QRect under = DevicePixels(bounds, ratio);
            EXPECT_EQ(WindowPixels(image, under), under.width() * under.height());
            // The window ends a little above the square: it is a window, not a dark face.
            const QRect above(bounds.left() + bounds.width() / 2, bounds.top() - 4, 1, 1);
            EXPECT_EQ(WindowPixels(image, DevicePixels(above, ratio)), 0);
        }
    }
}

TEST(FrontPanelPicture, LedPlacesAreDistinctAndDoNotOverlap) {
    std::set<std::string> names;
    for (const FrontPanelLedPlace& led : AllPlaces()) {
        EXPECT_TRUE(names.insert(led.name).second) << led.name;
        EXPECT_GT(led.width, 0) << led.name;
        EXPECT_GT(led.height, 0) << led.name;
    }
    for (size_t i = 0; i < FrontPanelLeds.size(); ++i) {
        for (size_t j = i + 1; j < FrontPanelLeds.size(); ++j) {
            EXPECT_FALSE(BoundsOf(FrontPanelLeds[i]).intersects(BoundsOf(FrontPanelLeds[j])))
                << FrontPanelLeds[i].name << " and " << FrontPanelLeds[j].name;
        }
    }
    // Each row of port-status squares lies over the link squares of its twelve ports, and
    // its twelve squares (6x6, 13 pixels apart, one pixel down) stay inside it.
    for (size_t row = 0; row < FrontPanelLedRows.size(); ++row) {
        const QRect rowBounds = BoundsOf(FrontPanelLedRows[row]);
        for (int i = 0; i < 12; ++i) {
            const std::string link = "LinkShape_Port" + std::to_string(row * 12 + i + 1);
            bool found = false;
            for (const FrontPanelLedPlace& led : FrontPanelLeds) {
                if (link == led.name) {
                    found = true;
                    EXPECT_TRUE(rowBounds.contains(BoundsOf(led))) << link;
                }
            }
            EXPECT_TRUE(found) << link;
            const QRect square(rowBounds.left() + 13 * i, rowBounds.top() + 1, 6, 6);
            EXPECT_TRUE(rowBounds.contains(square)) << FrontPanelLedRows[row].name << " " << i;
        }
    }
}

} // namespace
