#pragma once

#include <string>
#include <vector>

// One run of a table viewer: the connection from the command line the module builds (the
// device address, the communities or the SNMPv3 settings) and, as the module does, from the
// per-device configuration file; then the page form of the table switch among the arguments.
// With `print` every table is read in turn and written to standard output (each tab as
// "[<title>]", then the column captions and one line per row, tab-separated); otherwise the
// form is shown until the user closes it. Exit status: 0, 1 (the host is unknown or a read
// failed: the result line goes to standard error), 2 (no table switch the viewers know).
int RunViewer(const std::vector<std::string>& arguments, const std::string& programFolder,
              bool print);

// The arguments as the module's command-line reader takes them: the table switch left out and
// the version switch first, so that the SNMPv3 switches the module passes before "/v3" (the
// port) count.
std::vector<std::string> ConnectionArguments(const std::vector<std::string>& arguments);
