#include "main_window/DeviceCommands.h"

#include "main_window/THelpForm.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/NetSnmpStatus.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>

#include <exception>

const char* const HelpFileName = "KSW-524 r4-5 JUN 08 Rorvix-v9.hlp";

namespace {

// What a device command asks and what it writes: one integer scalar set to a command value.
struct CommandDefinition {
    const char* question;
    const char* caption;
    const char* oid;
    const char* value;
};

const CommandDefinition& DefinitionOf(DeviceCommand command) {
    static const CommandDefinition save{"Save Configurations into NV-RAM ?", "Save Configure",
                                        "1.3.6.1.4.1.32473.12.1.2.6", "3"};
    static const CommandDefinition reboot{"Are you sure to reboot the device?", "Reboot",
                                          "1.3.6.1.4.1.32473.12.1.2.19", "1"};
    return command == DeviceCommand::Save ? save : reboot;
}

// The panel of deliberate outcomes; panel 0 belongs to the front panel's poll, which rewrites it
// every few seconds.
void ShowOutcome(TStatusBar* statusBar, const std::string& text) {
    if (statusBar == nullptr) {
        return;
    }
    if (TStatusPanel* panel = statusBar->Panel(OutcomePanel)) {
        panel->SetText(text);
    }
}

QWidget* OwnerOf(TStatusBar* statusBar) {
    return statusBar != nullptr ? statusBar->window() : nullptr;
}

} // namespace

namespace {

// A device command on its way to the device. The window goes on answering the user meanwhile;
// the outcome arrives with the device's answer. The run is a child of the status bar its
// outcome goes to, so a window closed meanwhile takes it along: the answer then goes unheard
// (the command was sent; whether the device acted on it, nobody is left to tell).
// The name of a run that waits for its answer.
constexpr const char* PendingName = "DeviceCommandPending";

class CommandRun : public QObject {
public:
    CommandRun(DeviceCommand command, TStatusBar* statusBar)
        : QObject(statusBar), command_(command), statusBar_(statusBar) {
        setObjectName(QLatin1String(PendingName));
        const CommandDefinition& definition = DefinitionOf(command);
        request_.LoadDefaults();
        request_.vars.AppendRow(definition.oid, "", sxInteger, acReadwrite, nullptr);
        request_.vars.Entry(0).value = definition.value;
    }
    ~CommandRun() override { request_.Abandon(); }
    CommandRun(const CommandRun&) = delete;
    CommandRun& operator=(const CommandRun&) = delete;

    void Send() {
        try {
            request_.StoreAsync(&CommandRun::Completed, this);
        } catch (const QxError& error) {
            Finish(error.Code(), error.Text());
        } catch (const std::exception& error) {
            Finish(-1, error.what());
        }
    }

private:
    static void Completed(void* self, const QxSNMPError& result, QxSNMPVarList&) {
        static_cast<CommandRun*>(self)->Finish(result.code, result.text);
    }

    void Finish(int code, const std::string& text) {
        if (finished_) {
            return;
        }
        finished_ = true;
        setObjectName(QString());
        // A device that reboots may restart before its answer leaves it: silence after the
        // command is what success looks like.
        const bool ok = code == 0 || (command_ == DeviceCommand::Reboot &&
                                      code == QxMessages::MapStatus(NetSnmpStatus::TimedOut).code);
        const bool save = command_ == DeviceCommand::Save;
        if (ok) {
            ShowOutcome(statusBar_, save ? "Configuration saved." : "The device is rebooting.");
        } else {
            ShowOutcome(statusBar_,
                        save ? "The configuration was not saved." : "The device was not rebooted.");
            // The box opens once this completion has returned and outside any wait; it goes
            // with the window when that closes first.
            const std::string boxText =
                (save ? "The configuration was not saved: " : "The reboot command failed: ") + text;
            const std::string caption = DefinitionOf(command_).caption;
            QPointer<QWidget> owner(OwnerOf(statusBar_));
            if (owner != nullptr) {
                PostOutsideWaits(owner, [owner, boxText, caption] {
                    if (owner != nullptr) {
                        MessageBox(boxText, caption, mbOK, miError, owner);
                    }
                });
            }
        }
        deleteLater();
    }

    DeviceCommand command_;
    QPointer<TStatusBar> statusBar_;
    QxSNMPRequest request_;
    bool finished_ = false;
};

} // namespace

bool DeviceCommandPending(TStatusBar* statusBar) {
    if (statusBar == nullptr) {
        return false;
    }
    return statusBar->findChild<QObject*>(QLatin1String(PendingName), Qt::FindDirectChildrenOnly) !=
           nullptr;
}

void RunDeviceCommand(DeviceCommand command, TStatusBar* statusBar) {
    const CommandDefinition& definition = DefinitionOf(command);
    // One command at a time: the outcome of the one on its way is what the user waits for.
    if (DeviceCommandPending(statusBar)) {
        MessageBox("The device has not answered the last command yet; try again when its outcome "
                   "is shown.",
                   definition.caption, mbOK, miInformation, OwnerOf(statusBar));
        return;
    }
    if (MessageBox(definition.question, definition.caption, mbYesNo, miQuestion) == mrNo) {
        return;
    }
    ShowOutcome(statusBar, command == DeviceCommand::Save ? "Saving the configuration..."
                                                          : "Sending the reboot command...");
    auto* run = new CommandRun(command, statusBar);
    run->Send();
}

std::string ViewerProgram(const std::string& tableSwitch) {
    if (tableSwitch.size() <= 2) {
        return {};
    }
    const size_t underscore = tableSwitch.find('_', 2);
    return tableSwitch.substr(2,
                              underscore == std::string::npos ? std::string::npos : underscore - 2);
}

std::vector<std::string> ViewerArguments(const std::string& tableSwitch,
                                         const QxSettingsTexts& texts) {
    std::vector<std::string> arguments;
    if (texts.version == "3") {
        // SNMPv3 viewers get every security setting and no communities.
        arguments = {
            "/I" + texts.address,         "/t" + texts.port,          "/v" + texts.version,
            "/d" + texts.contextEngineId, "/m" + texts.securityModel, "/n" + texts.securityName,
            "/l" + texts.securityLevel,   "/a" + texts.authProtocol,  "/p" + texts.privProtocol,
            "/A" + texts.authPassword,    "/P" + texts.privPassword,  "/c" + texts.contextName};
    } else {
        arguments = {"/I" + texts.address, "/R" + texts.readCommunity, "/W" + texts.writeCommunity};
    }
    arguments.push_back(tableSwitch);
    // The viewers expect an extra argument after the switch, left empty.
    arguments.emplace_back();
    return arguments;
}

std::string ViewerCommandLine(const std::string& tableSwitch, const QxSettingsTexts& texts) {
    std::string line = ViewerProgram(tableSwitch);
    for (const std::string& argument : ViewerArguments(tableSwitch, texts)) {
        line += ' ';
        line += argument;
    }
    return line;
}

std::string ViewerPath(const std::string& program, const std::string& programFolder) {
    const QFileInfo beside(ToQString(programFolder + program));
    if (!program.empty() && beside.isFile() && beside.isExecutable()) {
        return programFolder + program;
    }
    return program;
}

bool StartViewer(const std::string& tableSwitch, const QxSettingsTexts& texts,
                 TStatusBar* statusBar) {
    return StartViewer(tableSwitch, texts, statusBar,
                       QCoreApplication::applicationDirPath().toStdString() + "/");
}

bool StartViewer(const std::string& tableSwitch, const QxSettingsTexts& texts,
                 TStatusBar* statusBar, const std::string& programFolder) {
    const std::string program = ViewerProgram(tableSwitch);
    QStringList arguments;
    for (const std::string& argument : ViewerArguments(tableSwitch, texts)) {
        arguments.append(ToQString(argument));
    }
    if (program.empty() ||
        !QProcess::startDetached(ToQString(ViewerPath(program, programFolder)), arguments)) {
        const std::string text = program + " could not be started";
        ShowOutcome(statusBar, text);
        MessageBox(text + ": no program of that name in " + programFolder +
                       " or on the search path can be run.",
                   "Table viewer", mbOK, miError, OwnerOf(statusBar));
        return false;
    }
    return true;
}

void OpenHelp(const std::string& programFolder, TStatusBar*) {
    THelpForm::Open("", programFolder);
}
