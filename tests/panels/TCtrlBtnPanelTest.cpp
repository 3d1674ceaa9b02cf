#include "UiTestSupport.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using CtrlBtnPanel = UiTest;

// The column's controls in the order they stand, with their captions.
std::vector<TControl*> ColumnOrder(const TCtrlBtnPanel& c) {
    return {c.countText, c.captionLabel, c.refreshButton,  c.editButton,        c.setCheckedButton,
            c.addButton, c.deleteButton, c.checkAllButton, c.clearChecksButton, c.closeButton};
}

std::string CaptionOf(TControl* control) {
    if (auto* button = dynamic_cast<TButton*>(control)) {
        return button->Caption();
    }
    return dynamic_cast<TLabel*>(control)->Caption();
}

TEST_F(CtrlBtnPanel, FreshColumnStacksItsVisibleControlsFromTheTop) {
    TForm form;
    form.SetBounds(0, 0, 400, 500);
    TCtrlBtnPanel column(&form);
    EXPECT_EQ(column.Parent(), &form);
    EXPECT_EQ(column.Align(), alRight);
    EXPECT_EQ(column.Width(), 116);
    EXPECT_EQ(column.Left(), form.ClientWidth() - 116);

    const std::vector<std::string> shown = {"0",           "Samples",   "Refresh",      "Edit",
                                            "Set Checked", "Check All", "Clear Checks", "Close"};
    std::vector<std::string> captions;
    int top = 10;
    for (TControl* control : ColumnOrder(column)) {
        EXPECT_EQ(control->Left(), 10);
        EXPECT_EQ(control->Width(), 96);
        // A hidden control stands where the next visible one starts and takes no room.
        EXPECT_EQ(control->Top(), top) << CaptionOf(control);
        if (control->Visible()) {
            captions.push_back(CaptionOf(control));
            top += control->Height() + 5;
        }
    }
    EXPECT_EQ(captions, shown);
    EXPECT_FALSE(column.addButton->Visible());
    EXPECT_FALSE(column.deleteButton->Visible());
    EXPECT_EQ(column.addButton->Caption(), "Add");
    EXPECT_EQ(column.deleteButton->Caption(), "Delete");
    EXPECT_EQ(column.countText->BorderStyle(), sbsSunken);
    EXPECT_FALSE(column.countText->AutoSize());
    EXPECT_EQ(column.countText->Alignment(), taCenter);
    EXPECT_EQ(column.captionLabel->Alignment(), taCenter);

    // Showing a button and laying the column out again makes room for it.
    const int checkAllTop = column.checkAllButton->Top();
    column.addButton->Show();
    column.ArrangeButtons();
    EXPECT_EQ(column.addButton->Top(),
              column.setCheckedButton->Top() + column.setCheckedButton->Height() + 5);
    EXPECT_EQ(column.checkAllButton->Top(), checkAllTop + column.addButton->Height() + 5);
}

// Runs in a fresh temporary folder made the current one, and goes back afterwards.
class GlyphTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        previous_ = QDir::currentPath();
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override {
        QDir::setCurrent(previous_);
        UiTest::TearDown();
    }
    void WriteBitmap(const char* name) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.setPixel(0, 3, qRgb(255, 255, 255));
        ASSERT_TRUE(image.save(QDir(folder_.path()).filePath(QString::fromLatin1(name)), "BMP"));
    }
    void WriteGarbage(const char* name) {
        QFile file(QDir(folder_.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a bitmap");
    }

    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(GlyphTest, OnlyButtonsWithAReadableBitmapShowAPicture) {
    const struct {
        std::vector<const char*> bitmaps;
        std::vector<const char*> garbage;
        std::set<std::string> pictured; // captions of the buttons that show a picture
    } cases[] = {
        {{}, {}, {}},
        {{"Close.bmp"}, {}, {"Close"}},
        {{"Get.bmp", "SelectNone.bmp"}, {"Close.bmp"}, {"Refresh", "Clear Checks"}},
    };
    for (const auto& c : cases) {
        for (const QString& file : QDir(folder_.path()).entryList(QDir::Files)) {
            QFile::remove(QDir(folder_.path()).filePath(file));
        }
        for (const char* name : c.bitmaps) {
            WriteBitmap(name);
        }
        for (const char* name : c.garbage) {
            WriteGarbage(name);
        }
        TForm form;
        TCtrlBtnPanel column(&form);
        const struct {
            TBitBtn* button;
            const char* caption;
        } buttons[] = {
            {column.refreshButton, "Refresh"},
            {column.editButton, "Edit"},
            {column.setCheckedButton, "Set Checked"},
            {column.addButton, "Add"},
            {column.deleteButton, "Delete"},
            {column.checkAllButton, "Check All"},
            {column.clearChecksButton, "Clear Checks"},
            {column.closeButton, "Close"},
        };
        for (const auto& b : buttons) {
            const bool pictured = c.pictured.count(b.caption) != 0;
            EXPECT_EQ(b.button->HasGlyph(), pictured) << b.caption;
            EXPECT_EQ(b.button->Caption(), pictured ? "" : b.caption);
        }
        EXPECT_EQ(column.Width(), 116);
    }
}

} // namespace
