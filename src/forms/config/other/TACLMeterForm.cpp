#include "forms/config/other/TACLMeterForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <exception>

namespace {

// The meter of one rule of one access profile; a row is named by the two IDs.
constexpr UISnmpVar MeterVars[] = {
    {"1.3.6.1.4.1.32473.12.9.6.1.1.1", "ACL Meter Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.2", "ACL Meter Access ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.3", "Meter Rate", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.4", "Meter Action For Rate Exceed", sxInteger, acReadwrite,
     &OL_1other_2droppacket_3setdropprecedence},
    {},
};

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int left, int top) {
    return NewLabel(parent, caption, left, top + 3);
}

TEdit* MakeEdit(QWidget* parent, const char* name, int left, int top) {
    return NewEdit(parent, name, left, top, 160);
}

TButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int top) {
    return NewButton(parent, name, caption, 660, top);
}

} // namespace

TACLMeterForm::TACLMeterForm(QWidget* owner) : TForm(owner) {
    SetName("ACLMeterForm");
    SetCaption(std::string("ACL Meter Table") + ": " + SnmpGlobal().device.address);
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(747);
    SetClientHeight(388);
    BuildControls();
    Bind();
    // The close may come while code of this window waits further down the stack: the binding
    // only stops here, and goes with the window.
    OnClose = [this] {
        if (binding_ != nullptr) {
            binding_->Close();
        }
    };
    RefreshBtnClick();
}

TACLMeterForm::~TACLMeterForm() {
    Release();
}

void TACLMeterForm::BuildControls() {
    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetBounds(8, 8, 640, 190);

    constexpr int LeftLabel = 8;
    constexpr int LeftField = 220;
    MakeLabel(this, "ACL Meter Profile ID", LeftLabel, 208);
    ProfileIDEdit = MakeEdit(this, "ProfileIDEdit", LeftField, 208);
    MakeLabel(this, "ACL Meter Access ID", LeftLabel, 236);
    AccessIDEdit = MakeEdit(this, "AccessIDEdit", LeftField, 236);
    MakeLabel(this, "Meter Rate", LeftLabel, 264);
    RateEdit = MakeEdit(this, "RateEdit", LeftField, 264);
    MakeLabel(this, "Meter Action For Rate Exceed", LeftLabel, 292);
    CBox_Active = new TComboBox(this);
    CBox_Active->SetName("CBox_Active");
    CBox_Active->SetBounds(LeftField, 292, 160, 21);

    NoteLabel1 =
        MakeLabel(this, "Note: \"Meter Rate = 0\" means \"to disable ACL Meter\".", 400, 236);
    NoteLabel1->SetName("NoteLabel1");
    NoteLabel2 = MakeLabel(this,
                           " User must set the \" Meter Rate\" and \" Meter Active For Rate "
                           "Exceed\" to active this entry.",
                           8, 324);
    NoteLabel2->SetName("NoteLabel2");

    RefreshBtn = MakeButton(this, "RefreshBtn", "Refresh", 8);
    SetBtn = MakeButton(this, "SetBtn", "Set", 40);
    RefreshBtn->OnClick = [this] { RefreshBtnClick(); };
    SetBtn->OnClick = [this] { SetBtnClick(); };

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetSimplePanel(true);
    StatusBar1->SetAlign(alBottom);
}

void TACLMeterForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(MeterVars, MVT_UMV, 2));
    binding_->mode = QxSNMPRequest2Controls::Synchronous;
    binding_->AttachListView(ListView1, false);
    binding_->BindEdit(VarProfile, "%i{n1x255l3a}", {ProfileIDEdit});
    binding_->BindEdit(VarAccess, "%i{n1x65535l5a}", {AccessIDEdit});
    binding_->BindEdit(VarRate, "%i{n0x999936l6a}", {RateEdit});
    binding_->BindComboBox(VarAction, CBox_Active);
    binding_->SetReportTarget(StatusBar1);
    // The row goes into the fields first (the binding's handler), then the buttons follow.
    auto showRow = ListView1->OnSelectItem;
    ListView1->OnSelectItem = [this, showRow](TListItem* item, bool selected) {
        if (showRow) {
            showRow(item, selected);
        }
        SelectionChanged();
    };
    ListView1->OnClick = [this] { SelectionChanged(); };
}

void TACLMeterForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->request.active = false;
    binding_.reset();
}

void TACLMeterForm::ClearFields() {
    for (TEdit* edit : {ProfileIDEdit, AccessIDEdit, RateEdit}) {
        edit->SetText("");
    }
    CBox_Active->SetItemIndex(-1);
}

void TACLMeterForm::SelectionChanged() {
    const bool row = ListView1->Selected() != nullptr;
    SetBtn->SetEnabled(row);
    // The IDs name the row being edited: they come from the list, not from the user.
    ProfileIDEdit->SetEnabled(!row);
    AccessIDEdit->SetEnabled(!row);
    if (!row) {
        ClearFields();
    }
}

void TACLMeterForm::RefreshBtnClick() {
    if (binding_ == nullptr) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    ClearFields();
    SetBtn->SetEnabled(false);
    ProfileIDEdit->SetEnabled(true);
    AccessIDEdit->SetEnabled(true);
}

std::string TACLMeterForm::WriteProblem(const std::string& rate, const std::string& action) {
    return rate.empty() || action.empty() ? "Some items are empty." : "";
}

void TACLMeterForm::SetBtnClick() {
    if (binding_ == nullptr || ListView1->Selected() == nullptr) {
        SetBtn->SetEnabled(false);
        return;
    }
    const std::string problem = WriteProblem(RateEdit->Text(), CBox_Active->Text());
    if (!problem.empty()) {
        MessageBox(problem, "Warning", mbOK, miWarning, this);
        return;
    }
    try {
        // Nothing sent: a value was refused (the box and the status bar say which), and the
        // row stays in the fields with what the user typed.
        if (!binding_->Set(false, true)) {
            return;
        }
    } catch (const std::exception& e) {
        // The row stays in the fields and the error in the status bar; a read now would
        // replace both, as if the write had gone through.
        binding_->Report(e.what());
        return;
    }
    RefreshBtnClick();
}
