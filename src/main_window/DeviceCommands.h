#pragma once

#include <string>
#include <vector>

class TStatusBar;
struct QxSettingsTexts;

// The main window's actions that open no page: the one-shot device commands, the external
// table viewers of the host suite and the help file. Their outcome stands in the status bar's
// OutcomePanel (none: not shown), which nothing else writes; a failure is shown in a message
// box as well, so that it is seen whatever else happens in the window.

// The status-bar panel of deliberate outcomes (panel 0 is the front panel's poll report).
constexpr int OutcomePanel = 1;

enum class DeviceCommand { Save, Reboot };

// Asks the command's Yes/No question and, unless the answer is No, writes the command value to
// the device with a request of its own (the module's connection parameters) and returns: the
// window goes on answering the user while the device is asked, and the outcome panel says
// "Saving the configuration..." until the answer comes. A successful save then says
// "Configuration saved."; a failure is shown in a message box with the error. A Reboot that is
// not answered is what a restarting device does: success. While a command waits for its answer,
// another one is not sent (a box says so). A window closed meanwhile takes the command along:
// its answer goes unheard.
void RunDeviceCommand(DeviceCommand command, TStatusBar* statusBar);

// Whether a command sent with this status bar still waits for the device's answer.
bool DeviceCommandPending(TStatusBar* statusBar);

// The viewer program a table switch names: its characters from the third up to the first "_"
// ("/TEthernetLike_dot3StatsTable" names EthernetLike). No folder, so the program search path
// applies.
std::string ViewerProgram(const std::string& tableSwitch);

// The viewer's arguments: the device address, then the SNMPv3 settings (version text "3") or
// the two communities, then the switch, then an empty argument.
std::vector<std::string> ViewerArguments(const std::string& tableSwitch,
                                         const QxSettingsTexts& texts);

// Program and arguments joined by single spaces; it ends in a space for the empty argument.
std::string ViewerCommandLine(const std::string& tableSwitch, const QxSettingsTexts& texts);

// The program that runs a viewer: the viewer of that name in `programFolder` (ending in "/")
// when there is one that can be run, else the bare name, which the program search path finds.
std::string ViewerPath(const std::string& program, const std::string& programFolder);

// Starts the viewer as a process of its own and returns at once; the viewer is not watched.
// The viewers are installed beside the module, so the module's own folder is looked in first
// (another folder: `programFolder`). When it cannot be started, "<program> could not be
// started" goes to the outcome panel and a message box, and the result is false.
bool StartViewer(const std::string& tableSwitch, const QxSettingsTexts& texts,
                 TStatusBar* statusBar);
bool StartViewer(const std::string& tableSwitch, const QxSettingsTexts& texts,
                 TStatusBar* statusBar, const std::string& programFolder);

// The host suite's help file's name; it would lie in the program's folder.
extern const char* const HelpFileName;

// Opens the module's user guide in the help window, at its first page. The suite's help file
// cannot be shown on this platform: when it lies in `programFolder` (ending in "/"), the help
// window says so above the guide. Nothing goes to the status bar.
void OpenHelp(const std::string& programFolder, TStatusBar* statusBar);
