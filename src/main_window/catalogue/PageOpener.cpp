#include "main_window/catalogue/PageOpener.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMessageBox.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int BitListColumns = 20;
constexpr int BitListPorts = 28;

std::string Text(const char* text) {
    return text != nullptr ? text : std::string();
}

// The index parts of a table page. Leading index parts without a column of their own can only
// be read from the row's instance; a few pages count fewer index parts than they list, which
// would leave such a part as a column that is never read.
int IndexCount(const PageSpec& page) {
    int leading = 0;
    while (page.vars[leading].oid != nullptr && std::string(page.vars[leading].oid) == " ") {
        ++leading;
    }
    return std::max(page.indexCount, leading);
}

// A new binding for one page, reading the page's descriptor table.
std::unique_ptr<QxSNMPRequest2Edits> PageBinding(const PageSpec& page, TConfigForm& form) {
    auto binding = std::make_unique<QxSNMPRequest2Edits>(&form);
    binding->request.vars.Assign(QxSNMPVarList(page.vars, page.listKind, IndexCount(page)));
    // Settings the binding needs before its page is built.
    for (const PageAdjustment& a : page.adjustments) {
        if (a.kind == AdjustmentKind::Synchronous) {
            binding->mode = QxSNMPRequest2Controls::Synchronous;
        } else if (a.kind == AdjustmentKind::V2cRequest && binding->request.security.version == 0) {
            binding->request.security.version = 1;
        }
    }
    return binding;
}

void SetLocked(TEditsPanel& rows, int row, bool locked) {
    if (locked) {
        rows.CheckRow(row);
    }
    rows.Row(row).checkBox->SetEnabled(!locked);
}

// The page's adjustments, in catalogue order, on the panel just built.
void Adjust(const PageSpec& page, TSNMPEditorPanel& panel, const PageHost&) {
    auto* list = dynamic_cast<TSNMPListViewPanel*>(&panel);
    TEditsPanel& rows = *panel.EditsPanel();
    for (const PageAdjustment& a : page.adjustments) {
        switch (a.kind) {
        case AdjustmentKind::ValueWidth:
            panel.SetEditorWidth(a.value);
            break;
        case AdjustmentKind::EditWidth:
            rows.SetEditWidth(a.value, TEditsPanel::Vertical);
            break;
        case AdjustmentKind::RowFormat:
            panel.SetVarFormat(a.row, Text(a.text));
            break;
        case AdjustmentKind::RowBitList:
            rows.AssignOctetItem(a.row, BitListColumns, BitListPorts);
            break;
        case AdjustmentKind::NoEditButton:
            if (list != nullptr) {
                TCtrlBtnPanel& buttons = *list->ButtonPanel();
                buttons.editButton->Hide();
                list->ListViewPanel()->ListView()->OnDblClick = nullptr;
                buttons.ArrangeButtons();
            }
            break;
        case AdjustmentKind::ReadOnlyList:
            if (list != nullptr) {
                list->readOnly = true;
            }
            break;
        case AdjustmentKind::SpinLock:
            rows.CheckRow(0);
            rows.SetCheckBoxShown(0, false);
            break;
        case AdjustmentKind::BeforeAddHook:
        case AdjustmentKind::AfterAddHook:
            if (list != nullptr) {
                PanelHook hook = CatalogueHook(Text(a.text));
                if (!hook) {
                    throw std::logic_error("Unknown page hook: " + Text(a.text));
                }
                auto run = [hook, list](TControl*) { hook(*list); };
                if (a.kind == AdjustmentKind::BeforeAddHook) {
                    list->beforeAdd = run;
                } else {
                    list->afterAdd = run;
                }
            }
            break;
        case AdjustmentKind::ConfirmSet:
            panel.confirmSetQuestion = Text(a.text);
            break;
        case AdjustmentKind::Synchronous:
        case AdjustmentKind::V2cRequest:
        case AdjustmentKind::Counter64Prompt:
        case AdjustmentKind::CloseHook:
        case AdjustmentKind::FormHeight:
        case AdjustmentKind::FormWidthPlus:
            break; // applied to the binding or the form
        }
    }
}

void AdjustForm(const PageDefinition& entry, TConfigForm& form, const PageHost& host) {
    auto apply = [&](const PageAdjustment& a) {
        switch (a.kind) {
        case AdjustmentKind::FormHeight:
            form.SetHeight(a.value);
            break;
        case AdjustmentKind::FormWidthPlus:
            form.SetWidth(form.Width() + a.value);
            break;
        case AdjustmentKind::CloseHook:
            if (Text(a.text) == "RmonStateClosed") {
                TConfigForm* f = &form;
                std::function<void()> refresh = host.rmonStateClosed;
                form.OnClose = [f, refresh] {
                    f->FormClose();
                    if (refresh) {
                        refresh();
                    }
                };
            } else {
                throw std::logic_error("Unknown close hook: " + Text(a.text));
            }
            break;
        default:
            break;
        }
    };
    for (const PageAdjustment& a : entry.formAdjustments) {
        apply(a);
    }
    for (const PageSpec& page : entry.pages) {
        for (const PageAdjustment& a : page.adjustments) {
            if (a.kind == AdjustmentKind::CloseHook) {
                apply(a);
            }
        }
    }
}

bool HasCounter64Prompt(const PageDefinition& entry) {
    auto has = [](std::span<const PageAdjustment> list) {
        for (const PageAdjustment& a : list) {
            if (a.kind == AdjustmentKind::Counter64Prompt) {
                return true;
            }
        }
        return false;
    };
    if (has(entry.formAdjustments)) {
        return true;
    }
    for (const PageSpec& page : entry.pages) {
        if (has(page.adjustments)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsGeneratedPage(const PageDefinition& entry) {
    return entry.kind == EntryKind::Scalar || entry.kind == EntryKind::Table ||
           entry.kind == EntryKind::Tabbed;
}

PanelHook CatalogueHook(const std::string& name) {
    if (name == "ViewTreeDefaults") {
        return [](TSNMPEditorPanel& page) {
            TEditsPanel& rows = *page.EditsPanel();
            rows.ClearRows();
            rows.SetRowText(3, "included");
            rows.SetRowText(4, "nonVolatile");
        };
    }
    if (name == "CommunityBeforeAdd") {
        // Name and security name are always written with a new community.
        return [](TSNMPEditorPanel& page) {
            TEditsPanel& rows = *page.EditsPanel();
            SetLocked(rows, 1, true);
            SetLocked(rows, 2, true);
            rows.ClearRows();
            rows.SetRowText(6, "nonVolatile");
        };
    }
    if (name == "CommunityAfterAdd") {
        return [](TSNMPEditorPanel& page) {
            SetLocked(*page.EditsPanel(), 1, false);
            SetLocked(*page.EditsPanel(), 2, false);
        };
    }
    if (name == "VlanStaticBeforeAdd") {
        return [](TSNMPEditorPanel& page) {
            TEditsPanel& rows = *page.EditsPanel();
            SetLocked(rows, 1, true);
            rows.ClearRows();
        };
    }
    if (name == "VlanStaticAfterAdd") {
        return [](TSNMPEditorPanel& page) { SetLocked(*page.EditsPanel(), 1, false); };
    }
    return {};
}

std::unique_ptr<TConfigForm> BuildPageForm(const PageDefinition& entry, const PageHost& host) {
    if (!IsGeneratedPage(entry)) {
        throw std::logic_error("Not a generated page: " + Text(entry.menuPath));
    }
    auto form = std::make_unique<TConfigForm>(host.owner);
    form->SetCaption(Text(entry.captionPrefix) + host.addressText);
    // F1 opens the guide at this entry.
    form->SetHelpTopic(Text(entry.topMenu) + " / " + Text(entry.menuPath));
    if (entry.kind == EntryKind::Tabbed) {
        form->SetMultiPage();
    }
    for (const PageSpec& page : entry.pages) {
        auto binding = PageBinding(page, *form);
        TSNMPEditorPanel* panel = nullptr;
        const std::string create = Text(page.createText);
        const std::string destroy = Text(page.destroyText);
        if (entry.kind == EntryKind::Tabbed) {
            panel = page.table ? form->AddListViewPage(Text(page.tabTitle), std::move(binding),
                                                       page.statusColumn, create,
                                                       page.statusColumn, destroy)
                               : form->AddEditorPage(Text(page.tabTitle), std::move(binding));
        } else if (page.table) {
            panel = form->SetListViewPage(std::move(binding), page.statusColumn, create,
                                          page.statusColumn, destroy);
        } else {
            panel = form->SetEditorPage(std::move(binding));
        }
        Adjust(page, *panel, host);
    }
    AdjustForm(entry, *form, host);
    return form;
}

void OpenPage(const PageDefinition& entry, const PageHost& host) {
    if (HasCounter64Prompt(entry) && SnmpGlobal().security.version == 0) {
        if (MessageBox("This table has Counter64 ! \n Do you want to chane to SNMP V2 ?",
                       "Changes SNMP Version", mbOKCancel, miInformation, host.owner) == mrOk) {
            SnmpGlobal().security.version = 1;
        }
    }
    std::unique_ptr<TConfigForm> form;
    try {
        form = BuildPageForm(entry, host);
    } catch (const std::exception& error) {
        Application().ShowException(error);
        return;
    }
    form->ShowModal();
}
