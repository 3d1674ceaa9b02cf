#include "forms/config/services/TfrmACCServerCtrl.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPVarList.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <exception>

namespace {

// The access-control server table: a server is named by its group, its address and its
// protocol; writing "Row State" adds or deletes it.
constexpr UISnmpVar AccServerTable[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Addr", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Auth Protocol", sxInteger, acNotaccess,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", sxInteger, acReadwrite, &OL_1add_2delete},
    {},
};

constexpr const char* EmptyFields = "Don't Leave Empty Fileds !";
constexpr const char* SetFailed = "Set entry failed!";

constexpr int LabelLeft = 16;
constexpr int FieldLeft = 120;
constexpr int FieldWidth = 160;

TEdit* MakeEdit(QWidget* parent, const char* name, const char* caption, int top) {
    NewLabel(parent, caption, LabelLeft, top + 3);
    return NewEdit(parent, name, FieldLeft, top, FieldWidth);
}

TComboBox* MakeCombo(QWidget* parent, const char* name, const char* caption, int top) {
    NewLabel(parent, caption, LabelLeft, top + 3);
    return NewCombo(parent, name, FieldLeft, top, FieldWidth, false);
}

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left) {
    return NewButton(parent, name, caption, left, 146);
}

} // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget* owner) : TForm(owner) {
    SetName("frmACCServerCtrl");
    SetCaption("ACC Server Control Table : " + SnmpGlobal().device.address);
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(302);
    SetClientHeight(212);
    BuildControls();
    Bind();
    ReadTable();
}

TfrmACCServerCtrl::~TfrmACCServerCtrl() = default;

void TfrmACCServerCtrl::BuildControls() {
    edtGroupName = MakeEdit(this, "edtGroupName", "Group Name", 16);
    edtIPAddr = MakeEdit(this, "edtIPAddr", "IP Addr", 48);
    cbAuthProtocol = MakeCombo(this, "cbAuthProtocol", "Auth Protocol", 80);
    cbRowState = MakeCombo(this, "cbRowState", "Row State", 112);

    btnSet = MakeButton(this, "btnSet", "Set", 56);
    btnSet->SetDefault(true);
    btnSet->OnClick = [this] { btnSetClick(); };
    btnClose = MakeButton(this, "btnClose", "Close", 168);
    btnClose->SetCancel(true);
    btnClose->SetModalResult(mrCancel);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetSimplePanel(true);
}

void TfrmACCServerCtrl::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(AccServerTable, MVT_UMV, 3));
    binding_->mode = QxSNMPRequest2Controls::Synchronous;
    binding_->BindEdit(0, "%s{l16}", {edtGroupName});
    binding_->BindEdit(1, "%s{l16}", {edtIPAddr});
    binding_->BindComboBox(2, cbAuthProtocol);
    binding_->BindComboBox(3, cbRowState);
    binding_->SetReportTarget(StatusBar1);
}

void TfrmACCServerCtrl::ReadTable() {
    // The read shows nothing the user needs (the fields are emptied for a new entry), but a
    // device that cannot be read will not take a write either: its error is shown.
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    edtGroupName->SetText("");
    edtIPAddr->SetText("");
    cbAuthProtocol->SetItemIndex(-1);
    cbRowState->SetItemIndex(-1);
}

void TfrmACCServerCtrl::btnSetClick() {
    if (edtGroupName->Text().empty() || edtIPAddr->Text().empty() ||
        cbAuthProtocol->Text().empty() || cbRowState->Text().empty()) {
        StatusBar1->SetSimpleText(EmptyFields);
        return;
    }
    // The status bar then reads "Set: Ok!. Receive at" and the time. Reading the table again
    // would put its last row into the fields and its own line into the status bar.
    try {
        binding_->Set(false);
    } catch (const std::exception& e) {
        // The box says that the write failed, the status bar why.
        binding_->Report(e.what());
        ShowMessage(SetFailed, this);
    }
}
