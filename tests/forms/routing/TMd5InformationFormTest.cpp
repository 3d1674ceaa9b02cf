#include "RoutingSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/TMd5EditForm.h"
#include "forms/config/routing/TMd5InformationForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr const char* Entry = "1.3.6.1.4.1.32473.11.69.3.3.4.1";

std::string Cell(int column, int keyId) {
    return "." + std::string(Entry) + "." + std::to_string(column) + "." + std::to_string(keyId);
}

// The key rules of the edit window, in the order they are checked.
TEST(Md5KeyRules, FirstRefusalInOrder) {
    constexpr int Add = TMd5EditForm::ModeAdd;
    constexpr int Edit = TMd5EditForm::ModeEdit;
    const struct {
        int mode;
        const char* keyId;
        bool taken;
        const char* key;
        const char* status;
        const char* expected;
    } cases[] = {
        {Add, "", true, "", "active", "KeyID is needed."},
        {Add, "5", true, "", "active", "KeyID must be different."},
        {Add, "6", false, "", "active", "Key is needed."},
        {Add, "6", false, "my key", "active", "Invalid key."},
        {Add, "6", false, " ", "createAndGo", "Invalid key."},
        {Add, "6", false, "mykey", "active", "Status should be createAndGo."},
        {Add, "6", false, "mykey", "createAndGo", ""},
        // Editing keeps the ID and status of the row: only the key is checked.
        {Edit, "", true, "", "destroy", "Key is needed."},
        {Edit, "5", true, "a b", "active", "Invalid key."},
        {Edit, "5", true, "abc", "active", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TMd5EditForm::CheckKey(c.mode, c.keyId, c.taken, c.key, c.status), c.expected)
            << c.mode << " '" << c.keyId << "' '" << c.key << "'";
    }
}

class Md5InformationTest : public RoutingDeviceTest {
protected:
    void Open() {
        form_ = std::make_unique<TMd5InformationForm>(nullptr);
        form_->Show();
        ASSERT_TRUE(Idle());
    }
    void TearDown() override {
        form_.reset();
        RoutingDeviceTest::TearDown();
    }
    bool Idle() {
        return WaitUntil([&] { return form_->Binding() != nullptr && !form_->Binding()->busy; },
                         10000);
    }
    TListItem* Row(const std::string& keyId) {
        TListView& list = *form_->ListView1;
        for (int i = 0; i < list.ItemCount(); ++i) {
            if (list.Item(i)->Caption() == keyId) {
                return list.Item(i);
            }
        }
        return nullptr;
    }
    void Select(const std::string& keyId) {
        TListItem* item = Row(keyId);
        ASSERT_NE(item, nullptr) << keyId;
        form_->ListView1->SetSelected(item);
    }
    // Opens the edit window with a button and works it.
    void WithEditor(TButton& button, const std::function<void(TMd5EditForm&)>& inside) {
        WithEditor([&] { button.Click(); }, inside);
    }
    void WithEditor(const std::function<void()>& open,
                    const std::function<void(TMd5EditForm&)>& inside) {
        EXPECT_TRUE(WithModal(form_.get(), open, [&](TForm& dialog) {
            auto* editor = dynamic_cast<TMd5EditForm*>(&dialog);
            ASSERT_NE(editor, nullptr);
            inside(*editor);
        }));
        ASSERT_TRUE(Idle());
    }
    // Presses Set expecting one message box with `text`; the window stays open.
    static void ExpectRefused(TMd5EditForm& editor, const std::string& text) {
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        editor.SetBtn->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u) << text;
        EXPECT_EQ(MessageScript::Log()[0].text, text);
        EXPECT_TRUE(editor.isVisible());
    }

    std::unique_ptr<TMd5InformationForm> form_;
};

TEST_F(Md5InformationTest, ReadsTheKeysAndEditsOne) {
    Open();
    EXPECT_EQ(form_->Caption(), "MD5 Information Table: 127.0.0.1");
    EXPECT_EQ(form_->ClientWidth(), 558);
    EXPECT_EQ(form_->ClientHeight(), 294);
    ASSERT_EQ(form_->ListView1->ColumnCount(), 3);
    EXPECT_EQ(form_->ListView1->Column(1)->Caption(), "Key");
    EXPECT_EQ(form_->ListView1->ItemCount(), 2);
    EXPECT_EQ(LastLine(*form_->Memo1).rfind("Get: Ok!", 0), 0u);
    EXPECT_FALSE(form_->EditBtn->Enabled());
    Select("5");
    EXPECT_TRUE(form_->EditBtn->Enabled());

    WithEditor(*form_->EditBtn, [&](TMd5EditForm& editor) {
        EXPECT_EQ(editor.Caption(), "MD5 Information Table: 127.0.0.1");
        EXPECT_EQ(editor.ClientWidth(), 380);
        EXPECT_EQ(editor.ClientHeight(), 148);
        EXPECT_FALSE(editor.KeyIDEdit->Enabled());
        EXPECT_EQ(editor.KeyIDEdit->Text(), "5");
        EXPECT_EQ(editor.KeyEdit->Text(), "area5key");
        EXPECT_EQ(editor.ComboBox1->Text(), "active");
        EXPECT_FALSE(editor.ComboBox1->Enabled());
        editor.KeyEdit->SetText("area 5");
        ExpectRefused(editor, "Invalid key.");
        editor.KeyEdit->SetText("");
        ExpectRefused(editor, "Key is needed.");
        editor.KeyEdit->SetText("newkey5");
        MessageScript::Clear();
        editor.SetBtn->Click();
        EXPECT_FALSE(editor.isVisible()); // written: the window closes
    });
    auto device = DeviceWalk(Entry);
    EXPECT_EQ(device[Cell(2, 5)], "\"newkey5\"");
    EXPECT_EQ(device[Cell(2, 1)], "\"backbone1\"");
    EXPECT_FALSE(form_->EditBtn->Enabled());
    ASSERT_NE(Row("5"), nullptr);
    EXPECT_EQ(Row("5")->SubItem(0), "newkey5");
    DeviceSet({Cell(2, 5), "s", "area5key"});
}

TEST_F(Md5InformationTest, AddChecksTheKeyIdThenCreatesTheRow) {
    Open();
    Select("1");
    WithEditor(*form_->AddBtn, [&](TMd5EditForm& editor) {
        EXPECT_EQ(editor.Caption(), "MD5 Information Table: 127.0.0.1(Add)");
        EXPECT_TRUE(editor.KeyIDEdit->Enabled());
        EXPECT_EQ(editor.KeyIDEdit->Text(), "");
        EXPECT_EQ(editor.KeyEdit->Text(), "");
        EXPECT_EQ(editor.ComboBox1->Text(), "createAndGo");
        EXPECT_FALSE(editor.ComboBox1->Enabled());
        ExpectRefused(editor, "KeyID is needed.");
        const struct {
            const char* keyId;
            const char* key;
            const char* message;
        } refused[] = {
            {"5", "k", "KeyID must be different."},
            {"05", "k", "KeyID must be different."}, // the same row by number
            {"9", "", "Key is needed."},
            {"9", "k 9", "Invalid key."},
        };
        for (const auto& r : refused) {
            editor.KeyIDEdit->SetText(r.keyId);
            editor.KeyEdit->SetText(r.key);
            ExpectRefused(editor, r.message);
        }
        editor.KeyIDEdit->SetText("9");
        editor.KeyEdit->SetText("key9");
        MessageScript::Clear();
        editor.SetBtn->Click();
        EXPECT_FALSE(editor.isVisible());
    });
    auto device = DeviceWalk(Entry);
    EXPECT_EQ(device[Cell(2, 9)], "\"key9\"");
    EXPECT_EQ(device[Cell(3, 9)], "1");
    EXPECT_EQ(device[Cell(2, 1)], "\"backbone1\""); // the selected row is untouched
    EXPECT_NE(Row("9"), nullptr);

    // Delete: the selected key only, then the list is read again.
    Select("9");
    form_->DeleteBtn->Click();
    ASSERT_TRUE(Idle());
    device = DeviceWalk(Entry);
    EXPECT_EQ(device.count(Cell(3, 9)), 0u);
    EXPECT_EQ(device[Cell(3, 1)], "1");
    EXPECT_EQ(device[Cell(3, 5)], "1");
    EXPECT_EQ(Row("9"), nullptr);
    EXPECT_FALSE(form_->EditBtn->Enabled());

    // Without a selection there is nothing to delete.
    form_->ListView1->ClearSelection();
    MessageScript::Push(mrOk);
    form_->DeleteBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Choose the item first.");
    EXPECT_EQ(DeviceWalk(Entry), device);
}

// A write the device refuses is reported in the list window's memo; the edit window stays open
// with what was entered instead of closing as if the key had been taken.
TEST_F(Md5InformationTest, RefusedWriteKeepsTheEditWindowOpen) {
    DeviceSet({Cell(3, 7), "i", "4", Cell(2, 7), "s", "seven"});
    Open();
    Select("7");
    DeviceSet({Cell(3, 7), "i", "6"}); // removed behind the window's back
    // A double click on the row opens the edit window as Edit does.
    TListView& list = *form_->ListView1;
    WithEditor([&] { list.Fire(list.OnDblClick); },
               [&](TMd5EditForm& editor) {
                   EXPECT_EQ(editor.KeyIDEdit->Text(), "7");
                   editor.KeyEdit->SetText("seven2");
                   editor.SetBtn->Click();
                   EXPECT_TRUE(editor.isVisible());
                   EXPECT_EQ(editor.KeyEdit->Text(), "seven2");
                   const std::string line = LastLine(*form_->Memo1);
                   EXPECT_EQ(line.rfind("Set: ", 0), 0u) << line;
                   EXPECT_NE(line.rfind("Set: Ok!", 0), 0u) << line;
               });
    EXPECT_EQ(DeviceWalk(Entry).count(Cell(2, 7)), 0u);
    EXPECT_EQ(form_->Binding()->mode, QxSNMPRequest2Controls::Asynchronous);

    form_->Close();
    ASSERT_NE(form_->Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(form_->Binding()->Closing());
    form_->RefreshBtn->Click(); // nothing left to read with
}

} // namespace
