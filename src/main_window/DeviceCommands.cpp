#include "main_window/DeviceCommands.h"

#include "main_window/THelpForm.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/NetSnmpStatus.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TText.h"

#include <QCoreApplication>
#include <QFileInfo>
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
        // Painted now: the window may be busy with a synchronous request next.
        statusBar->repaint();
    }
}

QWidget* OwnerOf(TStatusBar* statusBar) {
    return statusBar != nullptr ? statusBar->window() : nullptr;
}

} // namespace

void RunDeviceCommand(DeviceCommand command, TStatusBar* statusBar) {
    const CommandDefinition& definition = DefinitionOf(command);
    if (MessageBox(definition.question, definition.caption, mbYesNo, miQuestion) == mrNo) {
        return;
    }
    // The question is gone from the screen before the window waits for the device.
    ShowOutcome(statusBar, command == DeviceCommand::Save ? "Saving the configuration..."
                                                          : "Sending the reboot command...");
    QxSNMPRequest request;
    request.LoadDefaults();
    request.vars.AppendRow(definition.oid, "", sxInteger, acReadwrite, nullptr);
    request.vars.Entry(0).value = definition.value;
    std::string failure;
    try {
        request.Store();
    } catch (const QxError& error) {
        // A device that reboots may restart before its answer leaves it: silence after the
        // command is what success looks like.
        if (command != DeviceCommand::Reboot ||
            error.Code() != QxMessages::MapStatus(NetSnmpStatus::TimedOut).code) {
            failure = error.Text();
        }
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure.empty()) {
        ShowOutcome(statusBar, command == DeviceCommand::Save ? "Configuration saved."
                                                              : "The device is rebooting.");
        return;
    }
    ShowOutcome(statusBar, command == DeviceCommand::Save ? "The configuration was not saved."
                                                          : "The device was not rebooted.");
    MessageBox((command == DeviceCommand::Save ? "The configuration was not saved: "
                                               : "The reboot command failed: ") +
                   failure,
               definition.caption, mbOK, miError, OwnerOf(statusBar));
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
