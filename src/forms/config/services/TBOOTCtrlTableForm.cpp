#include "forms/config/services/TBOOTCtrlTableForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "forms/config/services/TNewBootpCtrlForm.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPVarList.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "vocab/QxOptionTables.h"

#include <cstdint>
#include <exception>

namespace {

// The BOOTP relay table: per IP interface (by name) and server address, whether the entry is
// valid. The two index parts have no column of their own that is read.
constexpr UISnmpVar BootpRelayTable[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.7.1.1", "Interface Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.7.1.2", "Bootp Server IP", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.7.1.3", "State", sxInteger, acReadwrite, &OL_2invalid_3valid},
    {},
};

constexpr const char* ChooseFirst = "Choose the item first.";
constexpr const char* StillReading = "Get data not completed, please wait";

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int top) {
    return NewButton(parent, name, caption, 384, top);
}

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner) : TForm(owner) {
    SetName("BOOTCtrlTableForm");
    SetCaption("BOOTP Ctrl Table: " + SnmpGlobal().device.address);
    SetPosition(poScreenCenter);
    SetClientWidth(469);
    SetClientHeight(238);
    BuildControls();
    addForm_ = std::make_unique<TNewBootpCtrlForm>(this);
    Bind();
    // The close may come while code of this window waits further down the stack: the binding
    // only stops here, and goes with the window.
    OnClose = [this] {
        if (binding_ != nullptr) {
            binding_->Close();
        }
    };
    Refresh();
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() {
    FormClose();
}

void TBOOTCtrlTableForm::BuildControls() {
    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetBounds(8, 8, 368, 150);

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetBounds(8, 164, 368, 66);
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);

    ComboBox1 = new TComboBox(this);
    ComboBox1->SetName("ComboBox1");
    ComboBox1->SetBounds(384, 200, 75, 21);
    ComboBox1->Hide();

    btnRefresh = MakeButton(this, "btnRefresh", "Refresh", 8);
    btnRefresh->OnClick = [this] { Refresh(); };
    btnDelete = MakeButton(this, "btnDelete", "Delete", 40);
    btnDelete->OnClick = [this] { btnDeleteClick(); };
    btnAdd = MakeButton(this, "btnAdd", "Add", 72);
    btnAdd->OnClick = [this] { btnAddClick(); };
    btnClose = MakeButton(this, "btnClose", "Close", 104);
    btnClose->SetCancel(true);
    btnClose->OnClick = [this] { Close(); };
}

void TBOOTCtrlTableForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(BootpRelayTable, MVT_FMV, 2));
    binding_->AttachListView(ListView1, true);
    binding_->BindEdit(0, "%s", {addForm_->Edit1});
    binding_->BindEdit(1, "%s", {addForm_->Edit2});
    binding_->BindComboBox(2, ComboBox1);
    binding_->SetConstraintOwner(addForm_.get());
    binding_->SetReportTarget(Memo1);
}

bool TBOOTCtrlTableForm::WaitForRead() {
    return binding_ != nullptr && binding_->WaitWhileBusy();
}

void TBOOTCtrlTableForm::Refresh() {
    // A second walk on the same request would interleave its rows with the first one's.
    if (binding_ == nullptr || binding_->busy) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}

void TBOOTCtrlTableForm::btnDeleteClick() {
    if (binding_ == nullptr) {
        return;
    }
    // A read that ends now would empty the list and leave nothing selected.
    if (!WaitForRead()) {
        ShowMessage(StillReading, this);
        return;
    }
    // The write goes to the row the bound edits show: without a selected row they show what
    // was last typed in the add window, which would invalidate a row nobody chose.
    if (ListView1->Selected() == nullptr) {
        ShowMessage(ChooseFirst, this);
        btnDelete->SetFocus();
        return;
    }
    // The add window may have been left with other text since the row was selected.
    binding_->CopySelectedRow();
    binding_->ShowValues(-1);
    ComboBox1->SetText("invalid");
    WriteBoundRow();
}

bool TBOOTCtrlTableForm::WriteBoundRow() {
    if (binding_ == nullptr) {
        return false;
    }
    // The add window closes only once the device has taken the row: it stays open with what
    // was typed when the device refuses it.
    const std::uint8_t savedMode = binding_->mode;
    binding_->mode = QxSNMPRequest2Controls::Synchronous;
    bool written = false;
    try {
        written = binding_->Set(false);
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    binding_->mode = savedMode;
    if (written) {
        Refresh();
    }
    return written;
}

void TBOOTCtrlTableForm::btnAddClick() {
    if (binding_ == nullptr) {
        return;
    }
    // A read ending while the add window is open would disable its edits again and leave the
    // server count of its check short.
    WaitForRead();
    addForm_->SetCaption(Caption() + " (Add)");
    addForm_->ShowModal();
}

void TBOOTCtrlTableForm::FormClose() {
    if (binding_ != nullptr) {
        binding_->StopAndWait();
    }
    binding_.reset();
    addForm_.reset();
}
