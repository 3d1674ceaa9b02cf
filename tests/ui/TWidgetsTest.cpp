#include "UiTestSupport.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TChart.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TImage.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPageControl.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TScrollBox.h"
#include "ui/toolkit/TSplitter.h"
#include "ui/toolkit/TStatusBar.h"

#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <string>

namespace {

using WidgetsTest = UiTest;

TEST_F(WidgetsTest, StatusBarKeepsTextsPerPanelAndSitsAtTheBottom) {
    TForm form;
    TStatusBar bar(&form);
    TStatusPanel* first = bar.AddPanel(50);
    TStatusPanel* second = bar.AddPanel(120);
    first->SetText("Get: Ok! Request: Led Status. Receive at 03:07:09 PM.");
    second->SetText("ready");
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_EQ(bar.Panel(0)->Text(), "Get: Ok! Request: Led Status. Receive at 03:07:09 PM.");
    EXPECT_EQ(bar.Panel(1)->Width(), 120);
    EXPECT_EQ(bar.Panel(2), nullptr);
    EXPECT_EQ(bar.Panel(-1), nullptr);
    bar.SetSimplePanel(true);
    bar.SetSimpleText("Get: timed out");
    EXPECT_EQ(bar.SimpleText(), "Get: timed out");
    EXPECT_EQ(bar.Panel(1)->Text(), "ready");
    EXPECT_EQ(bar.Align(), alBottom);
    EXPECT_EQ(bar.Top() + bar.Height(), form.ClientHeight());
    EXPECT_EQ(bar.Width(), form.ClientWidth());
}

// A text longer than its panel is cut with "..." where it is drawn and shown whole, as it is,
// in the panel's tooltip; a text that fits has no tooltip.
TEST_F(WidgetsTest, StatusPanelTooNarrowShowsTheWholeTextAsTooltip) {
    TForm form;
    form.SetClientWidth(400);
    TStatusBar bar(&form);
    TStatusPanel* narrow = bar.AddPanel(120);
    TStatusPanel* rest = bar.AddPanel(50);
    const std::string longText = "sw <b>1</b>  |  up 2 days, 3:04:05.06  |  SNMPv2c, community \"a\"";
    narrow->SetText(longText);
    rest->SetText("ready");
    const std::vector<QRect> areas = bar.PanelAreas();
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[1].right(), bar.Width() - 1); // the last panel takes the rest
    EXPECT_TRUE(bar.ShownText(areas[0], longText).endsWith(QChar(0x2026)));
    EXPECT_EQ(bar.ShownText(areas[1], "ready"), QLatin1String("ready"));

    form.Show();
    const auto tipAt = [&](QPoint where) {
        QHelpEvent help(QEvent::ToolTip, where, bar.Widget()->mapToGlobal(where));
        QCoreApplication::sendEvent(bar.Widget(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_TRUE(tipAt(areas[1].center()).isEmpty());
    const QString tip = tipAt(areas[0].center());
    EXPECT_TRUE(tip.contains(QLatin1String("sw &lt;b&gt;1&lt;/b&gt;"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QLatin1String("community &quot;a&quot;"))) << tip.toStdString();
    QToolTip::hideText();
}

TEST_F(WidgetsTest, PageChangeEventComesOnlyFromTheUser) {
    TForm form;
    TPageControl pages(&form);
    pages.SetAlign(alClient);
    int changes = 0;
    pages.OnChange = [&] { ++changes; };
    TTabSheet first(&pages);
    TTabSheet second(&pages);
    first.SetCaption("User Spin Lock");
    second.SetCaption("USM User Table");
    first.SetTag(0);
    second.SetTag(1);
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Page(1), &second);
    EXPECT_EQ(second.PageIndex(), 1);
    EXPECT_EQ(second.PageControl(), &pages);
    EXPECT_EQ(pages.tabText(1), QStringLiteral("USM User Table"));
    EXPECT_EQ(pages.ActivePage(), &first);
    pages.SetActivePage(&second);
    pages.SetActivePageIndex(0);
    EXPECT_EQ(changes, 0);

    ASSERT_TRUE(ShowActive(&form));
    QTabBar* tabs = pages.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages.ActivePage(), &second);
    EXPECT_EQ(pages.ActivePage()->Tag(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(WidgetsTest, MenuEntriesAreFoundByNameAndRunTheirHandlers) {
    TForm form;
    TMainMenu menu(&form);
    TMenuItem* rmon = menu.Add("RMON1", "RMON");
    TMenuItem* statistics = rmon->Add("Statistics1", "Statistics");
    rmon->Add("N1", "-");
    TMenuItem* history = rmon->Add("History1", "History");
    int clicks = 0;
    statistics->OnClick = [&] { ++clicks; };
    EXPECT_EQ(menu.Find("Statistics1"), statistics);
    EXPECT_EQ(menu.Find("History1"), history);
    EXPECT_EQ(menu.Find("Alarm1"), nullptr);
    EXPECT_EQ(rmon->Count(), 3);
    EXPECT_EQ(history->ParentItem(), rmon);
    EXPECT_TRUE(rmon->Item(1)->Action()->isSeparator());

    statistics->Action()->trigger();
    EXPECT_EQ(clicks, 1);
    statistics->SetEnabled(false);
    statistics->Action()->trigger(); // a disabled entry cannot be chosen
    EXPECT_EQ(clicks, 1);
    statistics->Click(); // but code may still run it
    EXPECT_EQ(clicks, 2);
    history->SetVisible(false);
    EXPECT_FALSE(history->Visible());
    EXPECT_FALSE(statistics->Enabled());
}

TEST_F(WidgetsTest, BitmapButtonShowsAGlyphOnlyFromAReadablePicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString closeBmp = folder.filePath(QStringLiteral("Close.bmp"));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(closeBmp, "BMP"));
    const QString broken = folder.filePath(QStringLiteral("Get.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();

    const struct {
        QString path;
        bool loads;
    } cases[] = {
        {closeBmp, true},
        {broken, false},
        {folder.filePath(QStringLiteral("Set.bmp")), false},
    };
    for (const auto& c : cases) {
        TBitBtn button(nullptr);
        button.SetCaption("Close");
        EXPECT_EQ(button.LoadGlyph(c.path.toStdString()), c.loads) << c.path.toStdString();
        EXPECT_EQ(button.HasGlyph(), c.loads);
        EXPECT_EQ(button.icon().isNull(), !c.loads);
        EXPECT_EQ(button.Caption(), "Close");
    }
}

TEST_F(WidgetsTest, ImageLoadsPicturesAndKeepsItsOwnOnFailure) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("front.jpg"));
    QImage picture(919, 113, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    ASSERT_TRUE(picture.save(path, "JPG"));
    TImage image(nullptr);
    EXPECT_FALSE(image.HasPicture());
    ASSERT_TRUE(image.LoadFromFile(path.toStdString()));
    EXPECT_EQ(image.PictureWidth(), 919);
    EXPECT_FALSE(image.LoadFromFile(folder.filePath(QStringLiteral("missing.jpg")).toStdString()));
    EXPECT_EQ(image.PictureHeight(), 113);
}

TEST_F(WidgetsTest, ScrollBoxRangeCoversItsChildren) {
    TScrollBox box(nullptr);
    box.SetBounds(0, 0, 200, 100);
    box.SetBorderStyle(bsNoBorder);
    TPanel inside(&box);
    TPanel filling(&box);
    filling.SetAlign(alClient);
    EXPECT_EQ(box.RangeWidth(), box.ClientWidth());
    inside.SetBounds(20, 300, 500, 21);
    EXPECT_EQ(box.RangeWidth(), 520);
    EXPECT_EQ(box.RangeHeight(), 321);
    // Docked children fill the visible part, not the range.
    EXPECT_EQ(filling.Width(), box.ClientWidth());
    EXPECT_EQ(inside.Parent(), &box);
    inside.Hide();
    EXPECT_EQ(box.RangeHeight(), box.ClientHeight());
}

TEST_F(WidgetsTest, SplitterResizesTheDockedNeighbourOutsideIt) {
    TPanel host(nullptr);
    host.SetBevelOuter(bvNone);
    host.SetBounds(0, 0, 400, 200);
    TPanel buttons(&host);
    buttons.SetWidth(116);
    buttons.SetAlign(alRight);
    TSplitter splitter(&host);
    splitter.SetAlign(alRight);
    TPanel content(&host);
    content.SetAlign(alClient);
    EXPECT_EQ(splitter.Width(), 3);
    ASSERT_EQ(splitter.Neighbour(), &buttons);
    const struct {
        int delta;
        int width;
    } cases[] = {{-20, 136}, {30, 106}, {200, 30}};
    for (const auto& c : cases) {
        splitter.MoveBy(c.delta);
        EXPECT_EQ(buttons.Width(), c.width) << c.delta;
        EXPECT_EQ(splitter.Left() + splitter.Width(), buttons.Left());
        EXPECT_EQ(content.Width(), 400 - c.width - 3);
    }
}

TEST_F(WidgetsTest, AutoSizedTextsFollowTheirCaption) {
    TLabel label(nullptr);
    label.SetCaption("Samples");
    const int shortWidth = label.Width();
    label.SetCaption("Peak Occured at");
    EXPECT_GT(label.Width(), shortWidth);
    EXPECT_GT(label.Height(), 0);
    label.SetAutoSize(false);
    label.SetWidth(96);
    label.SetCaption("x");
    EXPECT_EQ(label.Width(), 96);

    TStaticText count(nullptr);
    count.SetAutoSize(false);
    count.SetBorderStyle(sbsSunken);
    count.SetAlignment(taCenter);
    count.SetBounds(10, 10, 96, 17);
    count.SetCaption("0");
    EXPECT_EQ(count.Width(), 96);
    EXPECT_EQ(count.Caption(), "0");
    EXPECT_EQ(count.frameShadow(), QFrame::Sunken);
    EXPECT_GT(count.frameWidth(), 0);
}

TEST_F(WidgetsTest, ChartSeriesHoldTheirPoints) {
    TChart chart(nullptr);
    TChartSeries* input = chart.AddSeries("Input Frames", clRed);
    TChartSeries* output = chart.AddSeries("Output Frames", clLime);
    for (int i = 0; i < 10; ++i) {
        input->Add(i * 2.0, i < 5 ? "" : "10:00:0" + std::to_string(i));
    }
    output->Add(7, "x");
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(input->Count(), 10);
    EXPECT_EQ(input->Y(3), 6.0);
    EXPECT_EQ(input->Label(9), "10:00:09");
    EXPECT_EQ(input->Title(), "Input Frames");
    input->Clear();
    EXPECT_EQ(input->Count(), 0);
    chart.SetView3D(true);
    EXPECT_TRUE(chart.View3D());
    TApplication::ProcessMessages(); // the axes follow the points
    EXPECT_EQ(output->Count(), 1);
}

} // namespace

namespace {

// Texts of the device or the user are shown as they are: markup in them is text, and a value
// longer than Qt's default edit limit is kept whole.
TEST_F(WidgetsTest, DeviceTextsAreShownAsTheyAre) {
    const std::string markup = "<b><font color=red size=7>FAKE STATUS</font></b>";
    TForm form;
    TLabel label(&form);
    label.SetCaption(markup);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.Caption(), markup);
    TStaticText text(&form);
    text.SetCaption(markup);
    EXPECT_EQ(text.textFormat(), Qt::PlainText);

    // A tip is escaped, so that Qt shows the characters instead of reading them as markup.
    label.SetShowHint(true);
    label.SetHint(markup);
    EXPECT_EQ(label.Hint(), markup);
    EXPECT_EQ(label.toolTip().indexOf(QStringLiteral("<b>")), -1);
    EXPECT_NE(label.toolTip().indexOf(QStringLiteral("&lt;b&gt;")), -1);

    TEdit edit(&form);
    const std::string contact(40000, 'c');
    edit.SetText(contact);
    EXPECT_EQ(edit.Text().size(), contact.size());
    const std::string full(65535, 'x');
    edit.SetText(full);
    EXPECT_EQ(edit.Text(), full);
}

} // namespace
