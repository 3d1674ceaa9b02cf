#include "forms/config/services/TMSInformationForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "forms/config/services/TMSEditForm.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPVarList.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "vocab/QxOptionTables.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

// The member switch table, indexed by the member switch ID.
constexpr UISnmpVar MemberSwitchTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "MS ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "MS Device Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MS MAC Addr", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "MS Firmware Ver", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "MS Capability", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "MS Platform", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "MS Holdtime", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "MS CAS Source", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "MS Password", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "MS Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// What an add or a delete writes for one member switch; the instance is the member switch ID,
// given as the list's suffix before each write.
constexpr UISnmpVar MemberSwitchWrite[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate Source", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Positions in the write list of the variables a delete leaves out.
constexpr int CandidateSource = 1;
constexpr int Password = 2;

// The member switch table is read with five seconds for each answer.
constexpr std::int32_t TableTimeout = 500;

constexpr const char* ChooseFirst = "Choose the item first.";
constexpr const char* PasswordCaption = "MS Password";
constexpr const char* PasswordMask = "********";

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int top) {
    return NewButton(parent, name, caption, 470, top, 80);
}

// Leaves variables out of the writes of a list and gives them their access codes back when
// it goes, whatever way the write ended.
class LeaveOut {
public:
    LeaveOut(QxSNMPVarList& vars, std::vector<int> positions)
        : vars_(vars), positions_(std::move(positions)) {
        for (int i : positions_) {
            saved_.push_back(vars_.Entry(i).access);
            vars_.Entry(i).access = acInvalid;
        }
    }
    ~LeaveOut() {
        for (size_t k = 0; k < positions_.size(); ++k) {
            vars_.Entry(positions_[k]).access = saved_[k];
        }
    }
    LeaveOut(const LeaveOut&) = delete;
    LeaveOut& operator=(const LeaveOut&) = delete;

private:
    QxSNMPVarList& vars_;
    std::vector<int> positions_;
    std::vector<std::uint32_t> saved_;
};

} // namespace

TMSInformationForm::TMSInformationForm(QWidget* owner) : TForm(owner) {
    SetName("MSInformationForm");
    SetCaption("Member Switch Information Table : " + SnmpGlobal().device.address);
    SetPosition(poScreenCenter);
    SetClientWidth(558);
    SetClientHeight(294);
    BuildControls();
    editForm_ = std::make_unique<TMSEditForm>(this);
    Bind();
    // The close may come while code of this window waits further down the stack: the bindings
    // only stop here, and go with the window.
    OnClose = [this] {
        for (QxSNMPRequest2Edits* binding : {table_.get(), write_.get()}) {
            if (binding != nullptr) {
                binding->Close();
            }
        }
    };
    Refresh();
}

TMSInformationForm::~TMSInformationForm() {
    FormClose();
}

void TMSInformationForm::BuildControls() {
    ListView1 = new TListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetBounds(8, 8, 452, 196);
    ListView1->OnClick = [this] { btnDelete->SetEnabled(ListView1->Selected() != nullptr); };
    ListView1->OnChange = [this] {
        MaskPasswords();
        StaticText1->SetCaption(std::to_string(ListView1->ItemCount()));
    };

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetBounds(8, 210, 452, 76);
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);

    btnRefresh = MakeButton(this, "btnRefresh", "Refresh", 8);
    btnRefresh->OnClick = [this] { Refresh(); };
    btnDelete = MakeButton(this, "btnDelete", "Delete", 40);
    btnDelete->SetEnabled(false);
    btnDelete->OnClick = [this] { btnDeleteClick(); };
    btnAdd = MakeButton(this, "btnAdd", "Add", 72);
    btnAdd->OnClick = [this] { btnAddClick(); };

    StaticText1 = new TStaticText(this);
    StaticText1->SetName("StaticText1");
    StaticText1->SetBorderStyle(sbsSunken);
    StaticText1->SetAutoSize(false);
    StaticText1->SetAlignment(taCenter);
    StaticText1->SetBounds(470, 110, 80, 21);
    StaticText1->SetCaption("0");
}

void TMSInformationForm::MaskPasswords() {
    // The column of the member passwords, found by its caption (columns follow the list).
    int column = -1;
    for (int i = 0; i < ListView1->ColumnCount(); ++i) {
        if (ListView1->Column(i)->Caption() == PasswordCaption) {
            column = i;
        }
    }
    if (column < 1) {
        return;
    }
    // A password is not shown, copied or exported from the list: its cell says only whether
    // one is set. Masking a cell changes the list again; a masked cell is left alone then.
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        TListItem* item = ListView1->Item(i);
        const std::string text = item->SubItem(column - 1);
        if (!text.empty() && text != PasswordMask) {
            item->SetSubItem(column - 1, PasswordMask);
        }
    }
}

void TMSInformationForm::Bind() {
    table_ = std::make_unique<QxSNMPRequest2Edits>(this);
    table_->request.vars.Assign(QxSNMPVarList(MemberSwitchTable, MVT_UMV, 1));
    table_->request.timeout = TableTimeout;
    table_->AttachListView(ListView1, true);
    table_->SetReportTarget(Memo1);

    // Synchronous, so that the table read after an add or a delete sees its outcome and a
    // failed write is known before the add window closes.
    write_ = std::make_unique<QxSNMPRequest2Edits>(this);
    write_->request.vars.Assign(QxSNMPVarList(MemberSwitchWrite, MVT_SV, 1));
    write_->mode = QxSNMPRequest2Controls::Synchronous;
    write_->BindEdit(0, "%i{n1x32l2a}", {editForm_->MSIDEdit});
    write_->BindEdit(1, "%i{n1x32l2a}", {editForm_->KeyIDEdit});
    write_->BindEdit(2, "%s", {editForm_->MS_Password});
    write_->BindComboBox(3, editForm_->Row_Status);
    write_->SetConstraintOwner(editForm_.get());
    write_->SetReportTarget(Memo1);
}

bool TMSInformationForm::WaitForRead() {
    return table_ != nullptr && table_->WaitWhileBusy();
}

void TMSInformationForm::Refresh() {
    btnDelete->SetEnabled(false);
    // A second walk on the same request would interleave its rows with the first one's.
    if (table_ == nullptr || table_->busy) {
        return;
    }
    try {
        table_->Get();
    } catch (const std::exception& e) {
        table_->Report(e.what());
    }
}

void TMSInformationForm::btnAddClick() {
    if (write_ == nullptr) {
        return;
    }
    // The add window looks for the new ID among the rows of the list.
    WaitForRead();
    editForm_->Row_Status->SetText("createAndGo");
    editForm_->ShowAdd();
    Refresh();
}

void TMSInformationForm::btnDeleteClick() {
    if (write_ == nullptr) {
        return;
    }
    const TListItem* item = ListView1->Selected();
    if (item == nullptr) {
        ShowMessage(ChooseFirst, this);
        btnDelete->SetFocus();
        return;
    }
    editForm_->Row_Status->SetText("destroy");
    {
        // Only the row status goes out, to the selected member switch.
        LeaveOut leaveOut(write_->request.vars, {CandidateSource, Password});
        write_->request.vars.suffix = item->Caption();
        try {
            write_->Set();
        } catch (const std::exception& e) {
            write_->Report(e.what());
        }
    }
    Refresh();
}

void TMSInformationForm::FormClose() {
    if (table_ != nullptr) {
        table_->StopAndWait();
    }
    write_.reset();
    table_.reset();
    editForm_.reset();
}
