#include "main_window/TMainForm.h"

#include "forms/config/TfrmConfigSNMP.h"
#include "forms/monitor/stp/TSTP_Info.h"
#include "main_window/HandMadeForms.h"
#include "main_window/DeviceCommands.h"
#include "main_window/TEntrySearch.h"
#include "main_window/TFrontPanel.h"
#include "main_window/THelpForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "shell/QxCommandLine.h"
#include "shell/QxDeviceConfig.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TScrollBox.h"
#include "ui/toolkit/TStatusBar.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QShortcut>

#include <cstdio>
#include <exception>

namespace {

// Menu entries that only an SNMPv3 device has.
constexpr const char* SnmpV3Entries[] = {"Engine", "MPD",           "TARGET",      "USM",
                                         "VACM",   "Notification1", "CommunityMIB"};

constexpr int Panel1Width = 925;
constexpr int Panel1Height = 139;
constexpr int StatusPollWidth = 440;
constexpr int OutcomeWidth = 180;

} // namespace

TMainForm::TMainForm(std::vector<std::string> arguments, std::string programFolder,
                     std::unique_ptr<TInstanceLink> instanceLink, bool withDevice)
    : arguments_(std::move(arguments)), programFolder_(std::move(programFolder)),
      instanceLink_(instanceLink ? std::move(instanceLink) : std::make_unique<TInstanceLink>()),
      withDevice_(withDevice) {
    instanceLink_->SetWindow(this);
    SetName("MainForm");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poScreenCenter);
    SetClientWidth(922);
    SetClientHeight(117);
    SetCaption(ModelCaption);
    BuildMenu();
    BuildFrontPanelArea();
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            [this] { FindEntry(); });
    // F1 in any window opens the guide at that window's topic; here, its first page.
    TForm::OnHelp = [folder = programFolder_](const std::string& topic) {
        THelpForm::Open(topic, folder);
    };
    OnCloseQuery = [this] { return FormCloseQuery(); };
    OnClose = [this] { BeginExit(); };
    FormCreate();
}

// The LED bindings stop and are waited for before anything else goes.
TMainForm::~TMainForm() {
    frontPanel_.reset();
}

void TMainForm::BuildMenu() {
    mainMenu_ = std::make_unique<TMainMenu>(this);
    TMenuCatalogue::Build(*mainMenu_, [this](TMenuItem& item, const PageDefinition& entry) {
        if (entry.kind == EntryKind::None) {
            return; // a visible entry without an action
        }
        item.SetEnabled(HasAction(entry));
        const PageDefinition* e = &entry;
        item.OnClick = [this, e] { RunEntry(*e); };
    });
}

bool TMainForm::HasAction(const PageDefinition& entry) {
    switch (entry.kind) {
    case EntryKind::Scalar:
    case EntryKind::Table:
    case EntryKind::Tabbed:
        return true;
    case EntryKind::HandMade: {
        const std::string form = entry.target;
        return form == "TfrmConfigSNMP" || form == "TSTP_Info" || HasHandMadeForm(form);
    }
    case EntryKind::Viewer:
    case EntryKind::Command:
    case EntryKind::Help:
        return true;
    case EntryKind::None:
        return false;
    }
    return false;
}

void TMainForm::BeginExit() {
    exiting_ = true;
    instanceLink_->Release();
    if (frontPanel_) {
        frontPanel_->StopPolling();
    }
    setEnabled(false);
}

void TMainForm::RunEntry(const PageDefinition& entry) {
    if (exiting_) {
        return;
    }
    if (IsGeneratedPage(entry)) {
        PageHost host;
        host.owner = this;
        host.addressText = settingsTexts_.address;
        host.rmonStateClosed = [this] {
            if (withDevice_) {
                frontPanel_->RefreshRmonState(MenuItem("Statistics1"), MenuItem("History1"),
                                              MenuItem("AlarmEvent1"));
            }
        };
        OpenPage(entry, host);
        return;
    }
    const std::string target = entry.target != nullptr ? entry.target : "";
    switch (entry.kind) {
    case EntryKind::Viewer:
        StartViewer(target, settingsTexts_, statusBar1_);
        break;
    case EntryKind::Command:
        RunDeviceCommand(target == "Reboot" ? DeviceCommand::Reboot : DeviceCommand::Save,
                         statusBar1_);
        break;
    case EntryKind::Help:
        OpenHelp(programFolder_, statusBar1_);
        break;
    case EntryKind::HandMade:
        if (target == "TfrmConfigSNMP") {
            SNMPConfigure1Click();
        } else if (target == "TSTP_Info") {
            // The window starts from the spanning-tree version the device runs now.
            frontPanel_->ReadSpanningTree();
            TSTP_Info stp(this, frontPanel_->StpTextControl());
            stp.SetHelpTopic(TMenuCatalogue::FullPath(entry));
            stp.ShowModal();
        } else if (std::unique_ptr<TForm> form = CreateHandMadeForm(target, this)) {
            form->SetHelpTopic(TMenuCatalogue::FullPath(entry));
            if (entry.captionPrefix != nullptr) {
                form->SetCaption(entry.captionPrefix + settingsTexts_.address);
            }
            form->ShowModal();
        }
        break;
    default:
        break;
    }
}

void TMainForm::FindEntry() {
    if (exiting_) {
        return;
    }
    const PageDefinition* chosen = nullptr;
    {
        TEntrySearch search(this);
        if (search.ShowModal() == mrOk) {
            chosen = search.Chosen();
        }
    }
    if (chosen == nullptr || exiting_) {
        return;
    }
    // An entry runs only where the menu lets it run: its item and every menu above it enabled.
    TMenuItem* item = MenuItem(TMenuCatalogue::ItemName(*chosen));
    bool enabled = item != nullptr && chosen->kind != EntryKind::None;
    for (TMenuItem* up = item; enabled && up != nullptr; up = up->ParentItem()) {
        enabled = up->Enabled();
    }
    if (!enabled) {
        MessageBox("\"" + TMenuCatalogue::FullPath(*chosen) + "\" is not available here.",
                   Application().Title(), mbOK, miInformation, this);
        return;
    }
    RunEntry(*chosen);
}

void TMainForm::SNMPConfigure1Click() {
    TfrmConfigSNMP::Running running{programFolder_,
                                    settingsTexts_.address,
                                    settingsTexts_.version,
                                    settingsTexts_.securityName,
                                    settingsTexts_.readCommunity,
                                    settingsTexts_.writeCommunity};
    bool modified = false;
    {
        // The dialog shows the per-device file as it is on disk now.
        TfrmConfigSNMP dialog(this, running);
        dialog.SetHelpTopic("SNMP V3 / SNMP Configure");
        dialog.ShowModal();
        modified = dialog.VersionModified();
    }
    if (modified &&
        MessageBox("SNMP Version has been modified!\r\nIf you want to run the module in new "
                   "version,please rerun it again.\r\n\nSwitch to new version?",
                   Application().Title(), mbYesNo, miQuestion, this) == mrYes) {
        // The close still asks whether to exit.
        Close();
    }
}

void TMainForm::BuildFrontPanelArea() {
    panel1_ = new TPanel(this);
    panel1_->SetName("Panel1");
    panel1_->SetBounds(0, 0, Panel1Width, Panel1Height);
    panel1_->SetBevelOuter(bvLowered);
    statusBar1_ = new TStatusBar(panel1_);
    statusBar1_->SetName("StatusBar1");
    // Panel 0 carries the front panel's poll report; the outcome panel after it the outcomes of
    // the user's own actions, which the poll never overwrites; the front panel adds the device
    // panel after them (the rest of the width).
    statusBar1_->AddPanel(StatusPollWidth);
    statusBar1_->AddPanel(OutcomeWidth);
    static_assert(OutcomePanel == 1);
    scrollBox1_ = new TScrollBox(panel1_);
    scrollBox1_->SetName("ScrollBox1");
    scrollBox1_->SetAutoScroll(false);
    scrollBox1_->SetAlign(alClient);
    frontPanel_ = std::make_unique<TFrontPanel>(this, scrollBox1_, statusBar1_);
}

TMenuItem* TMainForm::MenuItem(const std::string& name) const {
    return mainMenu_->Find(name);
}

void TMainForm::FormCreate() {
    try {
        // The window becomes sizeable, fitted to the front-panel area, without maximise box.
        SetBorderStyle(bsSizeable);
        SetClientWidth(panel1_->Width());
        SetClientHeight(panel1_->Height());
        SetBorderIcons(biSystemMenu | biMinimize);

        // The engine boot counter file lives in the current folder.
        QxSNMPSession::CreateGlobal("");

        suiteMode_ = QxDeviceConfig::IsSuiteMode(programFolder_);
        MenuItem("SNMPConfigure1")->SetVisible(suiteMode_);

        QxMessages::LoadFolder(programFolder_ + "errMSg/");

        QxSNMPGlobal& global = SnmpGlobal();
        global.timeout = 200;

        if (arguments_.empty()) {
            // The steps below still run with the defaults; the program ends afterwards.
            ShowMessage("No parameter input", this);
            Application().Terminate();
        }

        std::string unresolved;
        if (QxCommandLine::Parse(arguments_, global, QxCommandLine::ResolveIPv4, &unresolved) ==
            QxCommandLine::Result::HostError) {
            // Said on standard error too, for the script or suite that started the module; the
            // program ends with a failure status.
            const std::string text = QxCommandLine::HostErrorText(unresolved);
            std::fprintf(stderr, "ksw524p: %s\n", text.c_str());
            ShowMessage(text, this);
            Application().Terminate(1);
            return;
        }
        settingsTexts_.FromGlobal(global);

        if (std::optional<std::string> path =
                QxDeviceConfig::Locate(suiteMode_, programFolder_, global.device.address)) {
            QxDeviceConfig::Read(*path, global, settingsTexts_);
        }

        if (withDevice_) {
            // The window shows at once, saying what it waits for. The first reads do not hold
            // it: a silent device keeps their answers for their whole time-out, while the
            // window goes on answering the user; the LEDs come with the device's answers.
            SetCaption(std::string(ModelCaption) + " : " + global.device.address);
            statusBar1_->Panel(0)->SetText("Connecting to " + global.device.address + "...");
            show();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QPointer<TMainForm> self(this);
            frontPanel_->BeginSetUp([self](const std::string& error) {
                if (self != nullptr && !self->exiting_) {
                    MessageBox(error, Application().Title(), mbOK, miError, self);
                }
            });
        }

        std::string caption = std::string(ModelCaption) + " : " + global.device.address;
        SetCaption(caption);
        instanceLink_->Listen(caption);

        bool v3 = global.security.version == 3;
        for (const char* name : SnmpV3Entries) {
            MenuItem(name)->SetEnabled(v3);
        }

        if (withDevice_) {
            frontPanel_->BeginRmonStateRead(MenuItem("Statistics1"), MenuItem("History1"),
                                            MenuItem("AlarmEvent1"));
        }
    } catch (const std::exception& error) {
        // The window stays open without a device; the user closes it.
        MessageBox(error.what(), Application().Title(), mbOK, miError, this);
    }
}

bool TMainForm::FormCloseQuery() {
    return MessageBox("Are you sure to exit?", "Exit", mbYesNo, miQuestion, this) == mrYes;
}
