#include "forms/config/TfrmConfigSNMP.h"

#include "shell/QxIni.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TRadioGroup.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TScrollBox.h"

#include <QApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>
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
    const std::optional<QxSettingsTexts> fromFile = stored ? std::nullopt : ReadStored();
    fileWasThere_ = fromFile.has_value();
    if (stored) {
        Prefill(*stored);
    } else if (fromFile) {
        Prefill(*fromFile);
    }
    ApplyVersionState();
    shown_ = CollectValues();
}

std::optional<QxSettingsTexts> TfrmConfigSNMP::ReadStored() const {
    const std::string path = ConfigPath();
    if (!IsPlainFileName(lblIP->Caption())) {
        return std::nullopt;
    }
    QxSNMPGlobal global;
    QxSettingsTexts texts;
    if (!QxDeviceConfig::Read(path, global, texts)) {
        return std::nullopt;
    }
    // The module never takes the communities from the file, but the dialog shows what the
    // file holds, so that an OK keeps them.
    const QxIni ini(path);
    texts.readCommunity =
        ini.ReadString(QxDeviceConfig::Section, "GetCommStr", running_.readCommunity);
    texts.writeCommunity =
        ini.ReadString(QxDeviceConfig::Section, "SetCommStr", running_.writeCommunity);
    return texts;
}

TfrmConfigSNMP::~TfrmConfigSNMP() = default;

void TfrmConfigSNMP::BuildControls() {
    scrollBox1_ = new TScrollBox(this);
    scrollBox1_->SetName("ScrollBox1");
    scrollBox1_->SetAlign(alClient);
    QWidget* box = scrollBox1_;

    // Columns wide enough for their labels in the dialog's own font.
    const QFontMetrics metrics(font());
    const auto widest = [&metrics](std::initializer_list<const char*> texts) {
        int width = 0;
        for (const char* text : texts) {
            width = std::max(width, metrics.horizontalAdvance(QString::fromUtf8(text)));
        }
        return width + 4;
    };
    constexpr int LeftLabel = 8;
    // Fields as wide as a drop-down list of the longest choice needs.
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(this);
    comboOption.frame = true;
    const int FieldWidth = std::max(
        120, style()
                 ->sizeFromContents(
                     QStyle::CT_ComboBox, &comboOption,
                     QSize(widest({"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User",
                                   "SHA_DES_User", "NoAuthNoPriv", "AuthNoPriv", "AuthPriv",
                                   "HMAC_SHA224", "HMAC_SHA256", "HMAC_SHA384", "HMAC_SHA512",
                                   "CFB_AES128", "CFB_AES192", "CFB_AES256"}),
                           metrics.height()),
                     this)
                 .width());
    const int leftField = std::max(
        112,
        LeftLabel + widest({"IP : ", "Port : ", "Context Name : ", "Write Community String : "}));
    // Three radio buttons side by side, each with its indicator and the longest caption.
    const int radioWidth = std::max(222, 3 * (widest({"SNMPv1", "SNMPv2c", "SNMPv3"}) + 32) + 8);
    const int leftRight = std::max(leftField + FieldWidth, LeftLabel + radioWidth);
    const int RightLabel = std::max(244, leftRight + 14);
    const int RightField = std::max(
        362,
        RightLabel +
            widest({"Security Name : ", "Security Level : ", "Auth Protocol : ", "Auth Password : ",
                    "Priv Protocol : ", "Priv Password : ", "Context Engine ID :  "}));
    const int LeftField = leftField;
    SetClientWidth(std::max(482, RightField + FieldWidth + 8));

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
    rgpSNMPVersion->SetBounds(LeftLabel, 58, radioWidth, 40);
    rgpSNMPVersion->OnClick = [this] { rgpSNMPVersionClick(); };

    MakeLabel(box, "Context Name : ", LeftLabel, 106);
    edtContext = MakeEdit(box, "edtContext", LeftField, 106);
    edtContext->SetText(DefaultReadCommunity);
    MakeLabel(box, "Write Community String : ", LeftLabel, 130);
    edtCommunity = MakeEdit(box, "edtCommunity", LeftField, 130);
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
    for (TEdit* edit :
         {edtPort, edtContext, edtCommunity, edtAuthPass, edtPrivPass, edtContextEngine}) {
        edit->SetWidth(FieldWidth);
    }
    for (TComboBox* combo : {cbxSecurityName, cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol}) {
        combo->SetWidth(FieldWidth);
    }

    chkShowPass = new TCheckBox(box);
    chkShowPass->SetName("chkShowPass");
    chkShowPass->SetCaption("Show pass phrases");
    chkShowPass->SetBounds(RightField, 178,
                           std::max(FieldWidth, widest({"Show pass phrases"}) + 24), 17);
    chkShowPass->OnClick = [this] { ShowPassPhrases(chkShowPass->Checked()); };
    ShowPassPhrases(false);

    // OK, Exit and Test side by side under the left column.
    const int buttonWidth = std::max(70, widest({"OK", "Exit", "Test"}) + 16);
    btnOk = new TButton(box);
    btnOk->SetName("btnOk");
    btnOk->SetCaption("OK");
    btnOk->SetBounds(LeftLabel, 166, buttonWidth, 25);
    btnOk->SetDefault(true);
    btnOk->OnClick = [this] { btnOkClick(); };

    btnExit = new TButton(box);
    btnExit->SetName("btnExit");
    btnExit->SetCaption("Exit");
    btnExit->SetBounds(LeftLabel + buttonWidth + 8, 166, buttonWidth, 25);
    btnExit->SetCancel(true);
    btnExit->SetModalResult(mrCancel);

    btnTest = new TButton(box);
    btnTest->SetName("btnTest");
    btnTest->SetCaption("&Test");
    btnTest->SetBounds(LeftLabel + 2 * (buttonWidth + 8), 166, buttonWidth, 25);
    btnTest->OnClick = [this] { btnTestClick(); };

    // The window holds every control whole, whatever heights the style gives them, so that its
    // scroll box shows no scroll bars.
    int right = 0;
    int bottom = 0;
    for (const TControl* c : std::initializer_list<const TControl*>{
             cbxSecurityName, cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol, edtAuthPass,
             edtPrivPass, edtContextEngine, chkShowPass, btnOk, btnTest}) {
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    SetClientWidth(std::max(ClientWidth(), right + 8));
    SetClientHeight(std::max(ClientHeight(), bottom + 8));
}

void TfrmConfigSNMP::ShowPassPhrases(bool shown) {
    for (TEdit* edit : {edtAuthPass, edtPrivPass}) {
        edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    }
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

namespace {

// Whether two sets of values store the same settings (the date and time of writing aside).
bool SameSettings(const QxDeviceConfig::Values& a, const QxDeviceConfig::Values& b) {
    const auto key = [](const QxDeviceConfig::Values& v) {
        return std::tie(v.agentIp, v.agentPort, v.version, v.securityName, v.authPassword,
                        v.privPassword, v.authProtocol, v.privProtocol, v.contextEngineId,
                        v.securityLevel, v.contextName, v.getCommunity, v.setCommunity, v.getBulk);
    };
    return key(a) == key(b);
}

} // namespace

void TfrmConfigSNMP::btnOkClick() {
    if (!CheckInput()) {
        return;
    }
    // Nothing changed since the file was read: it stays as it is, byte for byte (its date and
    // time of writing included).
    std::error_code error;
    const bool unchanged = fileWasThere_ && SameSettings(CollectValues(), shown_) &&
                           std::filesystem::is_regular_file(ConfigPath(), error);
    if (unchanged) {
        versionModified_ = ComputeVersionModified();
        SetModalResult(mrOk);
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

QxConnectionDoctor::Settings TfrmConfigSNMP::DoctorSettings() const {
    QxConnectionDoctor::Settings s;
    s.device.address = lblIP->Caption();
    s.device.port = static_cast<std::uint16_t>(ToInt(edtPort->Text(), 161));
    const int item = rgpSNMPVersion->ItemIndex();
    s.security.version = item == ItemV3 ? 3 : item == ItemV2c ? 1 : 0;
    if (item != ItemV3) {
        s.security.readCommunity = edtContext->Text();
        s.security.writeCommunity = edtCommunity->Text();
        return s;
    }
    // SNMPv3: the reachability check asks SNMPv2c with the read community the module runs with.
    s.security.readCommunity = running_.readCommunity;
    s.security.writeCommunity = edtCommunity->Text();
    s.security.securityModel = 3;
    s.security.securityName = cbxSecurityName->Text();
    // The lists hold the protocols in the order of their stored positions.
    s.security.securityLevel = std::max(0, cbxSecurityLevel->ItemIndex()) + 1;
    s.security.authProtocol = std::max(0, cbxAuthProtocol->ItemIndex()) + 1;
    s.security.privProtocol =
        QxDeviceConfig::PrivCodeOfPosition(std::max(0, cbxPrivProtocol->ItemIndex()));
    s.security.authPassword = edtAuthPass->Text();
    s.security.privPassword = edtPrivPass->Text();
    s.scope.contextName = edtContext->Text();
    s.scope.contextEngineId = edtContextEngine->Text();
    return s;
}

void TfrmConfigSNMP::btnTestClick() {
    if (!IsValidPort(edtPort->Text())) {
        ShowMessage("Port must be a number from 1 to 65535!", this);
        return;
    }
    btnTest->SetEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lastTest_ = QxConnectionDoctor::Check(DoctorSettings());
    QApplication::restoreOverrideCursor();
    btnTest->SetEnabled(true);
    MessageBox(lastTest_.text, "Connection test", mbOK,
               lastTest_.Answers() ? miInformation : miWarning, this);
}
