#include "forms/config/services/TNewBootpCtrlForm.h"

#include "forms/FormControls.h"
#include "forms/config/ip/QxIpInterfaceChecks.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/services/TBOOTCtrlTableForm.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"

#include <QPointer>

namespace {

constexpr const char* InvalidAddress = "Invalid Bootp Server IP Address.";
constexpr const char* TooManyServers = "One Interface Can Only With Four Bootp Servers";
constexpr const char* NoInterfaceName = "Please enter the Interface Name!";
constexpr const char* ListNotRead =
    "The BOOTP server list could not be read from the device, so the servers of the interface "
    "cannot be counted. Nothing was written.";

TEdit* MakeField(QWidget* parent, const char* name, const char* caption, int top) {
    NewLabel(parent, caption, 12, top + 3);
    return NewEdit(parent, name, 112, top, 130);
}

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int top) {
    return NewButton(parent, name, caption, 256, top);
}

} // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* table) : TForm(table), table_(table) {
    SetName("NewBootpCtrlForm");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetClientWidth(341);
    SetClientHeight(107);
    BuildControls();
    OnShow = [this] { PrepareEdits(); };
    OnActivate = [this] { PrepareEdits(); };
}

void TNewBootpCtrlForm::BuildControls() {
    Edit1 = MakeField(this, "Edit1", "Interface Name", 16);
    Edit2 = MakeField(this, "Edit2", "Bootp Server IP", 52);
    btnSet = MakeButton(this, "btnSet", "Set", 14);
    btnSet->SetDefault(true);
    btnSet->OnClick = [this] { btnSetClick(); };
    btnClose = MakeButton(this, "btnClose", "Close", 50);
    btnClose->SetCancel(true);
    btnClose->SetModalResult(mrCancel);
}

void TNewBootpCtrlForm::PrepareEdits() {
    Edit1->SetEnabled(true);
    Edit2->SetEnabled(true);
    if (!prepared_) {
        prepared_ = true;
        Edit1->SetText("");
        Edit2->SetText("");
    }
}

void TNewBootpCtrlForm::btnSetClick() {
    if (table_->Binding() == nullptr) {
        return;
    }
    if (Edit1->Text().empty()) {
        ShowMessage(NoInterfaceName, this);
        Edit1->SetFocus();
        return;
    }
    if (!QxIpInterfaceChecks::IsValidAddress(Edit2->Text())) {
        ShowMessage(InvalidAddress, this);
        return;
    }
    // The servers are counted in the list: it must hold the whole table as the device has it
    // now. A list whose read failed or was cut short is read again first; the read leaves the
    // typed texts alone.
    const std::string interfaceName = Edit1->Text();
    const std::string serverAddress = Edit2->Text();
    QPointer<TNewBootpCtrlForm> self(this);
    const bool complete = table_->Binding()->EnsureCompleteRead();
    if (self == nullptr) {
        return;
    }
    Edit1->SetText(interfaceName);
    Edit2->SetText(serverAddress);
    Edit1->SetEnabled(true);
    Edit2->SetEnabled(true);
    if (!complete) {
        ShowMessage(ListNotRead, this);
        return;
    }
    int servers = 0;
    for (int i = 0; i < table_->ListView1->ItemCount(); ++i) {
        if (table_->ListView1->Item(i)->Caption() == interfaceName &&
            ++servers == MaxServersPerInterface) {
            MessageBox(TooManyServers, Application().Title(), mbOK, miWarning, this);
            return;
        }
    }
    table_->ComboBox1->SetText("valid");
    if (!table_->WriteBoundRow()) {
        return; // the reason is in the table window's memo
    }
    Edit1->SetText("");
    Edit2->SetText("");
    Close();
}
