#pragma once

#include "snmp/UISnmpVar.h"

#include <cstdint>
#include <span>

// What a menu entry does when it is clicked.
enum class EntryKind : std::uint8_t {
    Scalar,   // one page of scalar variables
    Table,    // one table page
    Tabbed,   // several pages on tabs
    HandMade, // a hand-made form, named by `target`
    Viewer,   // the external table viewer, started with the switch in `target`
    Command,  // a device command: `target` is "Save" or "Reboot"
    Help,     // the help file
    None,     // a visible entry without an action
};

// A change made to a page's panel or to the page form after the page is built.
enum class AdjustmentKind : std::uint8_t {
    ValueWidth,      // scalar page: every value control `value` wide
    EditWidth,       // table page: the add and edit dialogs' edits `value` wide
    RowFormat,       // the edit of `row` gets the edit-constraint format `text`
    RowBitList,      // the edit of `row` becomes the 28-port bit-list editor
    NoEditButton,    // table page: rows can only be added and deleted
    ReadOnlyList,    // table page: no writes at all
    Synchronous,     // table page: the walk blocks until it ends
    V2cRequest,      // table page: an SNMPv1 binding asks with SNMPv2c
    Counter64Prompt, // before the form: offer to switch the module to SNMPv2c
    SpinLock,        // row 0 always written back: checked and its check box hidden
    BeforeAddHook,   // table page: the hook named `text` runs before the add dialog
    AfterAddHook,    // table page: the hook named `text` runs after the add dialog
    CloseHook,       // the form's close runs the main-window handler named `text` afterwards
    FormHeight,      // the form's outer height becomes `value`
    FormWidthPlus,   // the form's outer width grows by `value`
    ConfirmSet,      // scalar page whose write resets or clears the device: Set asks `text`
};

struct PageAdjustment {
    AdjustmentKind kind{};
    int row = -1;
    int value = 0;
    const char* text = nullptr;
};

// One page of a generated form: a scalar page or a table page, alone or on a tab.
struct PageSpec {
    const char* tabTitle = nullptr; // tabbed forms only
    bool table = false;
    const UISnmpVar* vars = nullptr; // the descriptor table, ending in its sentinel row
    int varCount = 0;                // the number of variables the catalogue gives
    std::uint8_t listKind = SVT_SV;
    int indexCount = 0;
    int statusColumn = -1; // -1: no rows are created or destroyed
    const char* createText = nullptr;
    const char* destroyText = nullptr;
    std::span<const PageAdjustment> adjustments{};
};

// One visible leaf entry of the menu tree and what it opens.
struct PageDefinition {
    const char* topMenu = nullptr;  // caption of the menu-bar menu, e.g. "Basic Configuration"
    const char* menuPath = nullptr; // captions below it joined by " / ", e.g. "Basic / File Table"
    const char* handler = nullptr;  // click-handler name; none for an entry without an action
    const char* captionPrefix = nullptr; // put before the device address in the form's caption
    EntryKind kind = EntryKind::None;
    std::span<const PageSpec> pages{};
    // Applied to the form after every page is built (form height and width), or before the
    // form is created (the Counter64 prompt).
    std::span<const PageAdjustment> formAdjustments{};
    // Hand-made form class, viewer switch, or device command.
    const char* target = nullptr;
};

// Every visible leaf entry of the menu bar, in menu order.
extern const std::span<const PageDefinition> Catalogue;
