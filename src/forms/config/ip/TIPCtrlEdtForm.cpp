#include "forms/config/ip/TIPCtrlEdtForm.h"

#include "forms/FormControls.h"
#include "forms/config/ip/QxIpInterfaceChecks.h"
#include "forms/config/ip/TIpCtrlForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "vocab/QxOptionTables.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int LabelLeft = 24;
constexpr int FieldLeft = 160;
constexpr int FieldWidth = 200;
constexpr int FirstTop = 20;
constexpr int RowHeight = 32;

TEdit* MakeEdit(QWidget* parent, const char* name, const char* caption, int row) {
    NewLabel(parent, caption, LabelLeft, FirstTop + row * RowHeight + 3);
    return NewEdit(parent, name, FieldLeft, FirstTop + row * RowHeight, FieldWidth);
}

TComboBox* MakeCombo(QWidget* parent, const char* name, const char* caption, int row) {
    NewLabel(parent, caption, LabelLeft, FirstTop + row * RowHeight + 3);
    return NewCombo(parent, name, FieldLeft, FirstTop + row * RowHeight, FieldWidth, true);
}

std::string Chosen(const TComboBox* combo) {
    return combo->ItemIndex() >= 0 ? combo->Item(combo->ItemIndex()) : std::string();
}

} // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(TIpCtrlForm* listForm) : TForm(listForm), listForm_(listForm) {
    SetName("IPCtrlEdtForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poOwnerFormCenter);
    SetWidth(400);
    SetHeight(436);
    BuildControls();
    OnShow = [this] { SetUpForMode(); };
}

TIPCtrlEdtForm::~TIPCtrlEdtForm() = default;

void TIPCtrlEdtForm::BuildControls() {
    edtIPAddr = MakeEdit(this, "edtIPAddr", "IP Address", 0);
    edtIndex = MakeEdit(this, "edtIndex", "IF Index", 1);
    edtInterface = MakeEdit(this, "edtInterface", "Interface Name", 2);
    edtMask = MakeEdit(this, "edtMask", "Subnet Mask", 3);
    edtVlan = MakeEdit(this, "edtVlan", "VLAN Name", 4);
    cbxMode = MakeCombo(this, "cbxMode", "Mode", 5);
    cbxSecondary = MakeCombo(this, "cbxSecondary", "Secondary", 6);
    cbxOper = MakeCombo(this, "cbxOper", "Oper State", 7);
    cbxState = MakeCombo(this, "cbxState", "State", 8);
    cbxARP = MakeCombo(this, "cbxARP", "Proxy ARP State", 9);

    btnSet = new TButton(this);
    btnSet->SetName("btnSet");
    btnSet->SetCaption("Add");
    btnSet->SetBounds(100, 360, 75, 25);
    btnSet->SetDefault(true);
    btnSet->OnClick = [this] { btnSetClick(); };

    btnClose = new TButton(this);
    btnClose->SetName("btnClose");
    btnClose->SetCaption("Close");
    btnClose->SetBounds(225, 360, 75, 25);
    btnClose->SetCancel(true);
    btnClose->SetModalResult(mrCancel);
}

void TIPCtrlEdtForm::ChooseState(const std::string& label) {
    OL_1active_2notInService_4createAndGo_6destroy.FillItems(*cbxState);
    cbxState->SetText(label);
}

// Runs each time the window is shown, not each time it is activated: it is activated again
// after every check's message box, and must keep what the user typed.
void TIPCtrlEdtForm::SetUpForMode() {
    const bool adding = mode_ == ModeAdd;
    if (adding) {
        for (TEdit* edit : {edtIPAddr, edtIndex, edtInterface, edtMask, edtVlan}) {
            edit->SetText("");
        }
        ChooseState("createAndGo");
    } else {
        // An existing row is only switched on or off; the row keeps its state when it is one
        // of the two.
        const std::string state = Chosen(cbxState);
        OL_1active_2notInService.FillItems(*cbxState);
        cbxState->SetText(state);
    }
    for (TControl* control : std::initializer_list<TControl*>{edtIPAddr, edtInterface, edtMask,
                                                              edtVlan, cbxOper, cbxSecondary}) {
        control->SetEnabled(adding);
    }
    // The device numbers its interfaces itself: the IF index is shown, never written.
    edtIndex->SetEnabled(false);
    cbxState->SetEnabled(!adding);
    btnSet->SetCaption(adding ? "Add" : "Edit");
}

void TIPCtrlEdtForm::btnSetClick() {
    if (mode_ == ModeAdd) {
        AddInterface();
    } else {
        EditInterface();
    }
}

void TIPCtrlEdtForm::AddInterface() {
    // The checks compare with every interface of the device, so the list must hold them all.
    if (!listForm_->ReadyForChecks(this)) {
        return;
    }
    QxIpInterfaceChecks::NewInterface added;
    added.address = edtIPAddr->Text();
    added.mask = edtMask->Text();
    added.ifIndex = edtIndex->Text();
    added.name = edtInterface->Text();
    added.vlan = edtVlan->Text();
    added.secondary = Chosen(cbxSecondary);
    added.modeChosen = cbxMode->ItemIndex() >= 0;
    added.operChosen = cbxOper->ItemIndex() >= 0;
    const std::string refused = QxIpInterfaceChecks::CheckAdd(added, listForm_->Rows());
    if (!refused.empty()) {
        ShowMessage(refused, this);
        return;
    }
    // A proxy ARP state nobody chose is left to the device's default rather than sent as 0,
    // which the device would refuse, and the whole new row with it.
    std::vector<int> excluded;
    if (cbxARP->ItemIndex() < 0) {
        excluded.push_back(TIpCtrlForm::VarArp);
    }
    ChooseState("createAndGo");
    // A refused value keeps the window open with what was typed.
    if (listForm_->WriteRow(excluded)) {
        SetModalResult(mrOk);
    }
}

void TIPCtrlEdtForm::EditInterface() {
    const std::string refused =
        QxIpInterfaceChecks::CheckEdit(cbxMode->ItemIndex() >= 0, cbxOper->ItemIndex() >= 0);
    if (!refused.empty()) {
        ShowMessage(refused, this);
        return;
    }
    // The write carries the address (as the row's index), the mode, the row status and the
    // proxy ARP state; a list left without a choice is not sent as 0 but left as it is.
    std::vector<int> excluded = {TIpCtrlForm::VarIfIndex, TIpCtrlForm::VarName,
                                 TIpCtrlForm::VarMask, TIpCtrlForm::VarVlan,
                                 TIpCtrlForm::VarSecondary};
    if (cbxState->ItemIndex() < 0) {
        excluded.push_back(TIpCtrlForm::VarState);
    }
    if (cbxARP->ItemIndex() < 0) {
        excluded.push_back(TIpCtrlForm::VarArp);
    }
    // The System interface is the one the module itself reaches the switch through: taking it
    // out of service, or handing its address to DHCP, may cut the management connection.
    if (edtInterface->Text() == QxIpInterfaceChecks::SystemName &&
        (Chosen(cbxState) == "notInService" || Chosen(cbxMode) == "dhcp") &&
        MessageBox(QxIpInterfaceChecks::SystemQuestion, Caption(), mbYesNo, miQuestion, this) !=
            mrYes) {
        return;
    }
    if (listForm_->WriteRow(excluded)) {
        SetModalResult(mrOk);
    }
}
