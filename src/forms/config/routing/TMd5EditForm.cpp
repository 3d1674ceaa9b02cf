#include "forms/config/routing/TMd5EditForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/SecretField.h"
#include "forms/config/routing/RoutingFormKit.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMessageBox.h"

#include <QPointer>

#include <exception>

using namespace RoutingFormKit;

namespace {

constexpr const char* KeyIdNeeded = "KeyID is needed.";
constexpr const char* KeyIdDifferent = "KeyID must be different.";
constexpr const char* KeyNeeded = "Key is needed.";
constexpr const char* KeyInvalid = "Invalid key.";
constexpr const char* StatusCreate = "Status should be createAndGo.";
constexpr const char* ListNotRead =
    "The MD5 key list could not be read from the device, so the KeyID cannot be compared with "
    "the existing keys. Nothing was written.";

} // namespace

TMd5EditForm::TMd5EditForm(QWidget* owner) : TForm(owner) {
    SetName("Md5EditForm");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetClientWidth(380);
    SetClientHeight(148);

    MakeLabel(this, "Key ID [1..255]", 16, 19);
    KeyIDEdit = MakeEdit(this, "KeyIDEdit", 120, 16, 150);
    MakeLabel(this, "Key", 16, 55);
    KeyEdit = MakeEdit(this, "KeyEdit", 120, 52, 150);
    ShowKey = MaskSecret(KeyEdit, this, "ShowKey", 120, 74);
    MakeLabel(this, "Status", 16, 91);
    ComboBox1 = MakeCombo(this, "ComboBox1", 120, 88, 150);
    SetBtn = MakeButton(this, "SetBtn", "Set", 290, 16);
    CloseBtn = MakeButton(this, "CloseBtn", "Close", 290, 52);
    SetBtn->OnClick = [this] { SetBtnClick(); };
    CloseBtn->SetModalResult(mrCancel);
    CloseBtn->SetCancel(true);
    OnShow = [this] { Prepare(); };
}

TMd5EditForm::~TMd5EditForm() = default;

void TMd5EditForm::Attach(QxSNMPRequest2Edits* binding, TListView* list) {
    binding_ = binding;
    list_ = list;
    if (binding_ != nullptr) {
        // Refused values are reported over this window while it shows the fields.
        binding_->SetConstraintOwner(this);
    }
}

void TMd5EditForm::Prepare() {
    const std::string caption = "MD5 Information Table: " + DeviceAddress();
    if (mode == ModeAdd) {
        SetCaption(caption + "(Add)");
        KeyIDEdit->SetEnabled(true);
        KeyIDEdit->SetText("");
        KeyEdit->SetText("");
        ComboBox1->SetText("createAndGo");
        ComboBox1->SetEnabled(false);
        return;
    }
    SetCaption(caption);
    // The fields show the selected row, whatever a read left in the variables since.
    if (binding_ != nullptr) {
        binding_->CopySelectedRow();
        binding_->ShowValues(-1);
    }
    KeyIDEdit->SetEnabled(false);
    ComboBox1->SetText("active");
    ComboBox1->SetEnabled(false);
}

std::string TMd5EditForm::CheckKey(int mode, const std::string& keyId, bool keyIdTaken,
                                   const std::string& key, const std::string& status) {
    if (mode == ModeAdd) {
        if (keyId.empty()) {
            return KeyIdNeeded;
        }
        if (keyIdTaken) {
            return KeyIdDifferent;
        }
    }
    if (key.empty()) {
        return KeyNeeded;
    }
    if (key.find(' ') != std::string::npos) {
        return KeyInvalid;
    }
    if (mode == ModeAdd && status != "createAndGo") {
        return StatusCreate;
    }
    return {};
}

bool TMd5EditForm::KeyIdTaken(const std::string& keyId) const {
    if (list_ == nullptr) {
        return false;
    }
    // The ID names the row by its number: "05" is row 5 as much as "5" is.
    long wanted = 0;
    const bool numeric = ParseWholeNumber(keyId, wanted);
    for (int i = 0; i < list_->ItemCount(); ++i) {
        const std::string existing = list_->Item(i)->Caption();
        long number = 0;
        if (existing == keyId ||
            (numeric && ParseWholeNumber(existing, number) && number == wanted)) {
            return true;
        }
    }
    return false;
}

void TMd5EditForm::SetBtnClick() {
    const std::string keyId = KeyIDEdit->Text();
    // A new key ID is compared with the rows of a list that holds the whole table as the
    // device has it: a list whose read failed or was cut short is read again first, leaving
    // the typed texts alone.
    if (mode == ModeAdd && !keyId.empty() && binding_ != nullptr) {
        const std::string key = KeyEdit->Text();
        const std::string status = ComboBox1->Text();
        QPointer<TMd5EditForm> self(this);
        const bool complete = binding_->EnsureCompleteRead();
        if (self == nullptr) {
            return;
        }
        KeyIDEdit->SetText(keyId);
        KeyEdit->SetText(key);
        ComboBox1->SetText(status);
        KeyIDEdit->SetEnabled(true);
        KeyEdit->SetEnabled(true);
        if (!complete) {
            ShowMessage(ListNotRead, this);
            return;
        }
    }
    const std::string problem = CheckKey(mode, keyId, mode == ModeAdd && KeyIdTaken(keyId),
                                         KeyEdit->Text(), ComboBox1->Text());
    if (!problem.empty()) {
        ShowMessage(problem, this);
        if (problem == KeyIdNeeded) {
            KeyIDEdit->SetFocus();
        } else if (problem == KeyNeeded || problem == KeyInvalid) {
            KeyEdit->SetFocus();
        }
        return;
    }
    if (binding_ == nullptr) {
        return;
    }
    // Written synchronously, so that the window closes only once the device has taken the
    // key; a refused write is reported in the list window's memo and the window stays open.
    StopReading(*binding_);
    const auto savedMode = binding_->mode;
    binding_->mode = QxSNMPRequest2Controls::Synchronous;
    bool written = false;
    try {
        written = binding_->Set(false, true);
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    binding_->mode = savedMode;
    if (written) {
        SetModalResult(mrOk);
    }
}
