#include "ServicesTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/services/TfrmACCServerCtrl.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr const char* RowStateColumn = "1.3.6.1.4.1.32473.12.5.12.1.4";
// Group "admins", 192.0.2.11, tacacs-plus.
constexpr const char* AdminsTacacsPlus =
    "1.3.6.1.4.1.32473.12.5.12.1.4.6.97.100.109.105.110.115.192.0.2.11.3";

using AccServerTest = ServicesTest;

void Fill(TfrmACCServerCtrl& form, const char* group, const char* address, const char* protocol,
          const char* state) {
    form.edtGroupName->SetText(group);
    form.edtIPAddr->SetText(address);
    form.cbAuthProtocol->SetText(protocol);
    form.cbRowState->SetText(state);
}

TEST_F(AccServerTest, OpensWithAReadAndEmptyFieldsAndWritesARowState) {
    TfrmACCServerCtrl form(nullptr);
    EXPECT_EQ(form.Caption(), "ACC Server Control Table : 127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 302);
    EXPECT_EQ(form.ClientHeight(), 212);
    EXPECT_TRUE(std::regex_match(form.StatusBar1->SimpleText(),
                                 std::regex(R"(Get: Ok!\. Receive at \d\d:\d\d:\d\d [AP]M\.)")))
        << form.StatusBar1->SimpleText();
    EXPECT_EQ(form.edtGroupName->Text(), "");
    EXPECT_EQ(form.edtIPAddr->Text(), "");
    EXPECT_EQ(form.cbAuthProtocol->ItemIndex(), -1);
    EXPECT_EQ(form.cbRowState->ItemIndex(), -1);
    const std::vector<std::string> protocols = {"tacacs", "xtacacs", "tacacs-plus", "radius"};
    for (int i = 0; i < form.cbAuthProtocol->ItemCount(); ++i) {
        EXPECT_EQ(form.cbAuthProtocol->Item(i), protocols.at(static_cast<size_t>(i)));
    }
    EXPECT_EQ(form.cbRowState->Item(0), "add");
    EXPECT_EQ(form.cbRowState->Item(1), "delete");

    bool ran = false;
    PostCall(&form, [&] {
        ran = true;
        Fill(form, "admins", "192.0.2.11", "tacacs-plus", "delete");
        form.btnSet->Click();
        EXPECT_TRUE(std::regex_match(form.StatusBar1->SimpleText(),
                                     std::regex(R"(Set: Ok!\. Receive at \d\d:\d\d:\d\d [AP]M\.)")))
            << form.StatusBar1->SimpleText();
        // The fields keep what was written.
        EXPECT_EQ(form.edtGroupName->Text(), "admins");
        EXPECT_EQ(form.cbRowState->Text(), "delete");
        form.btnClose->Click();
    });
    form.ShowModal();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Walk(RowStateColumn)[AdminsTacacsPlus], "2");
}

TEST_F(AccServerTest, EveryFieldIsNeeded) {
    struct Case {
        const char* name;
        const char* group;
        const char* address;
        const char* protocol;
        const char* state;
    };
    const Case cases[] = {
        {"no group", "", "192.0.2.11", "tacacs-plus", "delete"},
        {"no address", "admins", "", "tacacs-plus", "delete"},
        {"no protocol", "admins", "192.0.2.11", "", "delete"},
        {"no row state", "admins", "192.0.2.11", "tacacs-plus", ""},
        {"nothing", "", "", "", ""},
    };
    const std::map<std::string, std::string> before = Walk(RowStateColumn);
    TfrmACCServerCtrl form(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.StatusBar1->SetSimpleText("");
        Fill(form, c.group, c.address, c.protocol, c.state);
        form.btnSet->Click();
        EXPECT_EQ(form.StatusBar1->SimpleText(), "Don't Leave Empty Fileds !");
    }
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Walk(RowStateColumn), before);
}

// The device refuses a server it has no row for: a box says the write failed, the status bar
// says why.
TEST_F(AccServerTest, ARefusedWriteShowsItsBoxAndItsReason) {
    TfrmACCServerCtrl form(nullptr);
    Fill(form, "ops", "198.51.100.21", "radius", "add");
    MessageScript::Push(mrOk);
    form.btnSet->Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Set entry failed!"});
    const std::string status = form.StatusBar1->SimpleText();
    EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
    EXPECT_EQ(status.find("Ok!"), std::string::npos) << status;
    EXPECT_EQ(Walk(RowStateColumn).size(), 3u);
}

// An address that is not four numbers 0-255 is refused before anything is sent (it would
// name another server: 192.0.2.266 went out as 192.0.2.0): the box names the field, the text
// stays, and the device is unchanged. Blanks around a valid address are no part of it.
TEST_F(AccServerTest, InvalidAddressIsRefusedAndNothingIsWritten) {
    const std::map<std::string, std::string> before = Walk(RowStateColumn);
    TfrmACCServerCtrl form(nullptr);
    for (const char* address : {"192.0.2.266", "1.2.3", "abc", "256.256.256.256", "192.0.2.11.3",
                                "192.0..11", "-1.0.2.11", "(NULL)"}) {
        SCOPED_TRACE(address);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        Fill(form, "admins", address, "tacacs-plus", "delete");
        form.btnSet->Click();
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].rfind(
                      "\"IP Addr\": \"" + std::string(address) + "\" is not a valid value.", 0),
                  0u)
            << Boxes()[0];
        EXPECT_EQ(form.edtIPAddr->Text(), address);
        const std::string status = form.StatusBar1->SimpleText();
        EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
        EXPECT_EQ(status.find("Ok!"), std::string::npos) << status;
    }
    EXPECT_EQ(Walk(RowStateColumn), before);

    MessageScript::Clear();
    Fill(form, "admins", " 192.0.2.11 ", "tacacs-plus", "delete");
    form.btnSet->Click();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Walk(RowStateColumn)[AdminsTacacsPlus], "2");
}

// A device that cannot be read while the window opens: the error is in the status bar.
TEST_F(AccServerTest, AReadErrorWhileOpeningIsShown) {
    SnmpGlobal().security.readCommunity = "nobody"; // not answered
    SnmpGlobal().timeout = 10;
    TfrmACCServerCtrl form(nullptr);
    EXPECT_EQ(form.StatusBar1->SimpleText().rfind("Get: SNMP request timed out!", 0), 0u)
        << form.StatusBar1->SimpleText();
    EXPECT_EQ(form.edtGroupName->Text(), "");
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
