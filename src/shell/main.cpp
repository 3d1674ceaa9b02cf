// Process entry of the module: single-instance check, main window and shared page form, and
// the event loop.

#include "main_window/TInstanceLink.h"
#include "main_window/TMainForm.h"
#include "shell/QxCommandLine.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/toolkit/TApplication.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: ksw524p /I<host> [/v<version>] [/R<read community>] [/W<write community>]\n"
    "               [SNMPv3 switches, after /v3:]\n"
    "               [/t<port>] [/c<context name>] [/d<context engine ID>] [/m<security model>]\n"
    "               [/l<security level>] [/n<security name>] [/A<auth pass phrase>]\n"
    "               [/P<priv pass phrase>] [/a<auth protocol>] [/p<priv protocol>]\n"
    "  /v  0 SNMPv1, 1 SNMPv2c, 3 SNMPv3\n"
    "  /l  1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
    "  /a  1 none, 2 HMAC-MD5, 3 HMAC-SHA;  /p  1 none, 2 CBC-DES, 9 CBC-IDEA\n"
    "A later start for the same /I host brings the running window to the front.\n";

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
    }
    TApplication app(argc, argv);
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
        return app.Run();
    } catch (const std::exception& error) {
        app.ShowException(error);
        return 1;
    }
}
