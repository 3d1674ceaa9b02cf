#pragma once

#include "main_window/catalogue/PageDefinition.h"

#include <span>
#include <string>
#include <vector>

// The tables the viewer programs show, one entry per table switch ("/TRmon_History"): a page
// form of read-only table pages (several tables of one switch on tabs), built and read by the
// same machinery as the module's generated pages. `target` holds the switch.
extern const std::span<const PageDefinition> ViewerCatalogue;

// The entry of a table switch; none for a switch no viewer knows.
const PageDefinition* FindViewerEntry(const std::string& tableSwitch);

// The table switch among the arguments: the last one that starts with "/T" and is longer than
// it; empty when there is none.
std::string TableSwitchOf(const std::vector<std::string>& arguments);
