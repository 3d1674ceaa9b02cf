#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"

#include <QFileInfo>
#include <QObject>

#include <memory>
#include <string>

namespace {

using ApplicationTest = UiTest;

TEST_F(ApplicationTest, ProgramPathSplitsIntoFolderAndName) {
    const TApplication& app = Application();
    const std::string folder = app.ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder + app.ExeFileName(), app.ExeName());
    EXPECT_EQ(app.ExeFileName(), "ui_toolkit_tests");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(app.ExeName())).isExecutable());
    EXPECT_EQ(app.Title(), app.ExeFileName());
}

TEST_F(ApplicationTest, ArgumentsFollowTheProgramNameAsGiven) {
    const auto& args = Application().Arguments();
    ASSERT_GE(args.size(), 3u);
    // The test entry appends these after whatever the test was started with.
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(args[args.size() - 3 + i], ExtraTestArguments[i]);
    }
    for (const std::string& arg : args) {
        EXPECT_NE(arg, Application().ExeName());
    }
}

TEST_F(ApplicationTest, PostedCallsRunWhenEventsAreProcessedUnlessTheirContextIsGone) {
    int runs = 0;
    QObject kept;
    auto dropped = std::make_unique<QObject>();
    PostCall(&kept, [&] { ++runs; });
    PostCall(dropped.get(), [&] { runs += 100; });
    dropped.reset();
    EXPECT_EQ(runs, 0);
    TApplication::ProcessMessages();
    EXPECT_EQ(runs, 1);
}

} // namespace
