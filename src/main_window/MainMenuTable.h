#pragma once

// One entry of the main window's menu tree, in menu order: depth 0 is a menu of the menu bar,
// depth n + 1 an entry of the nearest entry of depth n above it. The table ends at the row
// without a name.
struct MainMenuRow {
    int depth = 0;
    const char* name = nullptr;
    const char* caption = nullptr;
};

extern const MainMenuRow MainMenuRows[];
