#include "forms/config/routing/TOSPFDefaultInfoOriginateForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/RoutingFormKit.h"
#include "snmp/QxSNMPError.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <cstdint>
#include <exception>

using namespace RoutingFormKit;

namespace {

std::string FieldText(const TControl* field) {
    if (const auto* combo = dynamic_cast<const TComboBox*>(field)) {
        return combo->Text();
    }
    if (const auto* edit = dynamic_cast<const TEdit*>(field)) {
        return edit->Text();
    }
    return {};
}

constexpr UISnmpVar DefaultOriginateVars[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.12.1", "State", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.12.2", "Always", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.12.3", "Mettype", sxInteger, acReadwrite, &OL_1type1_2type2},
    {"1.3.6.1.4.1.32473.11.69.3.3.12.4", "Metric", sxInteger, acReadwrite},
    {},
};

} // namespace

TOSPFDefaultInfoOriginateForm::TOSPFDefaultInfoOriginateForm(QWidget* owner) : TForm(owner) {
    SetName("OSPFDefaultInfoOriginateForm");
    SetCaption(std::string("OSPF Default Information Originate") + ": " + DeviceAddress());
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(401);
    SetClientHeight(218);
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

TOSPFDefaultInfoOriginateForm::~TOSPFDefaultInfoOriginateForm() {
    Release();
}

void TOSPFDefaultInfoOriginateForm::BuildControls() {
    auto tick = [this](const char* name, int top) {
        auto* box = new TCheckBox(this);
        box->SetName(name);
        box->SetBounds(12, top + 2, 17, 17);
        return box;
    };
    CheckBox1 = tick("CheckBox1", 16);
    MakeLabel(this, "State", 36, 19);
    CBoxState = MakeCombo(this, "CBoxState", 120, 16, 150);
    CheckBox2 = tick("CheckBox2", 52);
    MakeLabel(this, "Always", 36, 55);
    CBoxAlways = MakeCombo(this, "CBoxAlways", 120, 52, 150);
    CheckBox3 = tick("CheckBox3", 88);
    MakeLabel(this, "Mettype", 36, 91);
    CBoxMettype = MakeCombo(this, "CBoxMettype", 120, 88, 150);
    CheckBox4 = tick("CheckBox4", 124);
    MakeLabel(this, "Metric", 36, 127);
    MetricEdit = MakeEdit(this, "MetricEdit", 120, 124, 150);

    SetBtn = MakeButton(this, "SetBtn", "Set", 300, 16);
    CloseBtn = MakeButton(this, "CloseBtn", "Close", 300, 52);
    RefreshBtn = MakeButton(this, "RefreshBtn", "Refresh", 300, 88);
    SetBtn->OnClick = [this] { SetBtnClick(); };
    CloseBtn->OnClick = [this] { Close(); };
    RefreshBtn->OnClick = [this] { RefreshBtnClick(); };

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetSimplePanel(true);
    StatusBar1->SetAlign(alBottom);

    // The binding calls this after its own handling of the choice.
    CBoxState->OnChange = [this] { ApplyState(); };
}

void TOSPFDefaultInfoOriginateForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(DefaultOriginateVars, SVT_SV, 0));
    binding_->mode = QxSNMPRequest2Controls::Asynchronous;
    binding_->BindComboBox(VarState, CBoxState);
    binding_->BindComboBox(VarAlways, CBoxAlways);
    binding_->BindComboBox(VarMettype, CBoxMettype);
    binding_->BindEdit(VarMetric, "%i{n0x16777214l8}", {MetricEdit});
    binding_->SetReportTarget(StatusBar1);
    binding_->onSetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        SetDone(result);
    };
    binding_->onGetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        if (result.code != 0) {
            return;
        }
        const auto fields = Fields();
        for (int i = 0; i < VarCount; ++i) {
            read_[static_cast<size_t>(i)] = FieldText(fields[static_cast<size_t>(i)]);
        }
    };
}

std::array<TControl*, TOSPFDefaultInfoOriginateForm::VarCount>
TOSPFDefaultInfoOriginateForm::Fields() const {
    return {CBoxState, CBoxAlways, CBoxMettype, MetricEdit};
}

void TOSPFDefaultInfoOriginateForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

void TOSPFDefaultInfoOriginateForm::EnableFields(bool enabled) {
    for (TCheckBox* box : {CheckBox2, CheckBox3, CheckBox4}) {
        box->SetEnabled(enabled);
    }
    CBoxAlways->SetEnabled(enabled);
    CBoxMettype->SetEnabled(enabled);
    MetricEdit->SetEnabled(enabled);
}

void TOSPFDefaultInfoOriginateForm::ApplyState() {
    EnableFields(CBoxState->Text() != "disabled");
}

void TOSPFDefaultInfoOriginateForm::RefreshBtnClick() {
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) {
        box->SetChecked(false);
    }
    // A read or write still running: its answer (or the read after it) shows the values.
    if (binding_ == nullptr || binding_->busy) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationGet;
        binding_->Report(e.what());
    }
}

void TOSPFDefaultInfoOriginateForm::SetBtnClick() {
    if (binding_ == nullptr) {
        return;
    }
    QxSNMPVarList& vars = binding_->request.vars;
    std::uint32_t saved[VarCount];
    for (int i = 0; i < VarCount; ++i) {
        saved[i] = vars.Entry(i).access;
    }
    if (binding_->busy) {
        ShowMessage("Get data not completed, please wait", this);
        return;
    }
    if (CheckBox4->Checked() && MetricEdit->Text().empty()) {
        ShowMessage("you have choosed the Metric,it can't be empty", this);
        if (MetricEdit->Enabled()) {
            MetricEdit->SetFocus();
        }
        return;
    }
    const TCheckBox* ticks[VarCount] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
    const auto fields = Fields();
    // A field changed since the read but not ticked would silently keep the device's value.
    std::string untickedChanges;
    for (int i = 0; i < VarCount; ++i) {
        const TControl* field = fields[static_cast<size_t>(i)];
        if (!ticks[i]->Checked() && field->Enabled() &&
            FieldText(field) != read_[static_cast<size_t>(i)]) {
            untickedChanges += (untickedChanges.empty() ? "" : ", ") + vars.Entry(i).label;
        }
    }
    if (!untickedChanges.empty()) {
        MessageBox("Changed but not ticked: " + untickedChanges +
                       ".\nTick what is to be written, or Refresh to drop the change. Nothing "
                       "was written.",
                   Caption(), mbOK, miWarning, this);
        return;
    }
    // Greyed-out fields do not count while origination is disabled, ticked or not.
    for (int i = 0; i < VarCount; ++i) {
        if (!ticks[i]->Checked() || !fields[static_cast<size_t>(i)]->Enabled()) {
            vars.Entry(i).access |= acInvalid;
        }
    }
    SetBtn->SetEnabled(false);
    // The request has built the message by the time Set returns, so the access codes go back
    // at once, whether the write was sent, refused before sending, or not sent at all.
    bool sent = false;
    try {
        binding_->Set(false, true);
        sent = binding_->busy;
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    for (int i = 0; i < VarCount; ++i) {
        vars.Entry(i).access = saved[i];
    }
    if (!sent) {
        ApplyState();
        SetBtn->SetEnabled(true);
    }
}

void TOSPFDefaultInfoOriginateForm::SetDone(const QxSNMPError& result) {
    ApplyState();
    SetBtn->SetEnabled(true);
    if (result.code == 0) {
        RefreshBtnClick();
    }
}
