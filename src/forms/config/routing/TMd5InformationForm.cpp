#include "forms/config/routing/TMd5InformationForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/RoutingFormKit.h"
#include "forms/config/routing/TMd5EditForm.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TMessageBox.h"
#include "vocab/QxOptionTables.h"

#include <exception>

using namespace RoutingFormKit;

namespace {

constexpr UISnmpVar Md5KeyVars[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.4.1.1", "Key ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.4.1.2", "Key", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.4.1.3", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

} // namespace

TMd5InformationForm::TMd5InformationForm(QWidget* owner) : TForm(owner) {
    SetName("Md5InformationForm");
    SetCaption("MD5 Information Table: " + DeviceAddress());
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(558);
    SetClientHeight(294);
    BuildControls();
    editForm_ = std::make_unique<TMd5EditForm>(this);
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

TMd5InformationForm::~TMd5InformationForm() {
    Release();
}

void TMd5InformationForm::BuildControls() {
    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetBounds(8, 8, 450, 190);
    ListView1->OnDblClick = [this] {
        if (ListView1->Selected() != nullptr) {
            EditBtnClick();
        }
    };

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);
    Memo1->SetBounds(8, 206, 542, 80);

    RefreshBtn = MakeButton(this, "RefreshBtn", "Refresh", 472, 8);
    EditBtn = MakeButton(this, "EditBtn", "Edit", 472, 40);
    EditBtn->SetEnabled(false);
    DeleteBtn = MakeButton(this, "DeleteBtn", "Delete", 472, 72);
    AddBtn = MakeButton(this, "AddBtn", "Add", 472, 104);
    RefreshBtn->OnClick = [this] { RefreshBtnClick(); };
    EditBtn->OnClick = [this] { EditBtnClick(); };
    DeleteBtn->OnClick = [this] { DeleteBtnClick(); };
    AddBtn->OnClick = [this] { AddBtnClick(); };
}

void TMd5InformationForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(Md5KeyVars, MVT_UMV, 1));
    binding_->AttachListView(ListView1, false);
    binding_->BindEdit(VarKeyId, "%i{n1x255}", {editForm_->KeyIDEdit});
    binding_->BindEdit(VarKey, "%s{l16}", {editForm_->KeyEdit});
    binding_->BindComboBox(VarStatus, editForm_->ComboBox1);
    binding_->SetReportTarget(Memo1);
    editForm_->Attach(binding_.get(), ListView1);
    auto showRow = ListView1->OnSelectItem;
    ListView1->OnSelectItem = [this, showRow](TListItem* item, bool selected) {
        if (showRow) {
            showRow(item, selected);
        }
        EditBtn->SetEnabled(ListView1->Selected() != nullptr);
    };
}

void TMd5InformationForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    if (editForm_ != nullptr) {
        editForm_->Attach(nullptr, nullptr);
    }
    binding_.reset();
}

void TMd5InformationForm::RefreshBtnClick() {
    EditBtn->SetEnabled(false);
    // A walk still running refreshes the list already.
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

void TMd5InformationForm::OpenEditor(int mode) {
    if (binding_ == nullptr) {
        return;
    }
    // The edit window writes what the variables hold; a walk still running would change them.
    StopReading(*binding_);
    if (mode == TMd5EditForm::ModeEdit && ListView1->Selected() == nullptr) {
        EditBtn->SetEnabled(false);
        return;
    }
    editForm_->mode = mode;
    if (editForm_->ShowModal() == mrOk) {
        RefreshBtnClick();
    }
}

void TMd5InformationForm::EditBtnClick() {
    if (ListView1->Selected() != nullptr) {
        OpenEditor(TMd5EditForm::ModeEdit);
    }
}

void TMd5InformationForm::AddBtnClick() {
    OpenEditor(TMd5EditForm::ModeAdd);
}

void TMd5InformationForm::DeleteBtnClick() {
    if (binding_ == nullptr) {
        return;
    }
    StopReading(*binding_);
    if (ListView1->Selected() == nullptr) {
        ShowMessage("Choose the item first.", this);
        EditBtn->SetEnabled(false);
        return;
    }
    // The key removed is the selected row; what the edit window last held plays no part, so
    // only the row's index and its status are written.
    QxSNMPVarList& vars = binding_->request.vars;
    for (int i = 0; i < vars.Count(); ++i) {
        vars.Entry(i).value.clear();
    }
    binding_->CopySelectedRow();
    vars.Entry(VarStatus).value = "destroy";
    try {
        binding_->Set(true, false, std::to_string(VarStatus));
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    EditBtn->SetEnabled(false);
}
