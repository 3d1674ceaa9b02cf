#include "forms/config/services/TMSEditForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/FormControls.h"
#include "forms/SecretField.h"
#include "forms/config/services/TMSInformationForm.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"

#include <QPointer>

#include <exception>
#include <string>

namespace {

constexpr const char* DuplicateId =
    "There is already a record with the same Member Siwitch ID. Please modified it.";
constexpr const char* NeedId = "Member Siwitch ID is needed.";
constexpr const char* NeedCandidate = "Member Candidate ID is needed.";
constexpr const char* MustCreate = "Member Row State must be createAndGo.";
constexpr const char* ListNotRead =
    "The member switch list could not be read from the device, so the Member Switch ID cannot "
    "be compared with the existing members. Nothing was written.";

constexpr int LabelLeft = 16;
constexpr int FieldLeft = 160;
constexpr int FieldWidth = 150;

TEdit* MakeEdit(QWidget* parent, const char* name, const char* caption, int top) {
    NewLabel(parent, caption, LabelLeft, top + 3);
    return NewEdit(parent, name, FieldLeft, top, FieldWidth);
}

TButton* MakeButton(QWidget* parent, const char* name, const char* caption, int top) {
    return NewButton(parent, name, caption, 332, top);
}

} // namespace

TMSEditForm::TMSEditForm(TMSInformationForm* table) : TForm(table), table_(table) {
    SetName("MSEditForm");
    SetCaption("MS Add");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetClientWidth(427);
    SetClientHeight(173);
    BuildControls();
    OnShow = [this] { PrepareAdd(); };
    OnActivate = [this] { PrepareAdd(); };
}

void TMSEditForm::BuildControls() {
    MSIDEdit = MakeEdit(this, "MSIDEdit", "Member Switch ID", 16);
    KeyIDEdit = MakeEdit(this, "KeyIDEdit", "Member Candidate ID", 48);
    MS_Password = MakeEdit(this, "MS_Password", "Member Password", 80);
    ShowPassword = MaskSecret(MS_Password, this, "ShowPassword", FieldLeft + FieldWidth + 4, 82);
    NewLabel(this, "Member Row Status", LabelLeft, 112 + 3);
    Row_Status = new TComboBox(this);
    Row_Status->SetName("Row_Status");
    Row_Status->SetBounds(FieldLeft, 112, FieldWidth, 21);
    Row_Status->SetEnabled(false);

    btnSet = MakeButton(this, "btnSet", "Set", 14);
    btnSet->SetDefault(true);
    btnSet->OnClick = [this] { btnSetClick(); };
    btnClose = MakeButton(this, "btnClose", "Close", 46);
    btnClose->SetCancel(true);
    btnClose->SetModalResult(mrCancel);
}

TModalResult TMSEditForm::ShowAdd() {
    addPending_ = true;
    return ShowModal();
}

// Done once per showing, not at every activation: the window becomes active again each time
// a message box of its checks closes, and the user's entries must survive that. The row
// status keeps its "createAndGo", which the add writes.
void TMSEditForm::PrepareAdd() {
    if (!addPending_) {
        return;
    }
    addPending_ = false;
    KeyIDEdit->SetEnabled(true);
    MSIDEdit->SetText("");
    KeyIDEdit->SetText("");
}

bool TMSEditForm::CheckTypedIds() {
    for (TEdit* edit : {MSIDEdit, KeyIDEdit}) {
        // A refused value is replaced by the last accepted one.
        const std::string typed = edit->Text();
        edit->Fire(edit->OnExit);
        if (edit->Text() != typed) {
            return false;
        }
    }
    return true;
}

bool TMSEditForm::CheckAdd() {
    const std::string id = MSIDEdit->Text();
    const TListView* list = table_->ListView1;
    for (int i = 0; i < list->ItemCount(); ++i) {
        if (list->Item(i)->Caption() == id) {
            MessageBox(DuplicateId, Application().Title(), mbOK, miWarning, this);
            return false;
        }
    }
    if (id.empty()) {
        ShowMessage(NeedId, this);
        MSIDEdit->SetFocus();
        return false;
    }
    if (KeyIDEdit->Text().empty()) {
        ShowMessage(NeedCandidate, this);
        KeyIDEdit->SetFocus();
        return false;
    }
    if (Row_Status->Text() != "createAndGo") {
        ShowMessage(MustCreate, this);
        Row_Status->SetFocus();
        return false;
    }
    return true;
}

void TMSEditForm::btnSetClick() {
    QxSNMPRequest2Edits* write = table_->WriteBinding();
    if (write == nullptr) {
        return;
    }
    // The ID is looked for among the rows of the list: it must hold the whole table as the
    // device has it. A list whose read failed or was cut short is read again first.
    QPointer<TMSEditForm> self(this);
    QxSNMPRequest2Edits* list = table_->TableBinding();
    const bool complete = list != nullptr && list->EnsureCompleteRead();
    if (self == nullptr) {
        return;
    }
    if (!complete) {
        ShowMessage(ListNotRead, this);
        return;
    }
    if (!CheckTypedIds() || !CheckAdd()) {
        return;
    }
    write->request.vars.suffix = MSIDEdit->Text();
    try {
        // A refused value keeps the window open with what was typed.
        if (!write->Set()) {
            return;
        }
    } catch (const std::exception& e) {
        // The window stays open with what was typed; the reason is in the table window's memo.
        write->Report(e.what());
        return;
    }
    Close();
}
