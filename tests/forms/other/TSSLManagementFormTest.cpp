#include "OtherSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/other/TSSLManagementForm.h"
#include "snmp/QxSNMPError.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Form = TSSLManagementForm;

constexpr const char* StatusAdmin = "1.3.6.1.4.1.32473.12.7.1.1.0";
constexpr const char* CipherSuites = "1.3.6.1.4.1.32473.12.7.1.2.0";
constexpr const char* CacheTimeout = "1.3.6.1.4.1.32473.12.7.1.3.0";
constexpr const char* InSetRequests = "1.3.6.1.2.1.11.17.0";

TEST(SslCipherSuites, FirstDigitCarriesTheSuites) {
    const struct {
        const char* text;
        bool read;
        int bits;
    } cases[] = {
        {"A0", true, 10}, {"F0", true, 15}, {"00", true, 0},  {"10", true, 1},
        {"a0", true, 10}, {"9F", true, 9},  {"A", false, 0},  {"A00", false, 0},
        {"", false, 0},   {"G0", false, 0}, {" A", false, 0},
    };
    for (const auto& c : cases) {
        int bits = 0;
        EXPECT_EQ(Form::SuiteBitsOf(c.text, bits), c.read) << c.text;
        if (c.read) {
            EXPECT_EQ(bits, c.bits) << c.text;
        }
    }
}

TEST(SslCipherSuites, SwitchesMakeOneUpperCaseDigitAndZero) {
    const struct {
        std::array<bool, 4> enabled;
        const char* text;
    } cases[] = {
        {{false, false, false, false}, "00"}, {{false, false, false, true}, "10"},
        {{true, false, true, false}, "A0"},   {{true, true, true, true}, "F0"},
        {{false, true, false, false}, "40"},  {{true, true, false, true}, "D0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Form::CipherText(c.enabled), c.text) << c.text;
    }
}

class SslControl : public OtherDeviceTest {
protected:
    static bool Idle(Form& form) {
        return WaitUntil([&] { return !form.Binding()->busy; }, 10000);
    }
    static std::vector<std::string> Suites(const Form& form) {
        std::vector<std::string> shown;
        for (TComboBox* combo : form.cbxciphersuites) {
            shown.push_back(combo->Text());
        }
        return shown;
    }
    static long SetRequests() { return std::atol(DeviceValue(InSetRequests).c_str()); }
};

TEST_F(SslControl, ReadSplitsTheCipherOctetIntoSwitches) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(form.Caption(), "SSL Control Table : 127.0.0.1");
    EXPECT_EQ(form.cbxSSLVersion->Text(), "enabled");
    EXPECT_EQ(form.edtCacheTimeOut->Text(), "600");
    EXPECT_EQ(Suites(form),
              (std::vector<std::string>{"enabled", "disabled", "enabled", "disabled"}));
    EXPECT_TRUE(StartsWith(form.StatusBar1->SimpleText(), "Get: Ok!"))
        << form.StatusBar1->SimpleText();
}

// A cipher text of another length than two says nothing about the switches.
TEST_F(SslControl, OddCipherTextLeavesTheSwitches) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    for (const char* text : {"F", "F00", "X0"}) {
        form.edtciphersuites->SetText(text);
        form.Binding()->onGetComplete(*form.Binding(), QxSNMPError{});
        EXPECT_EQ(Suites(form),
                  (std::vector<std::string>{"enabled", "disabled", "enabled", "disabled"}))
            << text;
    }
}

TEST_F(SslControl, SetWritesTheSwitchesAsOneOctetAndReadsAgain) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    form.cbxSSLVersion->SetText("disabled");
    form.edtCacheTimeOut->SetText("300");
    for (TComboBox* combo : form.cbxciphersuites) {
        combo->SetText("disabled");
    }
    form.cbxciphersuites[3]->SetText("enabled");
    form.btnSetClick();
    // The write, then the read after it.
    ASSERT_TRUE(WaitUntil(
        [&] { return !form.Binding()->busy && StartsWith(form.StatusBar1->SimpleText(), "Get:"); },
        10000));
    EXPECT_EQ(DeviceValue(CipherSuites), "10");
    EXPECT_EQ(DeviceValue(StatusAdmin), "2");
    EXPECT_EQ(DeviceValue(CacheTimeout), "300");
    EXPECT_EQ(form.edtciphersuites->Text(), "10");
    EXPECT_EQ(Suites(form),
              (std::vector<std::string>{"disabled", "disabled", "disabled", "enabled"}));
    DeviceSet({StatusAdmin, "i", "3", CipherSuites, "x", "A0", CacheTimeout, "u", "600"});
}

TEST_F(SslControl, AnyEmptyFieldIsRefusedWithAWarning) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    ASSERT_TRUE(ShowActive(&form));
    struct Field {
        const char* name;
        std::function<void()> empty;
    };
    const Field fields[] = {
        {"status", [&] { form.cbxSSLVersion->SetItemIndex(-1); }},
        {"cache time-out", [&] { form.edtCacheTimeOut->SetText(""); }},
        {"suite 1", [&] { form.cbxciphersuites[0]->SetItemIndex(-1); }},
        {"suite 2", [&] { form.cbxciphersuites[1]->SetItemIndex(-1); }},
        {"suite 3", [&] { form.cbxciphersuites[2]->SetItemIndex(-1); }},
        {"suite 4", [&] { form.cbxciphersuites[3]->SetItemIndex(-1); }},
    };
    const long before = SetRequests();
    for (const Field& f : fields) {
        form.btnGetClick();
        ASSERT_TRUE(Idle(form));
        f.empty();
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form.btnSetClick();
        ASSERT_EQ(MessageScript::Log().size(), 1u) << f.name;
        EXPECT_EQ(MessageScript::Log()[0].text, "Some items are empty.") << f.name;
        EXPECT_EQ(MessageScript::Log()[0].icon, miWarning) << f.name;
        EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK) << f.name;
        EXPECT_TRUE(WaitUntil([&] { return form.btnSet->Focused(); }, 2000)) << f.name;
        EXPECT_FALSE(form.Binding()->busy) << f.name;
    }
    EXPECT_EQ(SetRequests(), before);
    form.hide();
}

// A cache time-out that is not a whole number of the Gauge range is refused before anything is
// sent: a box names the field, the text stays in it, and the device keeps its values.
TEST_F(SslControl, InvalidCacheTimeOutIsRefusedAndNothingIsWritten) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    const long before = SetRequests();
    for (const char* text : {"900abc", "abc", "-1", "4294967296", "9 00", "0x384", "(NULL)"}) {
        SCOPED_TRACE(text);
        form.cbxSSLVersion->SetText("disabled");
        form.cbxciphersuites[3]->SetText("enabled");
        form.edtCacheTimeOut->SetText(text);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form.btnSetClick();
        ASSERT_TRUE(Idle(form));
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text.rfind(
                      "\"Cache Timeout\": \"" + std::string(text) + "\" is not a valid value.", 0),
                  0u)
            << MessageScript::Log()[0].text;
        EXPECT_EQ(form.edtCacheTimeOut->Text(), text);
        const std::string shown = form.StatusBar1->SimpleText();
        EXPECT_TRUE(StartsWith(shown, "Set:")) << shown;
        EXPECT_FALSE(StartsWith(shown, "Set: Ok!")) << shown;
    }
    EXPECT_EQ(SetRequests(), before);
    EXPECT_EQ(DeviceValue(CacheTimeout), "600");
    EXPECT_EQ(DeviceValue(StatusAdmin), "3");
    EXPECT_EQ(DeviceValue(CipherSuites), "A0");

    // The largest value of the syntax is sent as typed; the device refuses what it cannot
    // hold, and the error stays in the status bar.
    form.edtCacheTimeOut->SetText("4294967295");
    form.btnSetClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(SetRequests(), before + 1);
    EXPECT_FALSE(StartsWith(form.StatusBar1->SimpleText(), "Set: Ok!"))
        << form.StatusBar1->SimpleText();
    EXPECT_EQ(DeviceValue(CacheTimeout), "600");
}

// On a slow device the window's first read is still on its way when the user sets: the write
// carries what the user chose, not what that read brings back, and no read replaces it.
TEST_F(SslControl, SetDuringTheFirstReadOfASlowDeviceWritesWhatWasChosen) {
    TestAgent slow(TestAgent::Kind::Simulator, {"--delay-ms", "300"});
    PointModuleAt(slow);
    SnmpTool device(slow, {"-v2c", "-c", "private", "-t", "5"});
    Form form(nullptr);
    ASSERT_TRUE(form.Binding()->busy);
    form.cbxSSLVersion->SetText("disabled");
    form.edtCacheTimeOut->SetText("300");
    for (TComboBox* combo : form.cbxciphersuites) {
        combo->SetText("enabled");
    }
    form.btnSetClick();
    // The write, then the read after it.
    ASSERT_TRUE(WaitUntil(
        [&] { return !form.Binding()->busy && StartsWith(form.StatusBar1->SimpleText(), "Get:"); },
        15000))
        << form.StatusBar1->SimpleText();
    const ProgramResult r = device.Get({StatusAdmin, CipherSuites, CacheTimeout});
    auto values = SnmpTool::Values(r.out);
    EXPECT_EQ(values["." + std::string(StatusAdmin)], "2") << r.out;
    EXPECT_EQ(values["." + std::string(CipherSuites)], "F0") << r.out;
    EXPECT_EQ(values["." + std::string(CacheTimeout)], "300") << r.out;
    EXPECT_EQ(form.edtCacheTimeOut->Text(), "300");
    EXPECT_EQ(Suites(form), (std::vector<std::string>(4, "enabled")));
}

// A write the device refuses keeps its error in the status bar: no read follows that would
// replace it by a success line.
TEST_F(SslControl, RefusedWriteKeepsItsErrorShown) {
    Form form(nullptr);
    ASSERT_TRUE(Idle(form));
    form.Binding()->request.security.writeCommunity = "public"; // read-only on the device
    form.btnSetClick();
    ASSERT_TRUE(Idle(form));
    WaitUntil([] { return false; }, 300); // a read after it would have ended by now
    const std::string shown = form.StatusBar1->SimpleText();
    EXPECT_TRUE(StartsWith(shown, "Set:")) << shown;
    EXPECT_FALSE(StartsWith(shown, "Set: Ok!")) << shown;
}

} // namespace
