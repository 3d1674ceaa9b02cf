#include "main_window/ScriptSwitches.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "main_window/TEntrySearch.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "shell/QxCommandLine.h"
#include "shell/QxDeviceConfig.h"
#include "shell/QxMessages.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxConnectionDoctor.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TPageControl.h"
#include "vocab/QxCellText.h"

#include <cstdio>
#include <exception>

ScriptSwitches ScriptSwitches::Take(std::vector<std::string>& arguments) {
    ScriptSwitches s;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help") {
            s.help = true;
        } else if (a == "--catalogue") {
            s.catalogue = true;
        } else if (a == "--check") {
            s.check = true;
        } else if (a == "--print" || a == "--open") {
            if (i + 1 >= arguments.size()) {
                s.error = a + " needs a menu path";
                continue;
            }
            (a == "--print" ? s.print : s.open) = arguments[++i];
        } else if (a == "--find") {
            if (i + 1 >= arguments.size()) {
                s.error = a + " needs the words to look for";
                continue;
            }
            s.find = arguments[++i];
        } else if (a == "--format") {
            const std::string value = i + 1 < arguments.size() ? arguments[++i] : std::string();
            if (value == "csv") {
                s.format = PrintFormat::Csv;
            } else if (value == "tabs") {
                s.format = PrintFormat::Tabs;
            } else {
                s.error = "--format needs csv or tabs";
            }
        } else {
            rest.push_back(a);
        }
    }
    arguments = std::move(rest);
    return s;
}

// The whole text of --help, kept here alone: the manual page is made from it.
const char* ScriptSwitches::HelpText() {
    return "usage: ksw524p /I<host> [/v<version>] [/R<read community>] [/W<write community>]\n"
           "               [/b0] [SNMPv3 switches, after /v3]\n"
           "\n"
           "Each argument is one switch: a marker and its value written together (/v3, /Rpublic).\n"
           "  /I<host>             the device: a host name or a dotted IPv4 address\n"
           "  /v<version>          0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (default 0)\n"
           "  /R<community>        read community (default readcm)\n"
           "  /W<community>        write community (default writecm)\n"
           "  /b0                  table walks with get-next only, for an agent that mishandles\n"
           "                       GETBULK\n"
           "SNMPv3 switches, read only after /v3:\n"
           "  /t<port>             the agent's UDP port (default 161)\n"
           "  /m<model>            security model: 3 USM, the one SNMPv3 needs (default 1)\n"
           "  /n<name>             security (user) name\n"
           "  /l<level>            security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
           "                       (default 1)\n"
           "  /a<protocol>         auth protocol: 1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4 HMAC-SHA-224,\n"
           "                       5 HMAC-SHA-256, 6 HMAC-SHA-384, 7 HMAC-SHA-512 (default 1)\n"
           "  /A<pass phrase>      auth pass phrase\n"
           "  /p<protocol>         priv protocol: 1 none, 2 CBC-DES, 4 CFB-AES-128,\n"
           "                       20 CFB-AES-192, 21 CFB-AES-256 (default 1); 9 CBC-IDEA is\n"
           "                       refused: no SNMP engine here has it\n"
           "  /P<pass phrase>      priv pass phrase\n"
           "  /c<context name>     context name\n"
           "  /d<engine ID>        context engine ID\n"
           "The per-device file <address>.cfg, where present, overrides the version, the port\n"
           "and the SNMPv3 settings.\n"
           "A later start for the same /I host brings the running window to the front.\n"
           "\n"
           "Switches for scripts and checks:\n"
           "  --check              test the connection the device switches describe (a get of\n"
           "                       sysDescr and sysUpTime, SNMPv2c first), print what works or\n"
           "                       what is wrong, exit (0 the device answers, 1 it does not,\n"
           "                       2 unknown host)\n"
           "  --catalogue          print the menu catalogue as JSON and exit\n"
           "  --print \"<path>\"     read the generated page of that menu entry, print it, exit\n"
           "                       (0 read, 1 a read failed, 2 no generated page there)\n"
           "  --format csv|tabs    how --print writes: CSV, or tab-separated lines (default)\n"
           "  --find \"<words>\"     print the menu paths that contain all the words, exit\n"
           "                       (0 found, 1 none)\n"
           "  --open \"<path>\"      run that menu entry once the main window shows\n"
           "  A path is the menu and the entries below it joined by \" / \", for example\n"
           "  \"Basic Configuration / Time Management / System Time\".\n";
}

namespace {

template <typename Panel> Panel* PanelOf(TConfigForm& form, int page) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* p = dynamic_cast<Panel*>(w);
        if (p != nullptr && p->Binding() == form.Binding(page)) {
            return p;
        }
    }
    return nullptr;
}

// One printed line of fields: tab-separated as the fields stand, or one CSV record.
std::string Line(const std::vector<std::string>& fields, PrintFormat format) {
    if (format == PrintFormat::Csv) {
        return CsvLine(fields);
    }
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        line += (i > 0 ? "\t" : "") + fields[i];
    }
    return line + "\n";
}

void PrintEditor(TSNMPEditorPanel& page, std::string& out, PrintFormat format) {
    TEditsPanel& rows = *page.EditsPanel();
    for (int i = 0; i < rows.RowCount(); ++i) {
        const EditRow& row = rows.Row(i);
        if (row.kind == NoRow || (row.label != nullptr && !row.label->isVisibleTo(&page))) {
            continue;
        }
        std::string value;
        if (row.edit != nullptr) {
            value = row.edit->Text();
        } else if (row.comboBox != nullptr) {
            value = row.comboBox->Text();
        }
        out += Line({row.label != nullptr ? row.label->Caption() : std::string(), value}, format);
    }
}

void PrintList(TSNMPListViewPanel& page, std::string& out, PrintFormat format,
               bool withRows = true) {
    TListView& list = *page.ListViewPanel()->ListView();
    std::vector<std::string> header;
    for (int c = 0; c < list.ColumnCount(); ++c) {
        header.push_back(list.Column(c)->Caption());
    }
    out += Line(header, format);
    for (int r = 0; withRows && r < list.ItemCount(); ++r) {
        TListItem& item = *list.Item(r);
        std::vector<std::string> fields = {item.Caption()};
        fields.insert(fields.end(), item.SubItems().begin(), item.SubItems().end());
        out += Line(fields, format);
    }
}

// Reads one page and waits for its end; false with the result line when the read failed.
bool ReadPage(TConfigForm& form, int page, std::string& failure) {
    QxSNMPRequest2Edits& binding = *form.Binding(page);
    bool failed = false;
    binding.onGetComplete = [&failed](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        failed = failed || result.code != 0;
    };
    std::string raised;
    std::string stalled;
    binding.request.active = true;
    try {
        binding.Get();
    } catch (const std::exception& e) {
        raised = e.what();
        binding.Report(raised);
        failed = true;
    }
    // A long walk takes as long as it takes; only an exchange that stays unanswered beyond its
    // own retries and time-outs ends the wait.
    if (!binding.WaitForEnd() && !failed) {
        binding.request.active = false;
        stalled = "The read did not end: the device stopped answering";
        failed = true;
    }
    binding.onGetComplete = nullptr;
    if (failed) {
        auto* panel = PanelOf<TSNMPEditorPanel>(form, page);
        TMemo* memo = panel != nullptr && panel->MsgPanel() != nullptr ? panel->MsgPanel()->memo
                                                                      : nullptr;
        failure = stalled.empty() && memo != nullptr && memo->LineCount() > 0
                      ? memo->Line(memo->LineCount() - 1)
                      : (stalled.empty() ? raised : stalled);
    }
    return !failed;
}

} // namespace

int PrintPageForm(TConfigForm& form, std::string& out, std::string& failure, PrintFormat format) {
    int status = 0;
    TPageControl* tabs = form.PageControl();
    for (int i = 0; i < form.BindingCount(); ++i) {
        if (tabs != nullptr) {
            tabs->SetActivePageIndex(i);
            out += Line({"[" + tabs->Page(i)->Caption() + "]"}, format);
        }
        std::string pageFailure;
        if (!ReadPage(form, i, pageFailure)) {
            if (status == 0) {
                failure = pageFailure;
            }
            status = 1;
            // What was read before the failure is no complete page: only the captions.
            if (auto* list = PanelOf<TSNMPListViewPanel>(form, i)) {
                PrintList(*list, out, format, false);
            }
            continue;
        }
        if (auto* list = PanelOf<TSNMPListViewPanel>(form, i)) {
            PrintList(*list, out, format);
        } else if (auto* editor = PanelOf<TSNMPEditorPanel>(form, i)) {
            PrintEditor(*editor, out, format);
        }
    }
    return status;
}

bool ConnectLikeTheModule(const std::vector<std::string>& arguments,
                          const std::string& programFolder, const std::string& messageFolder,
                          std::string& addressText, std::string* unresolvedHost) {
    QxSNMPSession::CreateGlobal("");
    if (!messageFolder.empty()) {
        QxMessages::LoadFolder(messageFolder);
    }
    QxSNMPGlobal& global = SnmpGlobal();
    global.timeout = 200;
    if (QxCommandLine::Parse(arguments, global, QxCommandLine::ResolveIPv4, unresolvedHost) ==
        QxCommandLine::Result::HostError) {
        return false;
    }
    QxSettingsTexts texts;
    texts.FromGlobal(global);
    const bool suite = QxDeviceConfig::IsSuiteMode(programFolder);
    if (auto path = QxDeviceConfig::Locate(suite, programFolder, global.device.address)) {
        QxDeviceConfig::Read(*path, global, texts);
    }
    addressText = texts.address;
    return true;
}

int PrintPages(TConfigForm& form, PrintFormat format) {
    std::string out;
    std::string failure;
    const int status = PrintPageForm(form, out, failure, format);
    std::fputs(out.c_str(), stdout);
    if (status != 0) {
        std::fprintf(stderr, "%s\n", failure.c_str());
    }
    return status;
}

int RunPrint(const std::string& menuPath, const std::vector<std::string>& arguments,
             const std::string& programFolder, PrintFormat format) {
    const PageDefinition* entry = TMenuCatalogue::Find(menuPath);
    if (entry == nullptr || !IsGeneratedPage(*entry)) {
        std::fprintf(stderr, "ksw524p: no generated page at \"%s\"\n", menuPath.c_str());
        return 2;
    }
    try {
        PageHost host;
        std::string unresolved;
        if (!ConnectLikeTheModule(arguments, programFolder, {}, host.addressText, &unresolved)) {
            std::fprintf(stderr, "%s\n", QxCommandLine::HostErrorText(unresolved).c_str());
            return 1;
        }
        std::unique_ptr<TConfigForm> form = BuildPageForm(*entry, host);
        return PrintPages(*form, format);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

int RunFind(const std::string& words) {
    const std::vector<const PageDefinition*> found = FindEntries(words);
    for (const PageDefinition* entry : found) {
        std::printf("%s\n", TMenuCatalogue::FullPath(*entry).c_str());
    }
    return found.empty() ? 1 : 0;
}

int RunCheck(const std::vector<std::string>& arguments, const std::string& programFolder) {
    try {
        std::string address;
        std::string unresolved;
        if (!ConnectLikeTheModule(arguments, programFolder, programFolder + "errMSg/", address,
                                  &unresolved)) {
            std::fprintf(stderr, "%s\n", QxCommandLine::HostErrorText(unresolved).c_str());
            return 2;
        }
        const QxSNMPGlobal& global = SnmpGlobal();
        const QxConnectionDoctor::Result result =
            QxConnectionDoctor::Check({global.device, global.scope, global.security});
        std::fprintf(result.Answers() ? stdout : stderr, "%s\n", result.text.c_str());
        return result.Answers() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
