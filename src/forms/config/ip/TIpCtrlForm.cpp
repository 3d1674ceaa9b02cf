#include "forms/config/ip/TIpCtrlForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "forms/config/ip/TIPCtrlEdtForm.h"
#include "shell/QxError.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <exception>

namespace {

// The device's IP interface table, indexed by the interface's address; the row status
// (Admin State) creates and destroys interfaces.
constexpr UISnmpVar IpInterfaceTable[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.1", "IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.2", "IF Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.3", "Interface Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.4", "Subnet Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.5", "VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.6", "Mode", sxInteger, acReadwrite,
     &OL_2manual_3bootp_4dhcp},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.7", "Secondary", sxInteger, acReadwrite, &OL_1true_2false},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.8", "Admin State", sxInteger, acReadwrite,
     &OL_1active_2notInService_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.9", "Operational State", sxInteger, acReadonly,
     &OL_2up_3down},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.1.1.10", "Proxy ARP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// The variables a Delete leaves out: only the address (the row's index) and the row status
// "destroy" are written.
const std::vector<int> DeleteExcluded = {
    TIpCtrlForm::VarIfIndex, TIpCtrlForm::VarName,      TIpCtrlForm::VarMask, TIpCtrlForm::VarVlan,
    TIpCtrlForm::VarMode,    TIpCtrlForm::VarSecondary, TIpCtrlForm::VarOper, TIpCtrlForm::VarArp,
};

// Cell `var` of a list row: the caption holds variable 0, sub-item i - 1 variable i.
std::string Cell(const TListItem* item, int var) {
    return var == 0 ? item->Caption() : item->SubItem(var - 1);
}

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int top) {
    return NewButton(parent, name, caption, 8, top);
}

} // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* owner, const std::string& deviceAddress)
    : TForm(owner), address_(deviceAddress) {
    SetName("IpCtrlForm");
    SetCaption("IP Control Table : " + deviceAddress);
    SetPosition(poMainFormCenter);
    SetWidth(437);
    SetHeight(276);
    BuildControls();
    // The close may come while code of this window waits further down the stack: the binding
    // only stops here, and goes with the window.
    OnClose = [this] {
        if (binding_ != nullptr) {
            binding_->Close();
        }
    };

    editForm_ = std::make_unique<TIPCtrlEdtForm>(this);
    BuildBinding();
    if (binding_ != nullptr) {
        ReadTable();
    }
}

TIpCtrlForm::~TIpCtrlForm() {
    ReleaseBinding();
}

void TIpCtrlForm::BuildControls() {
    stbResult = new TStatusBar(this);
    stbResult->SetName("stbResult");
    stbResult->SetSimplePanel(true);

    pnlButtons = new TPanel(this);
    pnlButtons->SetName("pnlButtons");
    pnlButtons->SetBevelOuter(bvNone);
    pnlButtons->SetWidth(92);
    pnlButtons->SetAlign(alRight);

    btnRefresh = MakeButton(pnlButtons, "btnRefresh", "Refresh", 8);
    btnAdd = MakeButton(pnlButtons, "btnAdd", "Add", 38);
    btnDel = MakeButton(pnlButtons, "btnDel", "Delete", 68);
    btnClose = MakeButton(pnlButtons, "btnClose", "Close", 98);
    btnStop = MakeButton(pnlButtons, "btnStop", "Stop", 128);
    btnEdit = MakeButton(pnlButtons, "btnEdit", "Edit", 158);
    btnRefresh->OnClick = [this] { btnRefreshClick(); };
    btnAdd->OnClick = [this] { btnAddClick(); };
    btnDel->OnClick = [this] { btnDelClick(); };
    btnClose->OnClick = [this] { Close(); };
    btnStop->OnClick = [this] { btnStopClick(); };
    btnEdit->OnClick = [this] { btnEditClick(); };
    btnDel->SetEnabled(false);
    btnEdit->SetEnabled(false);

    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnSelectItem = [this](TListItem*, bool) { UpdateButtons(); };
    ListView1->OnDblClick = [this] { btnEditClick(); };
}

void TIpCtrlForm::BuildBinding() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->mode = QxSNMPRequest2Controls::Asynchronous;
    binding_->SetReportTarget(stbResult);
    QxSNMPVarList& vars = binding_->request.vars;
    vars.Assign(QxSNMPVarList(IpInterfaceTable, MVT_UMV, 1));
    for (int i = 0; i < vars.Count(); ++i) {
        savedAccess_.push_back(vars.Entry(i).access);
    }
    try {
        // The edit window's fields show the selected row; its mode decides which of them are
        // enabled, so selecting a row enables nothing by itself.
        binding_->AttachListView(ListView1, false);
        TIPCtrlEdtForm& e = *editForm_;
        binding_->BindEdit(VarAddress, "%s{l16}", {e.edtIPAddr});
        binding_->BindEdit(VarIfIndex, "%i{n0x65535l5}", {e.edtIndex});
        binding_->BindEdit(VarName, "%s{l12}", {e.edtInterface});
        binding_->BindEdit(VarMask, "%s{l16}", {e.edtMask});
        binding_->BindEdit(VarVlan, "%s{l32}", {e.edtVlan});
        binding_->BindComboBox(VarMode, e.cbxMode);
        binding_->BindComboBox(VarSecondary, e.cbxSecondary);
        binding_->BindComboBox(VarState, e.cbxState);
        binding_->BindComboBox(VarOper, e.cbxOper);
        binding_->BindComboBox(VarArp, e.cbxARP);
        binding_->SetConstraintOwner(editForm_.get());
    } catch (const std::exception& error) {
        stbResult->SetSimpleText(error.what());
    }
    binding_->onGetComplete = [this](QxSNMPRequest2Controls& b, const QxSNMPError& result) {
        // A walk that was stopped ends without error but has not seen every row.
        listComplete_ = result.code == 0 && b.request.active;
        btnAdd->SetEnabled(true);
        btnDel->SetEnabled(false);
        btnEdit->SetEnabled(ListView1->Selected() != nullptr);
    };
    binding_->onSetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        if (result.code == 0) {
            listComplete_ = false; // the table is read again right after this
        }
    };
}

void TIpCtrlForm::ReadTable() {
    listComplete_ = false;
    try {
        binding_->Get();
    } catch (const std::exception& error) {
        binding_->Report(error.what());
    }
}

void TIpCtrlForm::ReleaseBinding() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

std::string TIpCtrlForm::TimeoutText() {
    return QxError::FromStatus(-5).Text();
}

bool TIpCtrlForm::WaitIdle() {
    binding_->WaitWhileBusy();
    return !binding_->busy;
}

void TIpCtrlForm::RestoreAccess() {
    QxSNMPVarList& vars = binding_->request.vars;
    for (int i = 0; i < vars.Count() && i < static_cast<int>(savedAccess_.size()); ++i) {
        vars.Entry(i).access = savedAccess_[static_cast<size_t>(i)];
    }
}

void TIpCtrlForm::UpdateButtons() {
    const TListItem* item = ListView1->Selected();
    if (item == nullptr) {
        btnAdd->SetEnabled(true);
        btnDel->SetEnabled(false);
        btnEdit->SetEnabled(false);
        return;
    }
    btnAdd->SetEnabled(false);
    btnEdit->SetEnabled(true);
    btnDel->SetEnabled(Cell(item, VarName) != QxIpInterfaceChecks::SystemName);
}

TListItem* TIpCtrlForm::RowOf(const std::string& address) const {
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        if (ListView1->Item(i)->Caption() == address) {
            return ListView1->Item(i);
        }
    }
    return nullptr;
}

std::vector<QxIpInterfaceChecks::Row> TIpCtrlForm::Rows() const {
    std::vector<QxIpInterfaceChecks::Row> rows;
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        const TListItem* item = ListView1->Item(i);
        rows.push_back({Cell(item, VarAddress), Cell(item, VarIfIndex), Cell(item, VarName),
                        Cell(item, VarMask), Cell(item, VarVlan), Cell(item, VarSecondary)});
    }
    return rows;
}

void TIpCtrlForm::btnRefreshClick() {
    if (binding_ == nullptr || binding_->busy) {
        return;
    }
    // Stop, and an Add that stopped a read, leave the request stopped; a Refresh is the user
    // asking for the table again.
    binding_->request.active = true;
    ReadTable();
}

void TIpCtrlForm::btnStopClick() {
    if (binding_ != nullptr) {
        binding_->request.active = false;
    }
}

void TIpCtrlForm::btnAddClick() {
    editForm_->SetCaption("IP Control Table(Add): " + address_);
    if (binding_ != nullptr && binding_->busy) {
        binding_->request.active = false;
    }
    editForm_->SetMode(TIPCtrlEdtForm::ModeAdd);
    editForm_->ShowModal();
}

void TIpCtrlForm::btnEditClick() {
    if (binding_ == nullptr || ListView1->Selected() == nullptr) {
        return;
    }
    // The edit window shows, and the write takes, the selected row.
    try {
        binding_->CopySelectedRow();
        binding_->ShowValues(-1);
    } catch (const std::exception& error) {
        binding_->Report(error.what());
        return;
    }
    editForm_->SetMode(TIPCtrlEdtForm::ModeEdit);
    editForm_->SetCaption("IP Control Table(Edit): " + address_);
    editForm_->ShowModal();
    ListView1->ClearSelection();
    btnEdit->SetEnabled(false);
    btnDel->SetEnabled(false);
}

void TIpCtrlForm::btnDelClick() {
    if (binding_ == nullptr || ListView1->Selected() == nullptr) {
        return;
    }
    // The checks look for other interfaces on the row's VLAN, so a read still running is let
    // finish rather than stopped; one that does not end in time is stopped.
    binding_->request.active = true;
    if (!WaitIdle()) {
        binding_->request.active = false;
        WaitIdle();
        binding_->request.active = true;
    }
    if (binding_->busy) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationGet;
        binding_->Report(TimeoutText());
        return;
    }
    TListItem* item = ListView1->Selected();
    if (item == nullptr) {
        return; // the list was read again meanwhile
    }
    if (!listComplete_) {
        // A stopped or failed read may have left out the interfaces the checks look for: the
        // table is read again and the same interface chosen in it. A read that fails again
        // has said so in the status bar.
        const std::string address = Cell(item, VarAddress);
        ReadTable();
        WaitIdle();
        item = listComplete_ ? RowOf(address) : nullptr;
        if (item == nullptr) {
            return;
        }
        ListView1->SetSelected(item);
    }
    const std::string refused = QxIpInterfaceChecks::CheckDelete(Rows(), item->Index());
    if (!refused.empty()) {
        ShowMessage(refused, this);
        return;
    }
    try {
        binding_->CopySelectedRow();
        binding_->ShowValues(-1);
    } catch (const std::exception& error) {
        binding_->Report(error.what());
        return;
    }
    editForm_->ChooseState("destroy");
    WriteRow(DeleteExcluded);
    btnDel->SetEnabled(false);
}

bool TIpCtrlForm::ReadyForChecks(QWidget* messageOwner) {
    if (binding_ == nullptr) {
        return false;
    }
    // A read still running (also one an Add asked to stop) goes on to the end of the table.
    binding_->request.active = true;
    if (WaitIdle() && !listComplete_) {
        ReadTable();
        WaitIdle();
    }
    if (!binding_->busy && listComplete_) {
        return true;
    }
    // The status bar holds the read's failure; a read that did not end is reported as a
    // time-out.
    ShowMessage(binding_->busy ? TimeoutText() : stbResult->SimpleText(), messageOwner);
    return false;
}

bool TIpCtrlForm::WriteRow(const std::vector<int>& excluded) {
    if (binding_ == nullptr) {
        return false;
    }
    // One request at a time: a read still running is stopped first. A stopped request would
    // write nothing, without a word, so it is started again for the write.
    if (binding_->busy) {
        binding_->request.active = false;
        WaitIdle();
    }
    binding_->request.active = true;
    if (binding_->busy) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationSet;
        binding_->Report(TimeoutText());
        return false;
    }
    QxSNMPVarList& vars = binding_->request.vars;
    for (int i : excluded) {
        if (i >= 0 && i < vars.Count()) {
            vars.Entry(i).access |= acInvalid;
        }
    }
    // The request builds the message before Set returns, so the access codes can be put back
    // at once; the read that follows a successful write runs with them.
    bool sent = false;
    try {
        sent = binding_->Set(true, true);
    } catch (const std::exception& error) {
        RestoreAccess();
        binding_->Report(error.what());
        return false;
    }
    RestoreAccess();
    return sent;
}
