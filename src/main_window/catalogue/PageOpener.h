#pragma once

#include "main_window/catalogue/PageDefinition.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;
class TConfigForm;
class TSNMPEditorPanel;

// What the main window lends the page handlers.
struct PageHost {
    QWidget* owner = nullptr;
    // The device address as the settings texts hold it; put after the caption prefix.
    std::string addressText;
    // Refreshes the RMON state and its menu entries (the RMON State page's close hook).
    std::function<void()> rmonStateClosed;
};

// Builds the page form of a generated page entry, as every menu handler of such an entry does:
// the caption, one binding per page from its descriptor table, the page-building calls, the
// page and form adjustments. Raises the error of a page that cannot be built; nothing is read
// before the form runs. The Counter64 prompt is not asked here (see OpenPage).
std::unique_ptr<TConfigForm> BuildPageForm(const PageDefinition& entry, const PageHost& host);

// Asks the Counter64 question where the entry has one, builds the form, shows it modally and
// frees it. An error while building shows the application's error box and no page.
void OpenPage(const PageDefinition& entry, const PageHost& host);

// Whether the entry opens a generated page.
bool IsGeneratedPage(const PageDefinition& entry);

// The add hooks of the catalogue by name; none for an unknown name.
using PanelHook = std::function<void(TSNMPEditorPanel& page)>;
PanelHook CatalogueHook(const std::string& name);
