#include "forms/config/other/TEquipmentBasicInfoForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMemo.h"
#include "vocab/QxOptionTables.h"

#include <exception>
#include <string>

namespace {

constexpr UISnmpVar EquipmentVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.1", "Equipment Capacity", sxBitstr, acReadonly,
     &OL_tRedundantPower},
    {"1.3.6.1.4.1.32473.12.11.1.9.1", "Stacking Version", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.2", "Max SupportedUnits", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.3", "Num Of Unit", sxInteger, acReadonly},
    {},
};

TEdit* MakeField(QWidget* parent, const char* name, const std::string& caption, int top) {
    NewLabel(parent, caption, 12, top + 3);
    TEdit* edit = NewEdit(parent, name, 160, top, 200);
    edit->SetReadOnly(true);
    return edit;
}

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner) : TForm(owner) {
    SetName("EquipmentBasicInfoForm");
    SetCaption("Equipment Basic Information :" + SnmpGlobal().device.address);
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(470);
    SetClientHeight(250);
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

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() {
    Release();
}

void TEquipmentBasicInfoForm::BuildControls() {
    Edit1 = MakeField(this, "Edit1", "Equipment Capacity", 12);
    Edit1->SetText("Redundant Power and Stacking");
    Edit4 = MakeField(this, "Edit4", "Stacking Version", 40);
    Edit2 = MakeField(this, "Edit2", "Max Supported Units", 68);
    Edit3 = MakeField(this, "Edit3", "Number Of Unit", 96);

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);
    Memo1->SetBounds(12, 132, 446, 106);

    RefreshBtn = new TButton(this);
    RefreshBtn->SetName("RefreshBtn");
    RefreshBtn->SetCaption("Refresh");
    RefreshBtn->SetBounds(383, 12, 75, 25);
    RefreshBtn->OnClick = [this] { RefreshBtnClick(); };
}

void TEquipmentBasicInfoForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(EquipmentVars, SVT_SV, 0));
    binding_->mode = QxSNMPRequest2Controls::Asynchronous;
    binding_->BindEdit(VarCapacity, "%s", {Edit1});
    binding_->BindEdit(VarStackingVersion, "%i", {Edit4});
    binding_->BindEdit(VarMaxUnits, "%i", {Edit2});
    binding_->BindEdit(VarUnitCount, "%i", {Edit3});
    binding_->SetReportTarget(Memo1);
}

void TEquipmentBasicInfoForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

void TEquipmentBasicInfoForm::RefreshBtnClick() {
    // A read still running shows the values when it ends.
    if (binding_ == nullptr || binding_->busy) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}
