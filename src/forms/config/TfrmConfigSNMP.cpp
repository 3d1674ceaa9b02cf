#include "forms/config/TfrmConfigSNMP.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TRadioGroup.h"
#include "ui/toolkit/TScrollBox.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <charconv>
#include <utility>

namespace {

enum VersionItem : int { ItemV1 = 0, ItemV2c = 1, ItemV3 = 2 };

// The decimal text as a number; `fallback` when it is empty or not entirely a number.
int ToInt(const std::string& text, int fallback) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return text.empty() || ec != std::errc() || ptr != end ? fallback : value;
}

// A port the agent can listen on: digits only, 1 to 65535.
bool IsValidPort(const std::string& text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != text.npos) {
        return false;
    }
    const int port = ToInt(text, 0);
    return port >= 1 && port <= 65535;
}

// The address becomes a file name beside the program; anything that could name another folder
// is refused.
bool IsPlainFileName(const std::string& address) {
    return !address.empty() && address.find_first_of(std::string("/\\\0", 3)) == address.npos;
}

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int left, int top) {
    auto* label = new TLabel(parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top + 3);
    return label;
}

TEdit* MakeEdit(QWidget* parent, const char* name, int left, int top) {
    auto* edit = new TEdit(parent);
    edit->SetName(name);
    edit->SetBounds(left, top, 110, 21);
    return edit;
}

TComboBox* MakeCombo(QWidget* parent, const char* name, int left, int top,
                     const std::vector<std::string>& items) {
    auto* combo = new TComboBox(parent);
    combo->SetName(name);
    combo->SetStyle(csDropDown);
    combo->SetBounds(left, top, 110, 21);
    combo->SetItems(items);
    combo->SetItemIndex(-1);
    combo->SetText("");
    return combo;
}

// Stored protocol and level codes are 1-based; the lists show them from 0. A code outside the
// list (0 for "nothing chosen") chooses nothing.
int ItemOfCode(const std::string& codeText, int count) {
    const int code = ToInt(codeText, 0);
    return code >= 1 && code <= count ? code - 1 : -1;
}

} // namespace

TfrmConfigSNMP::TfrmConfigSNMP(QWidget* owner, Running running,
                               const std::optional<QxSettingsTexts>& stored)
    : TForm(owner), running_(std::move(running)) {
    SetName("frmConfigSNMP");
    SetCaption("Device SNMP Configure");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poMainFormCenter);
    SetClientWidth(482);
    SetClientHeight(203);
    BuildControls();
    if (stored) {
        Prefill(*stored);
    }
    ApplyVersionState();
}

TfrmConfigSNMP::~TfrmConfigSNMP() = default;

void TfrmConfigSNMP::BuildControls() {
    scrollBox1_ = new TScrollBox(this);
    scrollBox1_->SetName("ScrollBox1");
    scrollBox1_->SetAlign(alClient);
    QWidget* box = scrollBox1_;

    constexpr int LeftLabel = 8;
    constexpr int LeftField = 112;
    constexpr int RightLabel = 244;
    constexpr int RightField = 362;

    MakeLabel(box, "IP : ", LeftLabel, 8);
    lblIP = new TLabel(box);
    lblIP->SetName("lblIP");
    lblIP->SetCaption(running_.address);
    lblIP->SetLeft(LeftField);
    lblIP->SetTop(11);

    MakeLabel(box, "Port : ", LeftLabel, 32);
    edtPort = MakeEdit(box, "edtPort", LeftField, 32);
    edtPort->SetText("161");

    rgpSNMPVersion = new TRadioGroup(box);
    rgpSNMPVersion->SetName("rgpSNMPVersion");
    rgpSNMPVersion->SetCaption("SNMP Version");
    rgpSNMPVersion->SetColumns(3);
    rgpSNMPVersion->SetItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    rgpSNMPVersion->SetItemIndex(ItemV1);
    rgpSNMPVersion->SetBounds(LeftLabel, 58, 222, 40);
    rgpSNMPVersion->OnClick = [this] { rgpSNMPVersionClick(); };

    MakeLabel(box, "Context Name : ", LeftLabel, 106);
    edtContext = MakeEdit(box, "edtContext", LeftField, 106);
    edtContext->SetText(DefaultReadCommunity);
    MakeLabel(box, "Write Community String : ", LeftLabel, 130);
    edtCommunity = MakeEdit(box, "edtCommunity", LeftField + 20, 130);
    edtCommunity->SetWidth(90);
    edtCommunity->SetText(DefaultWriteCommunity);

    MakeLabel(box, "Security Name : ", RightLabel, 8);
    cbxSecurityName =
        MakeCombo(box, "cbxSecurityName", RightField, 8,
                  {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User", "SHA_DES_User"});
    MakeLabel(box, "Security Level : ", RightLabel, 32);
    cbxSecurityLevel = MakeCombo(box, "cbxSecurityLevel", RightField, 32,
                                 {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"});
    MakeLabel(box, "Auth Protocol : ", RightLabel, 56);
    cbxAuthProtocol = MakeCombo(box, "cbxAuthProtocol", RightField, 56,
                                {"None", "HMACMD5", "HMAC_SHA", "HMAC_SHA224", "HMAC_SHA256",
                                 "HMAC_SHA384", "HMAC_SHA512"});
    MakeLabel(box, "Auth Password : ", RightLabel, 80);
    edtAuthPass = MakeEdit(box, "edtAuthPass", RightField, 80);
    MakeLabel(box, "Priv Protocol : ", RightLabel, 104);
    cbxPrivProtocol =
        MakeCombo(box, "cbxPrivProtocol", RightField, 104,
                  {"None", "CBC_DES", "CBC_IDEA", "CFB_AES128", "CFB_AES192", "CFB_AES256"});
    MakeLabel(box, "Priv Password : ", RightLabel, 128);
    edtPrivPass = MakeEdit(box, "edtPrivPass", RightField, 128);
    MakeLabel(box, "Context Engine ID :  ", RightLabel, 152);
    edtContextEngine = MakeEdit(box, "edtContextEngine", RightField, 152);

    btnOk = new TButton(box);
    btnOk->SetName("btnOk");
    btnOk->SetCaption("OK");
    btnOk->SetBounds(40, 166, 75, 25);
    btnOk->SetDefault(true);
    btnOk->OnClick = [this] { btnOkClick(); };

    btnExit = new TButton(box);
    btnExit->SetName("btnExit");
    btnExit->SetCaption("Exit");
    btnExit->SetBounds(140, 166, 75, 25);
    btnExit->SetCancel(true);
    btnExit->SetModalResult(mrCancel);
}

void TfrmConfigSNMP::Prefill(const QxSettingsTexts& stored) {
    edtPort->SetText(stored.port);
    const int version = ToInt(stored.version, 0);
    const int item = version == 3 ? ItemV3 : version == 1 ? ItemV2c : ItemV1;
    rgpSNMPVersion->SetItemIndex(item);

    cbxSecurityName->SetText(stored.securityName);
    cbxSecurityLevel->SetItemIndex(ItemOfCode(stored.securityLevel, 3));
    cbxAuthProtocol->SetItemIndex(QxDeviceConfig::AuthPosition(ToInt(stored.authProtocol, 0)));
    cbxPrivProtocol->SetItemIndex(QxDeviceConfig::PrivPosition(ToInt(stored.privProtocol, 0)));
    edtAuthPass->SetText(stored.authPassword);
    edtPrivPass->SetText(stored.privPassword);
    edtContextEngine->SetText(stored.contextEngineId);

    // The context field holds the read community for versions 1 and 2c and the context name
    // for version 3; the write community is not kept in the file, so the running one is shown.
    if (item == ItemV3) {
        edtContext->SetText(stored.contextName);
        edtCommunity->SetText(stored.writeCommunity);
    } else {
        edtContext->SetText(stored.readCommunity.empty() ? DefaultReadCommunity
                                                         : stored.readCommunity);
        edtCommunity->SetText(stored.writeCommunity.empty() ? DefaultWriteCommunity
                                                            : stored.writeCommunity);
    }
}

void TfrmConfigSNMP::ApplyVersionState() {
    const bool v3 = rgpSNMPVersion->ItemIndex() == ItemV3;
    for (TComboBox* combo : {cbxSecurityName, cbxAuthProtocol, cbxPrivProtocol, cbxSecurityLevel}) {
        combo->SetEnabled(v3);
        combo->SetColor(FieldColor(v3));
    }
    for (TEdit* edit : {edtAuthPass, edtPrivPass, edtContextEngine}) {
        edit->SetReadOnly(!v3);
        edit->SetColor(FieldColor(v3));
    }
}

void TfrmConfigSNMP::rgpSNMPVersionClick() {
    ApplyVersionState();
    if (rgpSNMPVersion->ItemIndex() == ItemV3) {
        edtContext->SetText("");
        edtCommunity->SetText("");
    } else {
        edtContext->SetText(DefaultReadCommunity);
        edtCommunity->SetText(DefaultWriteCommunity);
    }
}

std::string TfrmConfigSNMP::ConfigPath() const {
    return running_.programFolder + lblIP->Caption() + ".cfg";
}

bool TfrmConfigSNMP::CheckInput() {
    if (rgpSNMPVersion->ItemIndex() == ItemV3) {
        // Compared with the empty text as they stand: a blank is a name.
        const std::pair<TComboBox*, const char*> required[] = {
            {cbxSecurityName, "SecurityName is empty!"},
            {cbxSecurityLevel, "SecurityLevel is empty!"},
            {cbxAuthProtocol, "AuthProtocol is empty!"},
            {cbxPrivProtocol, "PrivProtocol is empty!"},
        };
        for (const auto& [combo, message] : required) {
            if (combo->Text().empty()) {
                ShowMessage(message, this);
                return false;
            }
        }
    }
    // The reader would silently fall back to port 161 for anything else.
    if (!IsValidPort(edtPort->Text())) {
        ShowMessage("Port must be a number from 1 to 65535!", this);
        return false;
    }
    return true;
}

QxDeviceConfig::Values TfrmConfigSNMP::CollectValues() const {
    QxDeviceConfig::Values v;
    const int item = rgpSNMPVersion->ItemIndex();
    v.agentIp = lblIP->Caption();
    v.agentPort = edtPort->Text();
    v.version = item == ItemV1 ? "0" : item == ItemV2c ? "1" : item == ItemV3 ? "3" : "";
    v.securityName = item == ItemV3 ? cbxSecurityName->Text() : std::string();
    v.authPassword = edtAuthPass->Text();
    v.privPassword = edtPrivPass->Text();
    v.authProtocol = cbxAuthProtocol->ItemIndex();
    v.privProtocol = cbxPrivProtocol->ItemIndex();
    v.contextEngineId = edtContextEngine->Text();
    v.securityLevel = cbxSecurityLevel->ItemIndex();
    v.contextName = edtContext->Text();
    v.getCommunity = edtContext->Text();
    v.setCommunity = edtCommunity->Text();
    const QLocale locale = QLocale::system();
    v.updateDate = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    v.updateTime = locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
    return v;
}

bool TfrmConfigSNMP::ComputeVersionModified() const {
    const int item = rgpSNMPVersion->ItemIndex();
    switch (ToInt(running_.version, 0)) {
    case 0:
        return item != ItemV1;
    case 1:
        return item != ItemV2c;
    case 3:
        return item != ItemV3 || cbxSecurityName->Text() != running_.securityName;
    default:
        return false;
    }
}

void TfrmConfigSNMP::btnOkClick() {
    if (!CheckInput()) {
        return;
    }
    if (!IsPlainFileName(lblIP->Caption()) ||
        !QxDeviceConfig::Write(ConfigPath(), CollectValues())) {
        ShowMessage("Create file error!", this);
        return;
    }
    versionModified_ = ComputeVersionModified();
    SetModalResult(mrOk);
}
