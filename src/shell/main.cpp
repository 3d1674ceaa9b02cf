// Process entry of the module: single-instance check, main window and shared page form, and
// the event loop.

#include "main_window/ScriptSwitches.h"
#include "main_window/TInstanceLink.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/CatalogueJson.h"
#include "shell/QxCommandLine.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/toolkit/TApplication.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>

int main(int argc, char** argv) {
    std::vector<std::string> given(argv + 1, argv + argc);
    const ScriptSwitches switches = ScriptSwitches::Take(given);
    if (switches.help) {
        std::fputs(ScriptSwitches::HelpText(), stdout);
        return 0;
    }
    if (!switches.error.empty()) {
        std::fprintf(stderr, "ksw524p: %s\n", switches.error.c_str());
        return 2;
    }
    if (switches.find) {
        return RunFind(*switches.find);
    }
    if (switches.catalogue) {
        std::fputs(CatalogueJson().c_str(), stdout);
        std::fputs("\n", stdout);
        return 0;
    }
    if (switches.print || switches.check) {
        // The page is read and printed, or the connection tested, without a window.
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    // The module's own command line, without the switches above.
    std::vector<std::string> kept{argv[0]};
    kept.insert(kept.end(), given.begin(), given.end());
    std::vector<char*> keptArgv;
    for (std::string& a : kept) {
        keptArgv.push_back(a.data());
    }
    keptArgv.push_back(nullptr);
    int keptArgc = static_cast<int>(kept.size());
    TApplication app(keptArgc, keptArgv.data());
    if (switches.print) {
        return RunPrint(*switches.print, app.Arguments(), app.ExeFolder(), switches.format);
    }
    if (switches.check) {
        return RunCheck(app.Arguments(), app.ExeFolder());
    }
    try {
        // The title is claimed before any window exists: of two starts for the same host,
        // exactly one goes on, and the other brings that one's window to the front.
        auto instanceLink = std::make_unique<TInstanceLink>();
        std::string host = QxCommandLine::InstanceHost(app.Arguments());
        if (!host.empty() &&
            !instanceLink->Claim(std::string(TMainForm::ModelCaption) + " : " + host)) {
            return 0;
        }
        app.SetTitle(TMainForm::ModelCaption);
        TMainForm mainForm(app.Arguments(), app.ExeFolder(), std::move(instanceLink));
        app.SetMainForm(&mainForm);
        TConfigForm configForm(&mainForm);
        mainForm.show();
        if (switches.open) {
            const PageDefinition* entry = TMenuCatalogue::Find(*switches.open);
            if (entry == nullptr) {
                std::fprintf(stderr, "ksw524p: no menu entry at \"%s\"\n", switches.open->c_str());
            } else {
                PostCall(&mainForm, [&mainForm, entry] { mainForm.RunEntry(*entry); });
            }
        }
        return app.Run();
    } catch (const std::exception& error) {
        app.ShowException(error);
        return 1;
    }
}
