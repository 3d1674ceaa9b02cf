#include "forms/config/routing/TRouteRedistributForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/RoutingFormKit.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TPanel.h"
#include "vocab/QxOptionTables.h"

#include <exception>

using namespace RoutingFormKit;

namespace {

// The route redistribution table; a row is named by its source and destination protocol.
constexpr UISnmpVar RedistributionVars[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.5.1.1", "Source Protocol", sxInteger, acNotaccess,
     &OL_2rip_3ospf_4static_5local},
    {"1.3.6.1.4.1.32473.11.69.3.3.5.1.2", "Destination Protocol", sxInteger, acNotaccess,
     &OL_2rip_3ospf},
    {"1.3.6.1.4.1.32473.11.69.3.3.5.1.3", "Type", sxInteger, acReadwrite,
     &OL_2all_3type1_4type2_x9},
    {"1.3.6.1.4.1.32473.11.69.3.3.5.1.4", "Metric", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.5.1.5", "RowStatus", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Radio button N stands for the Type value N; "other" (1) has no entry in the Type list.
constexpr const char* TypeCaptions[TRouteRedistributForm::TypeCount] = {
    "other",    "all",      "type-1",   "type-2",   "internal",
    "external", "inter-E1", "inter-E2", "extType1", "extType2",
};

constexpr const char* RipRange = "[0..16]";
constexpr const char* OspfRange = "[0..16777214]";

} // namespace

TRouteRedistributForm::TRouteRedistributForm(QWidget* owner) : TForm(owner) {
    SetName("RouteRedistributForm");
    SetCaption("Route Redistribution Table: " + DeviceAddress());
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(572);
    SetClientHeight(380);
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

TRouteRedistributForm::~TRouteRedistributForm() {
    Release();
}

void TRouteRedistributForm::BuildControls() {
    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetBounds(8, 8, 460, 150);

    MakeLabel(this, "Source Protocol", 8, 166);
    ComboBox1 = MakeCombo(this, "ComboBox1", 8, 182, 120);
    MakeLabel(this, "Destination Protocol", 136, 166);
    ComboBox2 = MakeCombo(this, "ComboBox2", 136, 182, 120);
    MakeLabel(this, "Metric", 264, 166);
    Edit1 = MakeEdit(this, "Edit1", 264, 182, 100);
    Label5 = MakeLabel(this, OspfRange, 370, 185);
    Label5->SetName("Label5");

    ComboBox3 = MakeCombo(this, "ComboBox3", 0, 0, 100);
    ComboBox3->Hide();
    StComboBox = MakeCombo(this, "StComboBox", 0, 0, 100);
    StComboBox->Hide();

    TypeGroup = new TGroupBox(this);
    TypeGroup->SetName("TypeGroup");
    TypeGroup->SetCaption("Type");
    TypeGroup->SetBounds(8, 210, 460, 78);
    for (int i = 0; i < TypeCount; ++i) {
        auto* radio = new TRadioButton(TypeGroup);
        radio->SetName("RadioButton" + std::to_string(i + 1));
        radio->SetCaption(TypeCaptions[i]);
        radio->SetBounds(10 + (i % 5) * 90, 20 + (i / 5) * 26, 86, 17);
        radio->OnClick = [this, i] { TypeChosen(i + 1); };
        TypeRadio[static_cast<size_t>(i)] = radio;
    }

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);
    Memo1->SetBounds(8, 296, 556, 76);

    RefreshBtn = MakeButton(this, "RefreshBtn", "Refresh", 484, 8);
    EditBtn = MakeButton(this, "EditBtn", "Set", 484, 40);
    AddBtn = MakeButton(this, "AddBtn", "Add", 484, 72);
    DeleteBtn = MakeButton(this, "DeleteBtn", "Delete", 484, 104);
    DeleteBtn->SetEnabled(false);
    CloseBtn = MakeButton(this, "CloseBtn", "Close", 484, 136);

    RefreshBtn->OnClick = [this] { RefreshBtnClick(); };
    EditBtn->OnClick = [this] { EditBtnClick(); };
    AddBtn->OnClick = [this] { AddBtnClick(); };
    DeleteBtn->OnClick = [this] { DeleteBtnClick(); };
    CloseBtn->OnClick = [this] { Close(); };
    // The binding calls these after its own handling of the protocol choices.
    ComboBox1->OnChange = [this] { ApplyProtocolRule(); };
    ComboBox2->OnChange = [this] { ApplyProtocolRule(); };
}

void TRouteRedistributForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(RedistributionVars, MVT_UMV, 2));
    binding_->AttachListView(ListView1, false);
    binding_->BindComboBox(VarSource, ComboBox1);
    binding_->BindComboBox(VarDestination, ComboBox2);
    binding_->BindComboBox(VarType, ComboBox3);
    binding_->BindEdit(VarMetric, "%i{n0x16777214l8a}", {Edit1});
    binding_->BindComboBox(VarStatus, StComboBox);
    binding_->SetReportTarget(Memo1);
    // The row goes into the fields first (the binding's handler), then the radio buttons and
    // the protocol rule follow it.
    auto showRow = ListView1->OnSelectItem;
    ListView1->OnSelectItem = [this, showRow](TListItem* item, bool selected) {
        if (showRow) {
            showRow(item, selected);
        }
        RowSelected(item, selected);
    };
}

void TRouteRedistributForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

void TRouteRedistributForm::RefreshBtnClick() {
    if (binding_ == nullptr) {
        return;
    }
    // A walk still running refreshes the list already.
    if (binding_->busy) {
        return;
    }
    DeleteBtn->SetEnabled(false);
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}

void TRouteRedistributForm::RowSelected(TListItem*, bool selected) {
    DeleteBtn->SetEnabled(ListView1->Selected() != nullptr);
    if (!selected || binding_ == nullptr) {
        return;
    }
    const QxSNMPVar& type = binding_->request.vars.Entry(VarType);
    long value = 0;
    const bool known = ParseWholeNumber(type.options->ValueOf(type.value), value) && value >= 1 &&
                       value <= TypeCount;
    for (int i = 0; i < TypeCount; ++i) {
        TypeRadio[static_cast<size_t>(i)]->SetChecked(known && i + 1 == value);
    }
    ApplyProtocolRule();
}

void TRouteRedistributForm::ApplyProtocolRule() {
    const std::string source = ComboBox1->Text();
    const std::string destination = ComboBox2->Text();
    auto enableOnly = [this](std::initializer_list<int> types) {
        for (int i = 0; i < TypeCount; ++i) {
            bool on = false;
            for (int t : types) {
                on = on || t == i + 1;
            }
            TypeRadio[static_cast<size_t>(i)]->SetEnabled(on);
        }
    };
    if (destination == "rip" && source == "ospf") {
        Label5->SetCaption(RipRange);
        enableOnly({1, 2, 5, 6, 7, 8, 9, 10});
    } else if (destination == "rip" && (source == "static" || source == "local")) {
        Label5->SetCaption(RipRange);
        enableOnly({2});
    } else if (destination == "ospf") {
        Label5->SetCaption(OspfRange);
        enableOnly({3, 4});
    }
}

void TRouteRedistributForm::TypeChosen(int type) {
    if (binding_ == nullptr) {
        return;
    }
    if (type == 1) {
        ComboBox3->SetItemIndex(-1);
        return;
    }
    const QxOptionList* types = binding_->request.vars.Entry(VarType).options;
    ComboBox3->SetText(types->LabelOf(std::to_string(type)));
}

bool TRouteRedistributForm::MetricBounds(const std::string& destination, long& low, long& high) {
    low = 0;
    if (destination == "rip") {
        high = 16;
        return true;
    }
    if (destination == "ospf") {
        high = 16777214;
        return true;
    }
    return false;
}

std::string TRouteRedistributForm::MetricProblem(const std::string& destination,
                                                 const std::string& metric,
                                                 const std::string& rangeShown) {
    long value = 0;
    const bool number = ParseWholeNumber(metric, value);
    long low = 0;
    long high = 0;
    if (MetricBounds(destination, low, high)) {
        if (!number || value < low || value > high) {
            return "Metric out of Bound [" + std::to_string(low) + ".." + std::to_string(high) +
                   "]";
        }
        return {};
    }
    // Without a destination no range applies; a text that is no number is still refused,
    // since it would be written as 0.
    return number ? std::string() : "Metric out of Bound " + rangeShown;
}

void TRouteRedistributForm::WriteRow(const std::string& status) {
    if (binding_ == nullptr) {
        return;
    }
    // Without both protocols the row has no index, and no metric range applies.
    if (ComboBox1->Text().empty() || ComboBox2->Text().empty()) {
        ShowMessage("Please choose the source and the destination protocol!", this);
        return;
    }
    if (Edit1->Text().empty()) {
        if (Edit1->Enabled()) {
            Edit1->SetFocus();
        }
        return;
    }
    // The type written is the one the chosen radio button stands for; a button the protocol
    // rule greyed out names a type these protocols do not take.
    int chosen = -1;
    for (int i = 0; i < TypeCount; ++i) {
        if (TypeRadio[static_cast<size_t>(i)]->Checked()) {
            chosen = i;
        }
    }
    if (chosen < 0 || !TypeRadio[static_cast<size_t>(chosen)]->Enabled()) {
        ShowMessage(chosen < 0 ? std::string("Please choose a Type!")
                               : std::string("The Type ") + TypeCaptions[chosen] +
                                     " does not apply to these protocols; please choose "
                                     "another Type!",
                    this);
        return;
    }
    const std::string problem = MetricProblem(ComboBox2->Text(), Edit1->Text(), Label5->Caption());
    if (!problem.empty()) {
        ShowMessage(problem, this);
        Edit1->SetFocus();
        return;
    }
    StopReading(*binding_);
    StComboBox->SetText(status);
    // "other" (Type 1) has no entry in the Type list, so the hidden Type choice stays empty and
    // would be written as 0; the value the radio button stands for is written instead.
    std::string positions;
    QxSNMPRequest::ValueSource values;
    if (TypeRadio[0]->Checked()) {
        positions = "0,1,2,3,4";
        values = [this](int position) {
            return position == VarType ? std::string("1")
                                       : binding_->request.vars.Entry(position).value;
        };
    }
    try {
        binding_->Set(true, true, positions, values);
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}

void TRouteRedistributForm::EditBtnClick() {
    WriteRow("active");
}

void TRouteRedistributForm::AddBtnClick() {
    WriteRow("createAndGo");
}

void TRouteRedistributForm::DeleteBtnClick() {
    if (binding_ == nullptr) {
        return;
    }
    StopReading(*binding_);
    if (ListView1->Selected() == nullptr) {
        DeleteBtn->SetEnabled(false);
        return;
    }
    // The row removed is the one selected in the list, whatever the protocol fields were
    // changed to since: only its index and the row status are written.
    QxSNMPVarList& vars = binding_->request.vars;
    for (int i = 0; i < vars.Count(); ++i) {
        vars.Entry(i).value.clear();
    }
    binding_->CopySelectedRow();
    vars.Entry(VarStatus).value = "destroy";
    StComboBox->SetText("destroy");
    try {
        binding_->Set(true, false, std::to_string(VarStatus));
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}
