#pragma once

#include <optional>
#include <string>
#include <vector>

class TConfigForm;

// How --print writes a page: tab-separated lines, or CSV (UTF-8, the same lines as CSV
// records).
enum class PrintFormat { Tabs, Csv };

// The switches for scripts and checks, beyond the module's own command line. They are taken
// out of the arguments before that command line is read, so that a menu path never reads as
// one of its markers.
struct ScriptSwitches {
    bool help = false;
    bool catalogue = false;
    bool check = false;               // test the connection that the device switches describe
    std::optional<std::string> print; // menu path of the page to print
    std::optional<std::string> open;  // menu path of the entry to run once the window shows
    std::optional<std::string> find;  // words of the menu paths to list
    PrintFormat format = PrintFormat::Tabs;
    std::string error;                // a switch without its menu path

    // Removes the switches (and their values) from the arguments, program name excluded.
    static ScriptSwitches Take(std::vector<std::string>& arguments);
    static const char* HelpText();
};

// Reads every page of the form (each tab in turn) and writes it as text: a tab's title as
// "[<title>]", a scalar page one "<label>\t<value>" line per shown row, a table page its column
// captions joined by tabs and then one line per row. Returns 0 when every read succeeded;
// otherwise 1, with the page's result line in `failure`. In CSV each of those lines is one
// record with the same fields.
int PrintPageForm(TConfigForm& form, std::string& out, std::string& failure,
                  PrintFormat format = PrintFormat::Tabs);

// Sets the connection up as the module's start does: the global session, the message files of
// `messageFolder` (none when empty), the command line and the device's configuration file.
// False when the host does not resolve (its text then in `unresolvedHost`, when given);
// `addressText` gets the device's address text.
bool ConnectLikeTheModule(const std::vector<std::string>& arguments,
                          const std::string& programFolder, const std::string& messageFolder,
                          std::string& addressText, std::string* unresolvedHost = nullptr);

// Reads every page of the form and prints it on standard output, a failure's result line on
// standard error; the exit status of PrintPageForm.
int PrintPages(TConfigForm& form, PrintFormat format = PrintFormat::Tabs);

// `ksw524p --print`: builds the entry's page form against the device the arguments name and
// prints it. Exit status 0, 1 (a read failed) or 2 (no generated page at that path).
int RunPrint(const std::string& menuPath, const std::vector<std::string>& arguments,
             const std::string& programFolder, PrintFormat format = PrintFormat::Tabs);

// `ksw524p --find WORDS`: prints the full menu path of every entry whose path contains all the
// words (any order, letter case ignored), one a line. Exit status 0, or 1 when none matches.
int RunFind(const std::string& words);

// `ksw524p --check`: tries the connection the arguments (and the device's configuration file)
// describe, as the settings dialog's "Test" does, and prints the verdict. Exit status 0 when the
// device answers, 1 when it does not (the verdict on standard error), 2 for an unknown host.
int RunCheck(const std::vector<std::string>& arguments, const std::string& programFolder);
