#include "UiTestSupport.h"
#include "forms/other/TAboutForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TImage.h"
#include "ui/toolkit/TLabel.h"

#include <QImage>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

class AboutForm : public UiTest {};

// The captions of the labels on the form, in no particular order.
std::vector<std::string> LabelCaptions(TAboutForm& form) {
    std::vector<std::string> captions;
    for (TLabel* label : form.findChildren<TLabel*>()) {
        captions.push_back(label->Caption());
    }
    return captions;
}

TEST_F(AboutForm, WindowIsAFixedBoxWithOnlyACloseIcon) {
    TAboutForm form(nullptr);
    EXPECT_EQ(form.Caption(), "About KSW-524P Management Module");
    EXPECT_EQ(form.ClientWidth(), 354);
    EXPECT_EQ(form.ClientHeight(), 105);
    EXPECT_EQ(form.BorderStyle(), bsSingle);
    EXPECT_EQ(form.BorderIcons(), biSystemMenu);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    // A single border cannot be dragged to another size.
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(AboutForm, ShowsTheProductVersionAndNoticeInsideTheBox) {
    TAboutForm form(nullptr);
    const std::vector<std::string> captions = LabelCaptions(form);
    for (const char* text : {"Velsyn KSW-524P Management Module", "Version 4.50V10"}) {
        EXPECT_NE(std::find(captions.begin(), captions.end(), text), captions.end()) << text;
    }
    EXPECT_FALSE(form.Copyright->Caption().empty());
    EXPECT_EQ(form.Copyright->Caption().find('\n'), std::string::npos);
    EXPECT_EQ(form.OKButton->Caption(), "OK");

    // Every control lies wholly inside the client area, and no two overlap.
    std::vector<QRect> areas;
    for (TControl* control : std::initializer_list<TControl*>{
             form.Image1, form.ProductName, form.Version, form.Copyright, form.OKButton}) {
        const QRect area(control->Left(), control->Top(), control->Width(), control->Height());
        EXPECT_TRUE(QRect(0, 0, 354, 105).contains(area)) << control->Name();
        for (const QRect& other : areas) {
            EXPECT_FALSE(area.intersects(other)) << control->Name();
        }
        areas.push_back(area);
    }
}

TEST_F(AboutForm, ThePictureIsDrawnWithoutAnyFile) {
    TAboutForm form(nullptr);
    const QImage image = form.Image1->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    // More than a blank background and an outline.
    EXPECT_GE(colours.size(), 4);
}

TEST_F(AboutForm, OkAndTheCloseIconEndTheBox) {
    {
        TAboutForm form(nullptr);
        QTimer::singleShot(0, &form, [&] { form.OKButton->Click(); });
        EXPECT_EQ(form.ShowModal(), mrOk);
        EXPECT_FALSE(form.isVisible());
    }
    {
        TAboutForm form(nullptr);
        QTimer::singleShot(0, &form, [&] { form.Close(); });
        form.ShowModal();
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_TRUE(MessageScript::Log().empty());
}

} // namespace
