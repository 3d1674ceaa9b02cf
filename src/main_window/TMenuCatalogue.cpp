#include "main_window/TMenuCatalogue.h"

#include "main_window/MainMenuTable.h"
#include "ui/toolkit/TMenu.h"

#include <cctype>
#include <map>
#include <vector>

namespace {

constexpr const char* Separator = " / ";

// The path's parts as the catalogue writes them. Captions may hold a "/" of their own
// ("Alarm/Event"): only " / " separates.
std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = path.find(Separator); at != std::string::npos;
         at = path.find(Separator, start)) {
        parts.push_back(path.substr(start, at - start));
        start = at + 3;
    }
    parts.push_back(path.substr(start));
    return parts;
}

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string NameFromCaption(const std::string& caption) {
    std::string name;
    for (char c : caption) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            name += c;
        }
    }
    return name + "1";
}

// The name a menu or sub-menu has in the fixed table, looked up by its caption under the
// parent of that name.
std::string KnownName(const std::string& parentName, const std::string& caption, int depth) {
    std::vector<const MainMenuRow*> parents;
    for (const MainMenuRow* row = MainMenuRows; row->name != nullptr; ++row) {
        parents.resize(static_cast<std::size_t>(row->depth));
        const bool underParent =
            row->depth == 0 || (!parents.empty() && parents.back()->name == parentName);
        if (row->depth == depth && underParent && caption == row->caption) {
            return row->name;
        }
        parents.push_back(row);
    }
    return {};
}

TMenuItem* Child(TMenuItem& parent, const std::string& caption) {
    for (int i = 0; i < parent.Count(); ++i) {
        if (parent.Item(i)->Caption() == caption) {
            return parent.Item(i);
        }
    }
    return nullptr;
}

} // namespace

void TMenuCatalogue::Build(TMainMenu& menu,
                           const std::function<void(TMenuItem&, const PageDefinition&)>& wire) {
    std::map<std::string, TMenuItem*> menus;
    for (const PageDefinition& entry : Catalogue) {
        const std::string top = entry.topMenu;
        TMenuItem*& bar = menus[top];
        if (bar == nullptr) {
            std::string name = KnownName({}, top, 0);
            bar = menu.Add(name.empty() ? NameFromCaption(top) : name, top);
        }
        const std::vector<std::string> parts = Split(entry.menuPath);
        TMenuItem* parent = bar;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            TMenuItem* sub = Child(*parent, parts[i]);
            if (sub == nullptr) {
                std::string name = KnownName(parent->Name(), parts[i], static_cast<int>(i) + 1);
                sub = parent->Add(name.empty() ? NameFromCaption(parts[i]) : name, parts[i]);
            }
            parent = sub;
        }
        TMenuItem* leaf = parent->Add(ItemName(entry), parts.back());
        if (wire) {
            wire(*leaf, entry);
        }
    }
    // Each menu of the bar opens with Alt and a letter of its own: the first of its caption
    // that no earlier menu took.
    std::string taken;
    for (int i = 0; i < menu.Count(); ++i) {
        TMenuItem& bar = *menu.Item(i);
        for (char c : bar.Caption()) {
            const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (std::isalnum(static_cast<unsigned char>(c)) && taken.find(letter) == taken.npos) {
                taken += letter;
                bar.SetMnemonic(c);
                break;
            }
        }
    }
}

std::string TMenuCatalogue::ItemName(const PageDefinition& entry) {
    if (entry.handler != nullptr) {
        std::string name = entry.handler;
        constexpr std::string_view Suffix = "Click";
        if (name.size() > Suffix.size() && name.ends_with(Suffix)) {
            name.resize(name.size() - Suffix.size());
        }
        return name;
    }
    return NameFromCaption(Split(entry.menuPath).back());
}

std::string TMenuCatalogue::FullPath(const PageDefinition& entry) {
    return std::string(entry.topMenu) + Separator + entry.menuPath;
}

const PageDefinition* TMenuCatalogue::Find(const std::string& menuPath) {
    std::vector<std::string> wanted = Split(menuPath);
    for (std::string& part : wanted) {
        part = Trimmed(part);
    }
    for (const PageDefinition& entry : Catalogue) {
        std::vector<std::string> parts = Split(FullPath(entry));
        if (parts.size() != wanted.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < parts.size() && same; ++i) {
            same = Trimmed(parts[i]) == wanted[i];
        }
        if (same) {
            return &entry;
        }
    }
    return nullptr;
}
