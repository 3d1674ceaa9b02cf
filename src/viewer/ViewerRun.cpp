#include "viewer/ViewerRun.h"

#include "main_window/ScriptSwitches.h"
#include "main_window/catalogue/PageOpener.h"
#include "shell/QxCommandLine.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"
#include "viewer/ViewerCatalogue.h"

#include <cstdio>
#include <exception>
#include <memory>

namespace {

// A failure before any window exists: a message box for a user, standard error for a script.
void Tell(bool print, const std::string& text) {
    if (print) {
        std::fprintf(stderr, "%s\n", text.c_str());
    } else {
        MessageBox(text, Application().Title(), mbOK, miError);
    }
}

} // namespace

std::vector<std::string> ConnectionArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> versions;
    std::vector<std::string> others;
    for (const std::string& argument : arguments) {
        if (argument.size() > 2 && argument.compare(0, 2, "/T") == 0) {
            continue;
        }
        (argument.compare(0, 2, "/v") == 0 ? versions : others).push_back(argument);
    }
    versions.insert(versions.end(), others.begin(), others.end());
    return versions;
}

int RunViewer(const std::vector<std::string>& arguments, const std::string& programFolder,
              bool print) {
    const std::string tableSwitch = TableSwitchOf(arguments);
    const PageDefinition* entry = FindViewerEntry(tableSwitch);
    if (entry == nullptr) {
        Tell(print, tableSwitch.empty() ? std::string("No table switch (/T<table>) given")
                                        : "Unknown table: " + tableSwitch);
        return 2;
    }
    try {
        // The module reads its device's configuration file over its command line; so does
        // the viewer, which then talks to the device exactly as the module does (the port and
        // the version of SNMPv1 and SNMPv2c devices come from that file only).
        PageHost host;
        std::string unresolved;
        if (!ConnectLikeTheModule(ConnectionArguments(arguments), programFolder,
                                  programFolder + "errMSg/", host.addressText, &unresolved)) {
            Tell(print, QxCommandLine::HostErrorText(unresolved));
            return 1;
        }
        std::unique_ptr<TConfigForm> form = BuildPageForm(*entry, host);
        if (!print) {
            form->ShowModal();
            return 0;
        }
        return PrintPages(*form);
    } catch (const std::exception& error) {
        Tell(print, error.what());
        return 1;
    }
}
