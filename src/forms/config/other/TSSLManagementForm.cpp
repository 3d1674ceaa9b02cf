#include "forms/config/other/TSSLManagementForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <exception>

namespace {

constexpr UISnmpVar SslVars[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "Status Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cache Timeout", sxGuage, acReadwrite},
    {},
};

constexpr const char* SuiteCaptions[TSSLManagementForm::SuiteCount] = {
    "RSA-with-RC4-128-MD5",
    "RSA-with-3DES-EDE-CBC-SHA",
    "DHE-DSS-with-3DES-EDE-CBC-SHA",
    "RSA-EXPORT-with-RC4-40-MD5",
};

constexpr const char* SuiteOff = "disabled";
constexpr const char* SuiteOn = "enabled";

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int left, int top) {
    auto* label = new TLabel(parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top + 3);
    return label;
}

TComboBox* MakeCombo(QWidget* parent, const std::string& name, int left, int top) {
    auto* combo = new TComboBox(parent);
    combo->SetName(name);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(left, top, 150, 21);
    return combo;
}

TButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int top) {
    auto* button = new TButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(400, top, 75, 25);
    return button;
}

} // namespace

TSSLManagementForm::TSSLManagementForm(QWidget* owner) : TForm(owner) {
    SetName("SSLManagementForm");
    SetCaption("SSL Control Table : " + SnmpGlobal().device.address);
    SetBorderStyle(bsSingle);
    SetPosition(poMainFormCenter);
    SetClientWidth(490);
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
    btnGetClick();
}

TSSLManagementForm::~TSSLManagementForm() {
    Release();
}

void TSSLManagementForm::BuildControls() {
    constexpr int LabelLeft = 12;
    constexpr int FieldLeft = 220;
    MakeLabel(this, "SSL Status", LabelLeft, 12);
    cbxSSLVersion = MakeCombo(this, "cbxSSLVersion", FieldLeft, 12);
    for (int i = 0; i < SuiteCount; ++i) {
        const int top = 44 + 32 * i;
        MakeLabel(this, SuiteCaptions[i], LabelLeft, top);
        TComboBox* combo =
            MakeCombo(this, "cbxciphersuites" + std::to_string(i + 1), FieldLeft, top);
        combo->SetItems({SuiteOff, SuiteOn});
        combo->SetItemIndex(-1);
        cbxciphersuites[static_cast<size_t>(i)] = combo;
    }
    MakeLabel(this, "Cache Time Out", LabelLeft, 172);
    edtCacheTimeOut = new TEdit(this);
    edtCacheTimeOut->SetName("edtCacheTimeOut");
    edtCacheTimeOut->SetBounds(FieldLeft, 172, 150, 21);
    edtciphersuites = new TEdit(this);
    edtciphersuites->SetName("edtciphersuites");
    edtciphersuites->Hide();

    btnGet = MakeButton(this, "btnGet", "Refresh", 12);
    btnSet = MakeButton(this, "btnSet", "Set", 44);
    btnGet->OnClick = [this] { btnGetClick(); };
    btnSet->OnClick = [this] { btnSetClick(); };

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetSimplePanel(true);
    StatusBar1->SetAlign(alBottom);
}

void TSSLManagementForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(SslVars, SVT_SV, 0));
    binding_->mode = QxSNMPRequest2Controls::Asynchronous;
    binding_->BindComboBox(VarStatus, cbxSSLVersion);
    binding_->BindEdit(VarCipherSuites, "%s{l2}", {edtciphersuites});
    binding_->BindEdit(VarCacheTimeout, "%s", {edtCacheTimeOut});
    binding_->SetReportTarget(StatusBar1);
    binding_->onGetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        ReadDone(result);
    };
    binding_->onSetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        SetDone(result);
    };
}

void TSSLManagementForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

bool TSSLManagementForm::SuiteBitsOf(const std::string& cipherText, int& bits) {
    if (cipherText.size() != 2) {
        return false;
    }
    const char digit = cipherText[0];
    if (digit >= '0' && digit <= '9') {
        bits = digit - '0';
        return true;
    }
    if (digit >= 'A' && digit <= 'F') {
        bits = digit - 'A' + 10;
        return true;
    }
    if (digit >= 'a' && digit <= 'f') {
        bits = digit - 'a' + 10;
        return true;
    }
    return false;
}

std::string TSSLManagementForm::CipherText(const std::array<bool, SuiteCount>& enabled) {
    int bits = 0;
    for (size_t i = 0; i < enabled.size(); ++i) {
        bits |= enabled[i] ? SuiteBits[i] : 0;
    }
    return std::string(1, "0123456789ABCDEF"[bits]) + "0";
}

void TSSLManagementForm::btnGetClick() {
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

void TSSLManagementForm::ReadDone(const QxSNMPError& result) {
    // A failed read leaves the switches as they are; the status bar has the error.
    int bits = 0;
    if (result.code != 0 || !SuiteBitsOf(edtciphersuites->Text(), bits)) {
        return;
    }
    for (int i = 0; i < SuiteCount; ++i) {
        const bool on = (bits & SuiteBits[static_cast<size_t>(i)]) != 0;
        cbxciphersuites[static_cast<size_t>(i)]->SetText(on ? SuiteOn : SuiteOff);
    }
}

void TSSLManagementForm::btnSetClick() {
    if (binding_ == nullptr) {
        return;
    }
    bool empty = cbxSSLVersion->Text().empty() || edtCacheTimeOut->Text().empty();
    std::array<bool, SuiteCount> enabled{};
    for (int i = 0; i < SuiteCount; ++i) {
        const std::string choice = cbxciphersuites[static_cast<size_t>(i)]->Text();
        empty = empty || choice.empty();
        enabled[static_cast<size_t>(i)] = choice == SuiteOn;
    }
    if (empty) {
        MessageBox("Some items are empty.", "Warning", mbOK, miWarning, this);
        btnSet->SetFocus();
        return;
    }
    // A read still running is stopped by the write itself, and its answer dropped: shown, it
    // would put the device's old values into the fields just before they are written.
    edtciphersuites->SetText(CipherText(enabled));
    try {
        binding_->Set(false, true);
    } catch (const std::exception& e) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationSet;
        binding_->Report(e.what());
    }
}

void TSSLManagementForm::SetDone(const QxSNMPError& result) {
    // After a refused write the status bar keeps the error; a read would replace it by its
    // own success line, as if the write had gone through.
    if (result.code == 0) {
        btnGetClick();
    }
}
