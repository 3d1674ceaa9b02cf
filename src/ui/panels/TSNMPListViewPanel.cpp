#include "ui/panels/TSNMPListViewPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/UISnmpVar.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TPageControl.h"

#include <QPointer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// Runs a clean-up when the scope ends, also when it ends by an exception.
template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

// An item the edit dialog took out of a row-status drop-down list, and where it stood.
struct RemovedItem {
    int row = -1;
    int position = -1;
    std::string text;
    bool hidRow = false;
    bool checkBoxVisible = false;
};

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, QxSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(owner, binding) {
    listViewPanel_ = new TListViewPanel(ClientPanel(), binding);

    TListView* list = listViewPanel_->ListView();
    list->OnDblClick = [this] { EditIfSelected(); };
    list->OnClick = [this] { UpdateRowButtons(); };
    list->OnChange = [this] { UpdateCount(); };
    list->OnMouseMove = [this](int x, int y) { ShowRowHint(x, y); };

    TCtrlBtnPanel* buttons = ButtonPanel();
    buttons->refreshButton->OnClick = [this] { ListRefreshAction(); };
    buttons->editButton->OnClick = [this, buttons] { EditAction(buttons->editButton); };
    buttons->addButton->OnClick = [this, buttons] { AddAction(buttons->addButton); };
    buttons->deleteButton->OnClick = [this] { DeleteAction(); };

    listViewPanel_->ArrangeCtrlBtn(buttons);
    if (EditsPanel()->AllRowsReadOnly()) {
        buttons->editButton->Hide();
        buttons->ArrangeButtons();
    }
    SetContent(listViewPanel_);
    UpdateCount();

    beforeAdd = [this](TControl*) { EditsPanel()->ClearRows(); };
}

namespace {

// The row's drop-down item equal to the text with letter case ignored; -1 when the row has no
// drop-down list or the list lacks the text.
int StatusItem(const TEditsPanel& edits, int aIdx, const std::string& text) {
    if (aIdx < 0 || aIdx >= edits.RowCount() || edits.Row(aIdx).comboBox == nullptr) {
        return -1;
    }
    return edits.Row(aIdx).comboBox->IndexOfItem(text);
}

} // namespace

void TSNMPListViewPanel::SetAddStatus(int aIdx, const std::string& text) {
    const int item = StatusItem(*EditsPanel(), aIdx, text);
    if (item < 0) {
        throw std::logic_error("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + text);
    }
    // The option's own spelling is kept: it is the label the value text is encoded from.
    listViewPanel_->SetAddStatus(aIdx, EditsPanel()->Row(aIdx).comboBox->Item(item));
    ButtonPanel()->addButton->Show();
    ButtonPanel()->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int aIdx, const std::string& text) {
    const int item = StatusItem(*EditsPanel(), aIdx, text);
    if (item < 0) {
        throw std::logic_error("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" +
                               text);
    }
    listViewPanel_->SetDeleteStatus(aIdx, EditsPanel()->Row(aIdx).comboBox->Item(item));
    ButtonPanel()->deleteButton->Show();
    ButtonPanel()->ArrangeButtons();
}

void TSNMPListViewPanel::ListRefreshAction() {
    QxSNMPRequest2Edits* binding = Binding();
    if (binding == nullptr) {
        return;
    }
    // A walk still running is not interrupted: it refreshes the list already.
    if (binding->mode == QxSNMPRequest2Controls::Asynchronous && binding->busy) {
        return;
    }
    ButtonPanel()->editButton->SetEnabled(false);
    ButtonPanel()->deleteButton->SetEnabled(false);
    RefreshAction();
}

void TSNMPListViewPanel::UpdateRowButtons() {
    // A click only adjusts the buttons; nothing of it is worth a message to the user.
    try {
        TCtrlBtnPanel* buttons = ButtonPanel();
        if (listViewPanel_->ListView()->Selected() != nullptr) {
            buttons->editButton->SetEnabled(!readOnly);
            buttons->deleteButton->SetEnabled(true);
        } else {
            if (!readOnly) {
                buttons->editButton->SetEnabled(false);
            }
            buttons->deleteButton->SetEnabled(false);
            EditsPanel()->ClearRows();
        }
    } catch (const std::exception&) {
    }
}

void TSNMPListViewPanel::EditIfSelected() {
    // A double click is a shortcut for Edit; the dialog reports its own failures.
    try {
        if (listViewPanel_->ListView()->Selected() != nullptr && !readOnly) {
            EditAction(ButtonPanel()->editButton);
        }
    } catch (const std::exception&) {
    }
}

void TSNMPListViewPanel::UpdateCount() {
    ButtonPanel()->countText->SetCaption(std::to_string(listViewPanel_->ListView()->ItemCount()));
}

void TSNMPListViewPanel::ShowRowHint(int x, int y) {
    TListView* list = listViewPanel_->ListView();
    TListItem* item = list->ItemAt(x, y);
    if (item == nullptr) {
        list->SetShowHint(false);
        return;
    }
    size_t longest = 0;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        longest = std::max(longest, list->Column(c)->Caption().size());
    }
    std::string hint;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        const std::string caption = list->Column(c)->Caption();
        hint += caption + std::string(longest - caption.size(), '\t') + "  " +
                (c == 0 ? item->Caption() : item->SubItem(c - 1)) + "\n";
    }
    list->SetHint(hint);
    list->SetShowHint(true);
}

std::string TSNMPListViewPanel::PageCaption() const {
    QWidget* parent = Parent();
    if (auto* form = dynamic_cast<TForm*>(parent)) {
        return form->Caption();
    }
    if (auto* sheet = dynamic_cast<TTabSheet*>(parent)) {
        return sheet->Caption();
    }
    return Form() != nullptr ? Form()->Caption() : std::string();
}

TSNMPPanel* TSNMPListViewPanel::BuildDialog(TForm& dialog) {
    Binding()->SetConstraintOwner(&dialog);
    // Results and errors of the dialog's write go to this page's result area.
    auto* panel = new TSNMPPanel(&dialog, MsgPanel(), Binding());
    TCtrlBtnPanel* column = panel->ButtonPanel();
    column->setCheckedButton->SetTag(1); // a write closes the dialog
    column->setCheckedButton->OnClick = [this, column] {
        SetCheckedAction(column->setCheckedButton);
    };
    // The page's check-box actions, with the dialog's Set Checked following the checked rows.
    column->checkAllButton->OnClick = [this, column] {
        CheckAllAction();
        column->setCheckedButton->SetEnabled(EditsPanel()->CountCheckedRows() >= 1);
    };
    column->clearChecksButton->OnClick = [this, column] {
        ClearChecksAction();
        column->setCheckedButton->SetEnabled(EditsPanel()->CountCheckedRows() >= 1);
    };
    return panel;
}

void TSNMPListViewPanel::EndDialog() {
    TEditsPanel* edits = EditsPanel();
    edits->Hide();
    edits->SetAlign(alNone);
    edits->SetParent(ClientPanel());
    edits->SetButtonColumn(ButtonPanel());
}

void TSNMPListViewPanel::AddAction(TControl* sender) {
    if (beforeAdd) {
        beforeAdd(sender);
    }
    QxSNMPRequest2Edits* binding = Binding();
    TEditsPanel* edits = EditsPanel();
    if (binding == nullptr) {
        return;
    }
    {
        TForm dialog(Form() != nullptr ? static_cast<QWidget*>(Form()) : this);
        dialog.SetCaption(PageCaption() + " (Add)");
        TSNMPPanel* panel = BuildDialog(dialog);
        // The edits panel goes back to the page before the dialog is freed, whatever happens.
        ScopeExit giveBack([this] { EndDialog(); });

        // The index of the new row is always given: its rows are written, and cannot be left
        // out.
        const int indexRows = std::min(binding->request.vars.indexCount, edits->RowCount());
        for (int i = 0; i < indexRows; ++i) {
            edits->MakeRowEditable(i);
            edits->ShowRow(i);
            edits->CheckRow(i);
            edits->Row(i).checkBox->SetEnabled(false);
            edits->Row(i).ValueControl()->SetEnabled(true);
        }
        // The row is created by writing the add-status label, which the user cannot change.
        const int status = listViewPanel_->AddStatusColumn();
        if (status >= 0 && status < edits->RowCount()) {
            const EditRow& row = edits->Row(status);
            edits->SetRowText(status, listViewPanel_->AddStatusValue());
            edits->CheckRow(status);
            row.checkBox->SetEnabled(false);
            row.ValueControl()->SetEnabled(false);
        }

        TCtrlBtnPanel* column = panel->ButtonPanel();
        edits->ArrangeCtrlBtn(column);
        column->refreshButton->Hide();
        column->ArrangeButtons();
        edits->ArrangeRows(TEditsPanel::Vertical, true);
        panel->SetContent(edits);
        panel->FitForm(&dialog);

        listViewPanel_->ListView()->ClearSelection();
        ButtonPanel()->editButton->SetEnabled(false);
        ButtonPanel()->deleteButton->SetEnabled(false);
        dialog.ShowModal();
    }
    binding->SetConstraintOwner(Form() != nullptr ? static_cast<QWidget*>(Form())
                                                  : binding->owner.data());
    ListRefreshAction();
    if (afterAdd) {
        afterAdd(sender);
    }
}

void TSNMPListViewPanel::EditAction(TControl* sender) {
    if (beforeEdit) {
        beforeEdit(sender);
    }
    QxSNMPRequest2Edits* binding = Binding();
    TEditsPanel* edits = EditsPanel();
    if (binding == nullptr) {
        return;
    }

    // A read still running would keep changing the variables under the dialog: it stops after
    // the answer in hand (the list is read again when the dialog closes).
    if (!StopRead()) {
        return;
    }

    // The dialog writes the row selected in the list. Without one (a refresh emptied the list
    // meanwhile) the write would have no index and reach no row of the table.
    if (listViewPanel_->ListView()->Selected() == nullptr) {
        return;
    }
    // The edits show, and the write takes, the selected row: a read may have left another
    // row's values in the variables since it was selected.
    binding->CopySelectedRow();
    binding->ShowValues(-1);

    {
        TForm dialog(Form() != nullptr ? static_cast<QWidget*>(Form()) : this);
        dialog.SetCaption(Form() != nullptr ? Form()->Caption() : std::string());
        TSNMPPanel* panel = BuildDialog(dialog);
        TCtrlBtnPanel* column = panel->ButtonPanel();
        column->setCheckedButton->SetEnabled(false);

        // Row-status labels that do not apply to an existing row leave its drop-down list for
        // the dialog; they are put back, each where it stood, before the panel is given back.
        std::vector<RemovedItem> removed;
        ScopeExit giveBack([this, edits, &removed] {
            // Back in reverse order, so that each text returns to the position it had when it
            // was taken out, also when both came out of the same list.
            for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
                if (it->hidRow) {
                    const EditRow& row = edits->Row(it->row);
                    row.ValueControl()->Show();
                    row.label->Show();
                    row.checkBox->SetVisible(it->checkBoxVisible);
                }
                edits->Row(it->row).comboBox->InsertItem(it->position, it->text);
            }
            EndDialog();
        });

        edits->SetCheckDefault(false);
        edits->ArrangeCtrlBtn(column);
        edits->ArrangeRows(TEditsPanel::Vertical, true);
        column->refreshButton->Hide();
        column->ArrangeButtons();
        edits->SetEditWidth(DialogEditWidth, TEditsPanel::Vertical);
        panel->SetContent(edits);
        panel->FitForm(&dialog);

        const std::pair<int, std::string> statuses[] = {
            {listViewPanel_->AddStatusColumn(), listViewPanel_->AddStatusValue()},
            {listViewPanel_->DeleteStatusColumn(), listViewPanel_->DeleteStatusValue()},
        };
        for (const auto& [row, text] : statuses) {
            const int item = StatusItem(*edits, row, text);
            if (item < 0) {
                continue;
            }
            TComboBox* combo = edits->Row(row).comboBox;
            RemovedItem entry{row, item, combo->Item(item), false, false};
            combo->DeleteItem(item);
            if (combo->ItemCount() == 0) {
                // Only the row's controls go out of sight. Marking the variable hidden would
                // move it to another column of the list, and the write would then take the
                // selected row's index from the wrong column.
                const EditRow& hiddenRow = edits->Row(row);
                entry.hidRow = true;
                entry.checkBoxVisible = hiddenRow.checkBox->Visible();
                hiddenRow.ValueControl()->Hide();
                hiddenRow.label->Hide();
                hiddenRow.checkBox->Hide();
            }
            removed.push_back(entry);
        }
        dialog.ShowModal();
    }
    binding->SetConstraintOwner(Form() != nullptr ? static_cast<QWidget*>(Form())
                                                  : binding->owner.data());
    ListRefreshAction();
    if (afterEdit) {
        afterEdit(sender);
    }
}

bool TSNMPListViewPanel::StopRead() {
    QxSNMPRequest2Edits* binding = Binding();
    if (binding == nullptr || binding->Closing()) {
        return false;
    }
    if (!binding->busy) {
        binding->request.active = true;
        return true;
    }
    QPointer<TSNMPListViewPanel> self(this);
    const bool idle = binding->StopAndWait();
    if (self == nullptr || binding->Closing()) {
        return false;
    }
    binding->request.active = true;
    if (!idle) {
        binding->lastOperation = QxSNMPRequest2Controls::OperationGet;
        binding->Report("The read in progress did not end; try again");
    }
    return idle;
}

void TSNMPListViewPanel::DeleteAction() {
    QxSNMPRequest2Edits* binding = Binding();
    const int status = listViewPanel_->DeleteStatusColumn();
    // Without a selected row the write would carry no index and reach no row of the table.
    if (binding == nullptr || status < 0 || status >= binding->request.vars.Count() ||
        listViewPanel_->ListView()->Selected() == nullptr) {
        return;
    }
    QPointer<TSNMPListViewPanel> self(this);
    if (MessageBox("Are you sure to delete ?", "Delete", mbYesNo, miQuestion, this) != mrYes) {
        return;
    }
    // The answer in hand of a running read would overwrite the row prepared below, and its
    // rows would mix with those of the read after the delete: the read ends first.
    if (self == nullptr || !StopRead()) {
        return;
    }
    if (listViewPanel_->ListView()->Selected() == nullptr) {
        binding->lastOperation = QxSNMPRequest2Controls::OperationSet;
        binding->Report("The selected row is no longer in the list; nothing was deleted");
        return;
    }

    {
        // The write runs to its end before the list is read again; the read then runs in the
        // page's own mode.
        const std::uint8_t savedMode = binding->mode;
        ScopeExit restoreMode([binding, savedMode] { binding->mode = savedMode; });
        binding->mode = QxSNMPRequest2Controls::Synchronous;

        // The row comes from the list as the user sees it selected. It is copied before any
        // variable is left out: a variable left out moves to another column of the list, and
        // copying afterwards would take the index from the wrong column.
        QxSNMPVarList& vars = binding->request.vars;
        for (int i = 0; i < vars.Count(); ++i) {
            vars.Entry(i).value.clear();
        }
        binding->CopySelectedRow();
        vars.Entry(status).value = listViewPanel_->DeleteStatusValue();

        // Only the index and the delete-status value are written.
        std::vector<int> marked;
        for (int i = vars.indexCount; i < vars.Count(); ++i) {
            if (i != status && (vars.Entry(i).access & acInvalid) == 0) {
                vars.Entry(i).access |= acInvalid;
                marked.push_back(i);
            }
        }
        ScopeExit unmark([&vars, &marked] {
            for (int i : marked) {
                vars.Entry(i).access &= ~static_cast<std::uint32_t>(acInvalid);
            }
        });
        try {
            binding->Set(false, false, {}, {});
        } catch (const std::exception& e) {
            binding->Report(e.what());
        }
    }
    ListRefreshAction();
}
