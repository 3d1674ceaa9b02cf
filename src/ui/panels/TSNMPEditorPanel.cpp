#include "ui/panels/TSNMPEditorPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMessageBox.h"

#include <QPointer>

#include <cstdint>
#include <exception>
#include <stdexcept>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, QxSNMPRequest2Edits* binding)
    : TSNMPPanel(owner, nullptr, binding) {
    editsPanel_ = new TEditsPanel(ClientPanel(), binding);
    TCtrlBtnPanel* buttons = ButtonPanel();
    buttons->setCheckedButton->OnClick = [this, buttons] {
        SetCheckedAction(buttons->setCheckedButton);
    };
    buttons->setCheckedButton->SetEnabled(false);
    buttons->checkAllButton->OnClick = [this] { CheckAllAction(); };
    buttons->clearChecksButton->OnClick = [this] { ClearChecksAction(); };
    editsPanel_->ArrangeCtrlBtn(buttons);
    SetContent(editsPanel_);
    // A page whose read-only value came longer than its field grows to show it; the edits of a
    // list page live in its dialogs, which are arranged when they open.
    editsPanel_->OnValuesWiden = [this] {
        if (Content() == editsPanel_) {
            SetEditorWidth(editsPanel_->EditWidth());
        }
    };
}

void TSNMPEditorPanel::SetEditorWidth(int width) {
    editsPanel_->SetEditWidth(width, TEditsPanel::Vertical);
    SetContent(editsPanel_);
    if (Form() != nullptr) {
        FitForm(Form());
    }
}

void TSNMPEditorPanel::SetVarFormat(int aIdx, const std::string& format) {
    const EditRow& row = editsPanel_->Row(aIdx);
    // The kind is checked before the controls are detached, so that a refused change leaves
    // the row showing and editing its variable as before.
    if (row.kind == EditableChoice) {
        throw std::logic_error("Can not set Var format to a ComboBox!");
    }
    if (row.kind != ReadOnlyText && row.kind != EditableText) {
        throw std::logic_error("Unknow UI Control type!");
    }
    QxSNMPRequest2Edits* binding = Binding();
    const std::string previous = row.format;
    binding->UnbindControls(aIdx);
    try {
        binding->BindEdit(aIdx, format, {row.edit});
    } catch (...) {
        // A format the constraint language refuses: the edit keeps the format it had.
        binding->UnbindControls(aIdx);
        binding->BindEdit(aIdx, previous, {row.edit});
        throw;
    }
    // Later bindings of the edit (after the bit dialog) use the new format too.
    editsPanel_->SetRowFormat(aIdx, format);
}

void TSNMPEditorPanel::SetCheckedAction(TControl* sender) {
    QxSNMPRequest2Edits* binding = Binding();
    if (binding == nullptr) {
        return;
    }
    // The checked rows of settable variables are the positions written; every other variable
    // stays out of the write. A checked row without a value stops the write altogether.
    std::string positions;
    bool itemEmpty = false;
    for (int i = 0; i < editsPanel_->RowCount(); ++i) {
        if (!editsPanel_->Row(i).checkBox->Checked() || !binding->request.vars.IsSettable(i)) {
            continue;
        }
        if (editsPanel_->IsRowEmpty(i)) {
            itemEmpty = true;
        }
        positions += (positions.empty() ? "" : ",") + std::to_string(i);
    }
    if (itemEmpty) {
        MessageBox("Some items are empty!", "Warning", mbOK, miNone, this);
        return;
    }
    // Nothing checked means nothing to write; an empty position list would write every
    // settable variable instead.
    if (positions.empty()) {
        return;
    }
    if (!confirmSetQuestion.empty()) {
        QPointer<TSNMPEditorPanel> self(this);
        const TModalResult answer =
            MessageBox(confirmSetQuestion, "Confirm", mbYesNo, miQuestion, this);
        if (self == nullptr || answer != mrYes || Binding() == nullptr) {
            return;
        }
        binding = Binding();
    }

    // The write runs to its end before the action goes on, whatever mode the page reads in.
    struct RestoreMode {
        QxSNMPRequest2Edits& binding;
        std::uint8_t mode;
        ~RestoreMode() { binding.mode = mode; }
    } restoreMode{*binding, binding->mode};
    binding->mode = QxSNMPRequest2Controls::Synchronous;
    bool sent = true;
    try {
        sent = binding->Set(false, true, positions);
    } catch (const std::exception& e) {
        // A refused write, or input the binding cannot convert: the result area says why.
        binding->Report(e.what());
    }
    // A value refused before sending keeps the dialog open with what the user typed.
    if (!sent) {
        return;
    }

    // The add and edit dialogs of list pages close after a write, even a refused one: its
    // error stays in the list page's result area.
    if (sender != nullptr && sender->Tag() == 1) {
        if (TForm* form = ParentForm(sender->Widget())) {
            form->Close();
        }
    }
}

void TSNMPEditorPanel::CheckAllAction() {
    for (int i = 0; i < editsPanel_->RowCount(); ++i) {
        if (editsPanel_->Row(i).checkBox->Enabled()) {
            editsPanel_->CheckRow(i);
        }
    }
    if (editsPanel_->CountCheckedRows() >= 1) {
        ButtonPanel()->setCheckedButton->SetEnabled(true);
    }
}

void TSNMPEditorPanel::ClearChecksAction() {
    for (int i = 0; i < editsPanel_->RowCount(); ++i) {
        if (editsPanel_->Row(i).checkBox->Enabled()) {
            editsPanel_->UncheckRow(i);
        }
    }
    if (editsPanel_->CountCheckedRows() == 0) {
        ButtonPanel()->setCheckedButton->SetEnabled(false);
    }
}
