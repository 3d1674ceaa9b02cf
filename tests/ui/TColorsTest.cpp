#include "UiTestSupport.h"
#include "ui/toolkit/TColors.h"
#include "ui/toolkit/TShape.h"

#include <QApplication>
#include <QImage>

namespace {

using ColorsTest = UiTest;

TEST_F(ColorsTest, ProgramColoursHoldBlueGreenRedFromHighToLow) {
    const struct {
        TColor color;
        int red, green, blue;
    } cases[] = {
        {clBlack, 0, 0, 0},      {clWhite, 255, 255, 255},    {clRed, 255, 0, 0},
        {clLime, 0, 255, 0},     {clBlue, 0, 0, 255},         {clYellow, 255, 255, 0},
        {clGray, 128, 128, 128}, {clLedOrange, 255, 128, 64}, {0x123456, 0x56, 0x34, 0x12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToQColor(c.color), QColor(c.red, c.green, c.blue)) << std::hex << c.color;
        EXPECT_EQ(QColorToColor(QColor(c.red, c.green, c.blue)), c.color);
    }
}

TEST_F(ColorsTest, SystemColoursFollowTheApplicationPalette) {
    const QPalette palette = QApplication::palette();
    const struct {
        TColor color;
        QPalette::ColorRole role;
    } cases[] = {
        {clWindow, QPalette::Base},    {clWindowText, QPalette::Text},
        {clBtnFace, QPalette::Button}, {clBtnText, QPalette::ButtonText},
        {clMenu, QPalette::Window},    {clHighlight, QPalette::Highlight},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToQColor(c.color), palette.color(QPalette::Active, c.role))
            << std::hex << c.color;
    }
    EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
    EXPECT_FALSE(ColorToQColor(clDefault).isValid());
    EXPECT_EQ(FieldColor(true), clWindow);
    EXPECT_EQ(FieldColor(false), clMenu);
}

TEST_F(ColorsTest, LedShapeIsFilledWithItsBrushAndOutlinedWithItsPen) {
    TShape led(nullptr);
    led.SetBounds(0, 0, 6, 6);
    const struct {
        TColor brush;
        TColor pen;
    } cases[] = {{clLime, clLime}, {clLedOrange, clBlack}, {clBlack, clRed}};
    for (const auto& c : cases) {
        led.SetBrushColor(c.brush);
        led.SetPenColor(c.pen);
        EXPECT_EQ(led.BrushColor(), c.brush);
        const QImage image = led.grab().toImage();
        ASSERT_EQ(image.width(), 6);
        EXPECT_EQ(image.pixelColor(3, 3), ColorToQColor(c.brush));
        EXPECT_EQ(image.pixelColor(0, 0), ColorToQColor(c.pen));
        EXPECT_EQ(image.pixelColor(5, 5), ColorToQColor(c.pen));
    }
}

} // namespace
