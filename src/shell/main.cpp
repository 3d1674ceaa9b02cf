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

namespace {

constexpr const char* Usage =
    "usage: ksw524p /I<host> [/v<version>] [/R<read community>] [/W<write community>]\n"
    "               [/b0] [SNMPv3 switches, after /v3:]\n"
    "               [/t<port>] [/c<context name>] [/d<context engine ID>] [/m<security model>]\n"
    "               [/l<security level>] [/n<security name>] [/A<auth pass phrase>]\n"
    "               [/P<priv pass phrase>] [/a<auth protocol>] [/p<priv protocol>]\n"
    "  /v  0 SNMPv1, 1 SNMPv2c, 3 SNMPv3\n"
    "  /l  1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
    "  /a  1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4 HMAC-SHA-224, 5 HMAC-SHA-256, 6 HMAC-SHA-384,\n"
    "      7 HMAC-SHA-512\n"
    "  /p  1 none, 2 CBC-DES, 4 CFB-AES-128, 20 CFB-AES-192, 21 CFB-AES-256\n"
    "      (9 CBC-IDEA is refused: no SNMP engine here has it)\n"
    "  /b0 table walks with get-next only, for an agent that mishandles GETBULK\n"
    "A later start for the same /I host brings the running window to the front.\n";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> given(argv + 1, argv + argc);
    const ScriptSwitches switches = ScriptSwitches::Take(given);
    if (switches.help) {
        std::fputs(Usage, stdout);
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
    if (switches.print) {
        // The page is read and printed without a window on the screen.
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
