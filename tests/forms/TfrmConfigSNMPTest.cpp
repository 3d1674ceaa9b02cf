#include "AgentTarget.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "forms/config/TfrmConfigSNMP.h"
#include "shell/QxDeviceConfig.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TRadioGroup.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* Address = "10.0.0.5";

class ConfigSNMP : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path().toStdString() + "/";
    }

    std::unique_ptr<TfrmConfigSNMP>
    Make(const std::string& version = "0", const std::string& name = "",
         const std::optional<QxSettingsTexts>& stored = std::nullopt) {
        return std::make_unique<TfrmConfigSNMP>(
            nullptr, TfrmConfigSNMP::Running{folder_, Address, version, name}, stored);
    }

    std::string CfgPath() const { return folder_ + Address + ".cfg"; }
    bool CfgExists() const { return std::filesystem::exists(CfgPath()); }
    std::string CfgBytes() const {
        std::ifstream in(CfgPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Presses OK expecting one message box with `text`; the dialog stays open.
    void ExpectRefused(TfrmConfigSNMP& form, const std::string& text) {
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form.btnOk->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text, text);
        EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK);
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_FALSE(form.VersionModified());
    }

    // Chooses SNMPv3 with every field filled.
    static void FillV3(TfrmConfigSNMP& form) {
        form.rgpSNMPVersion->Click(2);
        form.cbxSecurityName->SetItemIndex(2);  // MD5_DES_User
        form.cbxSecurityLevel->SetItemIndex(2); // AuthPriv
        form.cbxAuthProtocol->SetItemIndex(1);  // HMACMD5
        form.cbxPrivProtocol->SetItemIndex(1);  // CBC_DES
        form.edtAuthPass->SetText("authpass1");
        form.edtPrivPass->SetText("privpass1");
        form.edtContext->SetText("ctx");
        form.edtContextEngine->SetText("8000000001");
        form.edtCommunity->SetText("wc");
        form.edtPort->SetText("1161");
    }

    QTemporaryDir dir_;
    std::string folder_;
};

std::vector<std::string> Items(const TComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.ItemCount(); ++i) {
        items.push_back(combo.Item(i));
    }
    return items;
}

// The value of a key in the written bytes (up to its NUL or line end).
std::string ValueOf(const std::string& bytes, const std::string& key) {
    const std::string marker = "\r\n" + key + "=";
    const size_t start = bytes.find(marker);
    if (start == std::string::npos) {
        return "<missing>";
    }
    const size_t from = start + marker.size();
    const size_t end = bytes.find_first_of(std::string("\0\r", 2), from);
    return bytes.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

TEST_F(ConfigSNMP, OpensWithTheDefaultsAndTheVersionThreeFieldsGreyed) {
    auto form = Make();
    EXPECT_EQ(form->Caption(), "Device SNMP Configure");
    EXPECT_GE(form->ClientWidth(), 482); // wider where the labels need it
    EXPECT_EQ(form->ClientHeight(), 203);
    EXPECT_EQ(form->lblIP->Caption(), Address);
    EXPECT_EQ(form->edtPort->Text(), "161");
    EXPECT_EQ(form->rgpSNMPVersion->Caption(), "SNMP Version");
    EXPECT_EQ(form->rgpSNMPVersion->Columns(), 3);
    EXPECT_EQ(form->rgpSNMPVersion->ItemIndex(), 0);
    EXPECT_EQ(form->rgpSNMPVersion->Item(2), "SNMPv3");
    EXPECT_EQ(form->edtContext->Text(), "readcm");
    EXPECT_EQ(form->edtCommunity->Text(), "writecm");
    EXPECT_EQ(form->btnOk->Caption(), "OK");
    EXPECT_EQ(form->btnExit->Caption(), "Exit");

    const struct {
        TComboBox* combo;
        std::vector<std::string> items;
    } combos[] = {
        {form->cbxSecurityName,
         {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User", "SHA_DES_User"}},
        {form->cbxSecurityLevel, {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"}},
        {form->cbxAuthProtocol,
         {"None", "HMACMD5", "HMAC_SHA", "HMAC_SHA224", "HMAC_SHA256", "HMAC_SHA384",
          "HMAC_SHA512"}},
        {form->cbxPrivProtocol,
         {"None", "CBC_DES", "CBC_IDEA", "CFB_AES128", "CFB_AES192", "CFB_AES256"}},
    };
    for (const auto& row : combos) {
        SCOPED_TRACE(row.combo->Name());
        EXPECT_EQ(Items(*row.combo), row.items);
        EXPECT_EQ(row.combo->Style(), csDropDown);
        EXPECT_EQ(row.combo->Text(), "");
        EXPECT_EQ(row.combo->ItemIndex(), -1);
    }
    for (TEdit* edit : {form->edtAuthPass, form->edtPrivPass, form->edtContextEngine}) {
        EXPECT_EQ(edit->Text(), "") << edit->Name();
    }
}

TEST_F(ConfigSNMP, VersionChoiceGreysTheVersionThreeFields) {
    auto form = Make();
    const struct {
        int item;
        bool v3;
        const char* context;
        const char* community;
    } rows[] = {
        {2, true, "", ""},
        {0, false, "readcm", "writecm"},
        {2, true, "", ""},
        {1, false, "readcm", "writecm"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        form->cbxSecurityName->SetText("typed");
        form->edtAuthPass->SetText("kept");
        form->rgpSNMPVersion->Click(row.item);
        for (TComboBox* combo : {form->cbxSecurityName, form->cbxSecurityLevel,
                                 form->cbxAuthProtocol, form->cbxPrivProtocol}) {
            EXPECT_EQ(combo->Enabled(), row.v3) << combo->Name();
            EXPECT_EQ(combo->Color(), row.v3 ? clWindow : clMenu) << combo->Name();
        }
        for (TEdit* edit : {form->edtAuthPass, form->edtPrivPass, form->edtContextEngine}) {
            EXPECT_EQ(edit->ReadOnly(), !row.v3) << edit->Name();
            EXPECT_EQ(edit->Color(), row.v3 ? clWindow : clMenu) << edit->Name();
        }
        EXPECT_TRUE(form->edtPort->Enabled() && !form->edtPort->ReadOnly());
        EXPECT_EQ(form->edtContext->Text(), row.context);
        EXPECT_EQ(form->edtCommunity->Text(), row.community);
        // Greying keeps what was typed.
        EXPECT_EQ(form->cbxSecurityName->Text(), "typed");
        EXPECT_EQ(form->edtAuthPass->Text(), "kept");
    }
}

TEST_F(ConfigSNMP, EmptyVersionThreeFieldsAreRefusedInOrder) {
    auto form = Make();
    FillV3(*form);
    const struct {
        TComboBox* combo;
        const char* message;
    } rows[] = {
        {form->cbxSecurityName, "SecurityName is empty!"},
        {form->cbxSecurityLevel, "SecurityLevel is empty!"},
        {form->cbxAuthProtocol, "AuthProtocol is empty!"},
        {form->cbxPrivProtocol, "PrivProtocol is empty!"},
    };
    // Emptying the fields from the last to the first shows each message in turn, the first
    // empty field in order winning.
    for (auto row = std::rbegin(rows); row != std::rend(rows); ++row) {
        row->combo->SetText("");
        ExpectRefused(*form, row->message);
        EXPECT_FALSE(CfgExists());
    }
    // A blank is not empty, and is written as it stands.
    MessageScript::Clear();
    for (const auto& row : rows) {
        row.combo->SetText(" ");
    }
    form->btnOk->Click();
    EXPECT_TRUE(MessageScript::Log().empty());
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(ValueOf(CfgBytes(), "SecurityName"), " ");
    EXPECT_EQ(ValueOf(CfgBytes(), "SecurityLevel"), "-1");
}

TEST_F(ConfigSNMP, VersionOneDefaultsWriteTheExactFile) {
    auto form = Make();
    form->btnOk->Click();
    EXPECT_TRUE(MessageScript::Log().empty());
    EXPECT_EQ(form->ModalResult(), mrOk);
    ASSERT_TRUE(CfgExists());
    const std::string bytes = CfgBytes();

    QxDeviceConfig::Values expected;
    expected.agentIp = Address;
    expected.agentPort = "161";
    expected.version = "0";
    expected.contextName = "readcm";
    expected.getCommunity = "readcm";
    expected.setCommunity = "writecm";
    expected.updateDate = ValueOf(bytes, "UpdateDate");
    expected.updateTime = ValueOf(bytes, "UpdateTime");
    EXPECT_FALSE(expected.updateDate.empty());
    EXPECT_FALSE(expected.updateTime.empty());
    EXPECT_EQ(bytes, QxDeviceConfig::Format(expected));
    EXPECT_NE(bytes.find(std::string("\r\nSecurityName=\r\nAuthPassword=\0", 31)),
              std::string::npos);
    for (const char* key : {"AuthProtocol", "PrivProtocol", "SecurityLevel"}) {
        EXPECT_EQ(ValueOf(bytes, key), "-1") << key;
    }
    EXPECT_EQ(std::filesystem::status(CfgPath()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(ConfigSNMP, VersionThreeFileReadsBackAsShown) {
    auto form = Make();
    FillV3(*form);
    form->btnOk->Click();
    ASSERT_EQ(form->ModalResult(), mrOk);

    QxSNMPGlobal global;
    QxSettingsTexts texts;
    ASSERT_TRUE(QxDeviceConfig::Read(CfgPath(), global, texts));
    EXPECT_EQ(global.security.version, 3);
    EXPECT_EQ(global.device.port, 1161);
    EXPECT_EQ(global.security.securityName, "MD5_DES_User");
    EXPECT_EQ(global.security.securityLevel, 3);
    EXPECT_EQ(global.security.authProtocol, 2);
    EXPECT_EQ(global.security.privProtocol, 2);
    EXPECT_EQ(global.security.authPassword, "authpass1");
    EXPECT_EQ(global.security.privPassword, "privpass1");
    EXPECT_EQ(global.scope.contextName, "ctx");
    EXPECT_EQ(global.scope.contextEngineId, "8000000001");
    EXPECT_EQ(global.security.securityModel, 3);
    EXPECT_EQ(ValueOf(CfgBytes(), "SetCommStr"), "wc");
    EXPECT_EQ(ValueOf(CfgBytes(), "GetCommStr"), "ctx");
}

// Each protocol item is written as its position, read as its protocol code, and shown again
// as the same item when the dialog opens with the stored settings.
TEST_F(ConfigSNMP, EveryProtocolItemReadsBackAndIsShownAgain) {
    const struct {
        int auth, priv;         // items chosen
        int authCode, privCode; // codes read from the file
    } rows[] = {
        {0, 0, 1, 1},  {1, 1, 2, 2},  {2, 2, 3, 9}, {3, 3, 4, 4},
        {4, 4, 5, 20}, {5, 5, 6, 21}, {6, 3, 7, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.auth) + "/" + std::to_string(row.priv));
        std::filesystem::remove(CfgPath());
        auto form = Make();
        FillV3(*form);
        form->cbxAuthProtocol->SetItemIndex(row.auth);
        form->cbxPrivProtocol->SetItemIndex(row.priv);
        form->btnOk->Click();
        ASSERT_EQ(form->ModalResult(), mrOk);
        EXPECT_EQ(ValueOf(CfgBytes(), "AuthProtocol"), std::to_string(row.auth));
        EXPECT_EQ(ValueOf(CfgBytes(), "PrivProtocol"), std::to_string(row.priv));

        QxSNMPGlobal global;
        QxSettingsTexts stored;
        stored.FromGlobal(global);
        ASSERT_TRUE(QxDeviceConfig::Read(CfgPath(), global, stored));
        EXPECT_EQ(global.security.authProtocol, row.authCode);
        EXPECT_EQ(global.security.privProtocol, row.privCode);
        auto again = Make("3", "MD5_DES_User", stored);
        EXPECT_EQ(again->cbxAuthProtocol->ItemIndex(), row.auth);
        EXPECT_EQ(again->cbxPrivProtocol->ItemIndex(), row.priv);
    }
}

TEST_F(ConfigSNMP, VersionModifiedFlag) {
    const struct {
        const char* runningVersion;
        const char* runningName;
        int item;
        const char* name;
        const char* community;
        bool modified;
    } rows[] = {
        {"0", "", 0, "", "writecm", false},         {"", "", 0, "", "writecm", false},
        {"0", "", 1, "", "writecm", true},          {"1", "", 1, "", "changed", false},
        {"1", "", 0, "", "writecm", true},          {"3", "MD5_User", 2, "MD5_User", "", false},
        {"3", "MD5_User", 2, "SHA_User", "", true}, {"3", "MD5_User", 2, "md5_user", "", true},
        {"3", "MD5_User", 1, "MD5_User", "", true}, {"7", "", 2, "SHA_User", "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.runningVersion) + " -> " + std::to_string(row.item) + " " +
                     row.name);
        std::filesystem::remove(CfgPath());
        auto form = Make(row.runningVersion, row.runningName);
        EXPECT_FALSE(form->VersionModified());
        FillV3(*form);
        form->cbxSecurityName->SetText(row.name);
        form->rgpSNMPVersion->Click(row.item);
        form->edtCommunity->SetText(row.community);
        form->btnOk->Click();
        EXPECT_EQ(form->ModalResult(), mrOk);
        EXPECT_EQ(form->VersionModified(), row.modified);
        EXPECT_TRUE(CfgExists());
    }
}

TEST_F(ConfigSNMP, StoredSettingsArePrefilledAndSurviveAnUnchangedOk) {
    {
        auto first = Make();
        FillV3(*first);
        first->btnOk->Click();
        ASSERT_EQ(first->ModalResult(), mrOk);
    }
    QxSNMPGlobal global;
    QxSettingsTexts stored;
    stored.FromGlobal(global);
    ASSERT_TRUE(QxDeviceConfig::Read(CfgPath(), global, stored));
    const std::string before = CfgBytes();

    // Changing only the port keeps every other stored setting.
    auto form = Make("3", "MD5_DES_User", stored);
    EXPECT_EQ(form->rgpSNMPVersion->ItemIndex(), 2);
    EXPECT_EQ(form->edtPort->Text(), "1161");
    EXPECT_EQ(form->cbxSecurityName->Text(), "MD5_DES_User");
    EXPECT_EQ(form->cbxSecurityLevel->ItemIndex(), 2);
    EXPECT_EQ(form->cbxAuthProtocol->ItemIndex(), 1);
    EXPECT_EQ(form->cbxPrivProtocol->ItemIndex(), 1);
    EXPECT_EQ(form->edtAuthPass->Text(), "authpass1");
    EXPECT_EQ(form->edtPrivPass->Text(), "privpass1");
    EXPECT_EQ(form->edtContext->Text(), "ctx");
    EXPECT_EQ(form->edtContextEngine->Text(), "8000000001");
    EXPECT_TRUE(form->cbxSecurityName->Enabled());
    EXPECT_FALSE(form->edtAuthPass->ReadOnly());
    form->edtPort->SetText("162");
    form->btnOk->Click();
    ASSERT_EQ(form->ModalResult(), mrOk);
    EXPECT_FALSE(form->VersionModified());
    const std::string after = CfgBytes();
    for (const char* key :
         {"Version", "SecurityName", "AuthPassword", "PrivPassword", "AuthProtocol", "PrivProtocol",
          "ContextEngineID", "SecurityLevel", "ContextName"}) {
        EXPECT_EQ(ValueOf(after, key), ValueOf(before, key)) << key;
    }
    EXPECT_EQ(ValueOf(after, "AgentPort"), "162");
}

TEST_F(ConfigSNMP, StoredVersionTwoSettingsShowTheRunningCommunities) {
    QxSettingsTexts stored;
    stored.version = "1";
    stored.port = "2161";
    stored.readCommunity = "public";
    stored.writeCommunity = "private";
    stored.securityLevel = "1";
    stored.authProtocol = "0"; // written when no protocol was chosen
    stored.privProtocol = "9"; // CBC-IDEA
    auto form = Make("1", "", stored);
    EXPECT_EQ(form->rgpSNMPVersion->ItemIndex(), 1);
    EXPECT_EQ(form->edtPort->Text(), "2161");
    EXPECT_EQ(form->edtContext->Text(), "public");
    EXPECT_EQ(form->edtCommunity->Text(), "private");
    EXPECT_EQ(form->cbxSecurityLevel->ItemIndex(), 0);
    EXPECT_EQ(form->cbxAuthProtocol->ItemIndex(), -1);
    EXPECT_EQ(form->cbxPrivProtocol->ItemIndex(), 2);
    EXPECT_FALSE(form->cbxSecurityName->Enabled());
    EXPECT_TRUE(form->edtAuthPass->ReadOnly());
}

// The dialog shows the file as it is on disk each time it opens, whatever the module started
// with; an OK that changes nothing leaves the file byte for byte as it was.
TEST_F(ConfigSNMP, EachOpeningShowsTheFileOnDiskAndAnUnchangedOkKeepsItsBytes) {
    {
        auto first = Make("1"); // the module runs SNMPv2c
        first->rgpSNMPVersion->Click(0);
        first->btnOk->Click();
        ASSERT_EQ(first->ModalResult(), mrOk);
        EXPECT_TRUE(first->VersionModified());
    }
    ASSERT_EQ(ValueOf(CfgBytes(), "Version"), "0");
    const std::string written = CfgBytes();
    // The time of writing must not be what keeps the bytes equal.
    QTest::qWait(1100);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        auto form = Make("1");
        EXPECT_EQ(form->rgpSNMPVersion->ItemIndex(), 0);
        form->btnOk->Click();
        ASSERT_EQ(form->ModalResult(), mrOk);
        EXPECT_TRUE(form->VersionModified());
        EXPECT_EQ(CfgBytes(), written);
    }

    // A file written by hand, without the NUL bytes, is kept as well.
    const std::string byHand = "[Program Information]\r\nAgentPort=1161\r\nVersion=3\r\n"
                               "SecurityName=SHA_User\r\nAuthProtocol=2\r\nSecurityLevel=1\r\n"
                               "PrivProtocol=0\r\nAuthPassword=shauserpass\r\n"
                               "GetCommStr=ctx\r\nContextName=ctx\r\nSetCommStr=wc\r\n";
    std::ofstream(CfgPath(), std::ios::binary) << byHand;
    {
        auto form = Make("3", "SHA_User");
        EXPECT_EQ(form->rgpSNMPVersion->ItemIndex(), 2);
        EXPECT_EQ(form->edtPort->Text(), "1161");
        EXPECT_EQ(form->cbxSecurityName->Text(), "SHA_User");
        EXPECT_EQ(form->cbxAuthProtocol->ItemIndex(), 2);
        EXPECT_EQ(form->edtAuthPass->Text(), "shauserpass");
        EXPECT_EQ(form->edtContext->Text(), "ctx");
        EXPECT_EQ(form->edtCommunity->Text(), "wc");
        form->btnOk->Click();
        ASSERT_EQ(form->ModalResult(), mrOk);
        EXPECT_FALSE(form->VersionModified());
        EXPECT_EQ(CfgBytes(), byHand);
    }
    // A change is written, and keeps everything else.
    auto form = Make("3", "SHA_User");
    form->edtPort->SetText("2161");
    form->btnOk->Click();
    ASSERT_EQ(form->ModalResult(), mrOk);
    const std::string after = CfgBytes();
    EXPECT_EQ(ValueOf(after, "AgentPort"), "2161");
    EXPECT_EQ(ValueOf(after, "SecurityName"), "SHA_User");
    EXPECT_EQ(ValueOf(after, "AuthProtocol"), "2");
    EXPECT_EQ(ValueOf(after, "SetCommStr"), "wc");
}

TEST_F(ConfigSNMP, PassPhrasesAreMaskedUntilShown) {
    auto form = Make("3");
    FillV3(*form);
    for (TEdit* edit : {form->edtAuthPass, form->edtPrivPass}) {
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << edit->Name();
    }
    EXPECT_EQ(form->edtContext->echoMode(), QLineEdit::Normal);
    form->chkShowPass->Click();
    for (TEdit* edit : {form->edtAuthPass, form->edtPrivPass}) {
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << edit->Name();
    }
    form->chkShowPass->Click();
    EXPECT_EQ(form->edtAuthPass->echoMode(), QLineEdit::Password);
    // Masking changes nothing of what is written.
    form->btnOk->Click();
    EXPECT_EQ(ValueOf(CfgBytes(), "AuthPassword"), "authpass1");
}

// "Test" tries what the dialog shows against the device at once and says what is wrong.
TEST_F(ConfigSNMP, TestSaysWhetherTheSettingsWork) {
    EnsureTestSession();
    TestAgent sim(TestAgent::Kind::Simulator);
    const std::string port = std::to_string(sim.Port());
    struct Row {
        const char* name;
        std::function<void(TfrmConfigSNMP&)> fill;
        TMsgIcon icon;
        const char* says;
    };
    const auto v3 = [](const char* authPass) {
        return [authPass](TfrmConfigSNMP& f) {
            FillV3(f);
            f.edtAuthPass->SetText(authPass);
            f.edtPrivPass->SetText("md5despriv1");
            f.edtContext->SetText("");
            f.edtContextEngine->SetText("");
        };
    };
    const Row rows[] = {
        {"SNMPv2c", [](TfrmConfigSNMP& f) { f.rgpSNMPVersion->Click(1); }, miInformation,
         "answers SNMPv2c"},
        {"wrong community",
         [](TfrmConfigSNMP& f) {
             f.rgpSNMPVersion->Click(1);
             f.edtContext->SetText("nope");
         },
         miWarning, "a wrong read community"},
        {"SNMPv3", v3("md5despass1"), miInformation, "answers SNMPv3"},
        {"wrong auth pass phrase", v3("not-the-pass"), miWarning, "authentication pass phrase"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TfrmConfigSNMP form(
            nullptr, TfrmConfigSNMP::Running{folder_, "127.0.0.1", "1", "", "readcm", "writecm"});
        row.fill(form);
        form.edtPort->SetText(port);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form.btnTest->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        const MessageScript::Entry& box = MessageScript::Log()[0];
        EXPECT_EQ(box.icon, row.icon) << box.text;
        EXPECT_NE(box.text.find(row.says), std::string::npos) << box.text;
        if (row.icon == miInformation) {
            EXPECT_NE(box.text.find("Up time: "), std::string::npos) << box.text;
        }
        EXPECT_EQ(form.ModalResult(), mrNone);
        EXPECT_FALSE(std::filesystem::exists(folder_ + "127.0.0.1.cfg")) << "Test writes nothing";
    }
    MessageScript::Clear();
}

TEST_F(ConfigSNMP, PortOutsideTheRangeIsRefused) {
    auto form = Make();
    for (const char* port : {"0", "65536", "99999999999", "", "abc", "16 1", " 161", "-1"}) {
        SCOPED_TRACE(port);
        form->edtPort->SetText(port);
        ExpectRefused(*form, "Port must be a number from 1 to 65535!");
        EXPECT_FALSE(CfgExists());
    }
    for (const char* port : {"1", "65535"}) {
        std::filesystem::remove(CfgPath());
        auto accepted = Make();
        accepted->edtPort->SetText(port);
        accepted->btnOk->Click();
        EXPECT_EQ(accepted->ModalResult(), mrOk) << port;
        EXPECT_EQ(ValueOf(CfgBytes(), "AgentPort"), port);
    }
}

TEST_F(ConfigSNMP, ExitWritesNothing) {
    auto form = Make("0");
    form->rgpSNMPVersion->Click(1);
    QTimer::singleShot(0, form.get(), [&] { form->btnExit->Click(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_FALSE(form->VersionModified());
    EXPECT_FALSE(CfgExists());
    EXPECT_TRUE(MessageScript::Log().empty());
}

TEST_F(ConfigSNMP, OkEndsTheModalLoop) {
    auto form = Make("0");
    form->rgpSNMPVersion->Click(1);
    QTimer::singleShot(0, form.get(), [&] { form->btnOk->Click(); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_TRUE(form->VersionModified());
    EXPECT_TRUE(CfgExists());
}

TEST_F(ConfigSNMP, FileThatCannotBeCreatedIsReported) {
    // A regular file where the program folder should be: nothing can be created below it,
    // whatever the user's rights.
    const std::string notAFolder = folder_ + "plain";
    std::ofstream(notAFolder) << "x";
    const struct {
        std::string folder;
        std::string address;
    } rows[] = {
        {folder_ + "missing/", Address},
        {notAFolder + "/", Address},
        {folder_, "../10.0.0.5"},
        {folder_, "a/b"},
        {folder_, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder + row.address);
        TfrmConfigSNMP form(nullptr, {row.folder, row.address, "1", ""});
        ExpectRefused(form, "Create file error!");
    }
    EXPECT_EQ(std::vector<std::filesystem::path>(std::filesystem::directory_iterator(folder_),
                                                 std::filesystem::directory_iterator()),
              std::vector<std::filesystem::path>{notAFolder});
    EXPECT_FALSE(std::filesystem::exists(dir_.path().toStdString() + "/../10.0.0.5.cfg"));
}

} // namespace
