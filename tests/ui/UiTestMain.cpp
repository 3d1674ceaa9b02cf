#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"

#include <gtest/gtest.h>

#include <vector>

// Creates the application object on the offscreen platform, puts message boxes in script mode
// (a box no test answered is counted, never shown), then runs the tests.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);

    std::vector<char*> appArgs(argv, argv + argc);
    for (const char* extra : ExtraTestArguments) {
        appArgs.push_back(const_cast<char*>(extra));
    }
    int appArgc = static_cast<int>(appArgs.size());
    appArgs.push_back(nullptr);
    TApplication app(appArgc, appArgs.data());
    MessageScript::SetScriptMode(true);
    return RUN_ALL_TESTS();
}
