#pragma once

#include "main_window/catalogue/PageDefinition.h"

#include <functional>
#include <string>

class TMainMenu;
class TMenuItem;

// The menu bar's tree as the catalogue lists it: the ten menus, their sub-menus and every
// visible leaf entry, in menu order.
class TMenuCatalogue {
public:
    // Adds the whole tree to the menu bar and hands every leaf to `wire` with its entry.
    // Menus and sub-menus that other parts of the window address by name (the RMON and
    // SNMPv3 entries) keep those names; a leaf is named after its click handler.
    static void Build(TMainMenu& menu,
                      const std::function<void(TMenuItem&, const PageDefinition&)>& wire);

    // The entry at "<menu> / <path>", each part compared without its surrounding blanks;
    // none when no entry has that path.
    static const PageDefinition* Find(const std::string& menuPath);
    // "<menu> / <path>" of the entry, as the catalogue writes it.
    static std::string FullPath(const PageDefinition& entry);
    // The leaf's name: the click handler without "Click", or made from the caption.
    static std::string ItemName(const PageDefinition& entry);
};
