#pragma once

#include <string>
#include <vector>

class TStatusBar;
struct QxSettingsTexts;

// The main window's actions that open no page: the one-shot device commands, the external
// table viewers of the host suite and the help file. Each reports a failure in panel 0 of the
// status bar it is given (none: nothing is shown).

enum class DeviceCommand { Save, Reboot };

// Asks the command's Yes/No question and, unless the answer is No, writes the command value to
// the device with a request of its own (the module's connection parameters) and waits for the
// answer. A failure goes to the status bar; a Reboot that is not answered is what a restarting
// device does and is not reported.
void RunDeviceCommand(DeviceCommand command, TStatusBar* statusBar);

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

// Starts the viewer as a process of its own and returns at once; the viewer is not watched.
// When it cannot be started, "<program> could not be started" goes to the status bar and the
// result is false.
bool StartViewer(const std::string& tableSwitch, const QxSettingsTexts& texts,
                 TStatusBar* statusBar);

// The help file's name; it lies in the program's folder.
extern const char* const HelpFileName;

// Opens the help file of `programFolder` (ending in "/") in the desktop's viewer for it. The
// viewer reports a missing file; when no viewer could be asked at all, "<file name> could not
// be opened" goes to the status bar.
void OpenHelp(const std::string& programFolder, TStatusBar* statusBar);
