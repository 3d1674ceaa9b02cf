#include "ServicesTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/services/TMSEditForm.h"
#include "forms/config/services/TMSInformationForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* RowStatusColumn = "1.3.6.1.4.1.32473.12.8.1.3.1.10";
constexpr const char* CandidateColumn = "1.3.6.1.4.1.32473.12.8.1.3.1.8";
constexpr const char* PasswordColumn = "1.3.6.1.4.1.32473.12.8.1.3.1.9";

constexpr const char* DuplicateId =
    "There is already a record with the same Member Siwitch ID. Please modified it.";
constexpr const char* NeedId = "Member Siwitch ID is needed.";
constexpr const char* NeedCandidate = "Member Candidate ID is needed.";
constexpr const char* MustCreate = "Member Row State must be createAndGo.";
constexpr const char* OutOfRange = "Please enter a number between 1 and 32!";

class MemberSwitchTest : public ServicesTest {
protected:
    static std::vector<std::string> Ids(const TListView& list) {
        std::vector<std::string> ids;
        for (int i = 0; i < list.ItemCount(); ++i) {
            ids.push_back(list.Item(i)->Caption());
        }
        return ids;
    }
    // Chooses a row the way a click does.
    static void ClickRow(TMSInformationForm& form, const std::string& id) {
        form.ListView1->SetSelected(id.empty() ? nullptr : Row(*form.ListView1, id));
        form.ListView1->Fire(form.ListView1->OnClick);
    }
    static std::uint32_t Access(TMSInformationForm& form, int i) {
        return form.WriteBinding()->request.vars.Entry(i).access;
    }
};

TEST_F(MemberSwitchTest, ReadsTheMembersAndAddsOne) {
    TMSInformationForm form(nullptr);
    EXPECT_EQ(form.Caption(), "Member Switch Information Table : 127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 558);
    EXPECT_EQ(form.ClientHeight(), 294);
    EXPECT_EQ(form.TableBinding()->request.timeout, 500);
    bool ran = false;
    PostCall(&form, [&] {
        ASSERT_TRUE(Idle(form.TableBinding()));
        const std::vector<std::vector<std::string>> table = {
            {"1", "ksw-ms-1", "001B21102031", "4.05b012", "L2 Switch", "KSW-524P", "60", "1", "",
             "active"},
            {"3", "ksw-ms-3", "001B21102033", "4.05b010", "L2 Switch", "KSW-524P", "45", "3", "",
             "active"},
        };
        std::vector<std::vector<std::string>> rows = Rows(*form.ListView1);
        // The MAC address as the value text shows it; compared without separators.
        for (auto& row : rows) {
            std::string mac;
            for (char c : row.at(2)) {
                if (std::isxdigit(static_cast<unsigned char>(c))) {
                    mac += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            row.at(2) = mac;
        }
        EXPECT_EQ(rows, table);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        EXPECT_FALSE(form.btnDelete->Enabled());

        TMSEditForm* add = form.EditForm();
        bool closed = false;
        PostCall(add, [&] {
            EXPECT_TRUE(add->Modal());
            EXPECT_EQ(add->Caption(), "MS Add");
            EXPECT_EQ(add->MSIDEdit->Text(), "");
            EXPECT_EQ(add->KeyIDEdit->Text(), "");
            EXPECT_TRUE(add->KeyIDEdit->Enabled());
            EXPECT_FALSE(add->Row_Status->Enabled());
            EXPECT_EQ(add->Row_Status->Text(), "createAndGo");
            add->MSIDEdit->SetText("2");
            add->KeyIDEdit->SetText("7");
            add->MS_Password->SetText("secret");
            add->btnSet->Click();
            closed = !add->isVisible();
        });
        form.btnAdd->Click();
        EXPECT_TRUE(closed);
        EXPECT_EQ(Lines(*form.Memo1, "Set: Ok!").size(), 1u);
        ASSERT_TRUE(WaitUntil(
            [&] { return !form.TableBinding()->busy && form.ListView1->ItemCount() == 3; }));
        EXPECT_EQ(Ids(*form.ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(form.StaticText1->Caption(), "3");
        // The new member's password is not shown in the list; no password stays empty.
        const std::vector<std::vector<std::string>> shown = Rows(*form.ListView1);
        EXPECT_EQ(shown.at(1).at(8), "********");
        EXPECT_EQ(shown.at(0).at(8), "");
        for (const auto& row : shown) {
            for (const std::string& cell : row) {
                EXPECT_EQ(cell.find("secret"), std::string::npos) << cell;
            }
        }
        ran = true;
        form.Close();
    });
    form.ShowModal();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(Boxes().empty());
    std::map<std::string, std::string> status = Walk(RowStatusColumn);
    EXPECT_EQ(status[std::string(RowStatusColumn) + ".2"], "1");
    EXPECT_EQ(Walk(CandidateColumn)[std::string(CandidateColumn) + ".2"], "7");
    EXPECT_EQ(Walk(PasswordColumn)[std::string(PasswordColumn) + ".2"], "\"secret\"");
}

// The add window's checks in their order, each with its message; nothing is written after a
// failed one.
TEST_F(MemberSwitchTest, AddChecksTheMemberInOrder) {
    struct Case {
        const char* name;
        bool emptyList;
        const char* id;
        const char* candidate;
        const char* rowStatus;
        const char* box;
        TMsgIcon icon;
        const char* focused; // the field the message sends the user to, or none
        bool kept;           // what was typed is still there after the message
    };
    const Case cases[] = {
        {"an ID in the table, other fields empty", false, "3", "", "createAndGo", DuplicateId,
         miWarning, nullptr, true},
        {"an ID in the table", false, "1", "4", "createAndGo", DuplicateId, miWarning, nullptr,
         true},
        {"no ID", false, "", "4", "createAndGo", NeedId, miNone, "MSIDEdit", true},
        {"no candidate", false, "5", "", "createAndGo", NeedCandidate, miNone, "KeyIDEdit", true},
        {"not createAndGo", false, "5", "4", "active", MustCreate, miNone, nullptr, true},
        // Set pressed with Enter while still in the field: its check runs all the same.
        {"an ID out of range", false, "40", "4", "createAndGo", OutOfRange, miNone, "MSIDEdit",
         false},
        {"a candidate out of range", false, "5", "33", "createAndGo", OutOfRange, miNone,
         "KeyIDEdit", false},
        {"no ID, empty table", true, "", "", "createAndGo", NeedId, miNone, "MSIDEdit", true},
    };
    const std::map<std::string, std::string> before = Walk(RowStatusColumn);
    TMSInformationForm form(nullptr);
    ASSERT_TRUE(Idle(form.TableBinding()));
    TMSEditForm& add = *form.EditForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageScript::Clear();
        if (c.emptyList) {
            form.ListView1->ClearItems();
        }
        PostCall(&add, [&] {
            add.MSIDEdit->SetText(c.id);
            add.KeyIDEdit->SetText(c.candidate);
            add.Row_Status->SetText(c.rowStatus);
            MessageScript::Push(mrOk);
            add.btnSet->Click();
            ASSERT_EQ(Boxes(), std::vector<std::string>{c.box});
            EXPECT_EQ(MessageScript::Log()[0].icon, c.icon);
            EXPECT_TRUE(add.isVisible());
            if (c.focused != nullptr) {
                EXPECT_TRUE(
                    WaitUntil([&] { return FindControl<TEdit>(&add, c.focused)->Focused(); }));
            }
            // What was typed is still there after the box.
            add.Fire(add.OnActivate);
            EXPECT_EQ(add.MSIDEdit->Text() == c.id && add.KeyIDEdit->Text() == c.candidate, c.kept);
            add.Close();
        });
        add.ShowAdd();
        EXPECT_TRUE(Lines(*form.Memo1, "Set: ").empty());
    }
    EXPECT_EQ(Walk(RowStatusColumn), before);
}

TEST_F(MemberSwitchTest, DeleteDestroysTheSelectedMember) {
    TMSInformationForm form(nullptr);
    ASSERT_TRUE(Idle(form.TableBinding()));
    ClickRow(form, "3");
    EXPECT_TRUE(form.btnDelete->Enabled());
    ClickRow(form, "");
    EXPECT_FALSE(form.btnDelete->Enabled());
    ClickRow(form, "3");
    form.btnRefresh->Click();
    EXPECT_FALSE(form.btnDelete->Enabled());
    ASSERT_TRUE(Idle(form.TableBinding()));
    ClickRow(form, "3");
    form.btnDelete->Click();
    EXPECT_EQ(Lines(*form.Memo1, "Set: Ok!").size(), 1u);
    EXPECT_FALSE(form.btnDelete->Enabled());
    EXPECT_EQ(Access(form, 1), acReadwrite);
    EXPECT_EQ(Access(form, 2), acReadwrite);
    ASSERT_TRUE(
        WaitUntil([&] { return !form.TableBinding()->busy && form.ListView1->ItemCount() == 1; }));
    EXPECT_EQ(Ids(*form.ListView1), std::vector<std::string>{"1"});
    EXPECT_EQ(form.StaticText1->Caption(), "1");
    const std::map<std::string, std::string> status = Walk(RowStatusColumn);
    EXPECT_EQ(status.size(), 1u);
    EXPECT_EQ(status.count(std::string(RowStatusColumn) + ".1"), 1u);
    // A member switch is destroyed by its row status alone: candidate and password of the
    // other member are untouched.
    EXPECT_EQ(Walk(CandidateColumn)[std::string(CandidateColumn) + ".1"], "1");
    EXPECT_TRUE(Boxes().empty());

    // The next add still creates.
    EXPECT_EQ(form.EditForm()->Row_Status->Text(), "destroy");
    PostCall(form.EditForm(), [&] {
        EXPECT_EQ(form.EditForm()->Row_Status->Text(), "createAndGo");
        form.EditForm()->Close();
    });
    form.btnAdd->Click();
}

TEST_F(MemberSwitchTest, DeleteWithoutASelectedRowWritesNothing) {
    const std::map<std::string, std::string> before = Walk(RowStatusColumn);
    TMSInformationForm form(nullptr);
    ASSERT_TRUE(Idle(form.TableBinding()));
    MessageScript::Push(mrOk);
    form.btnDelete->Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Choose the item first."});
    EXPECT_TRUE(Lines(*form.Memo1, "Set: ").empty());
    EXPECT_EQ(Walk(RowStatusColumn), before);
}

// A refused delete is reported in the memo, and the variables it left out take part in the
// next write again.
TEST_F(MemberSwitchTest, ARefusedDeleteGivesTheAccessCodesBack) {
    TMSInformationForm form(nullptr);
    ASSERT_TRUE(Idle(form.TableBinding()));
    form.WriteBinding()->request.security.writeCommunity = "public"; // read-only at the device
    ClickRow(form, "1");
    form.btnDelete->Click();
    const std::vector<std::string> lines = Lines(*form.Memo1, "Set: ");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].find("Ok!"), std::string::npos) << lines[0];
    EXPECT_EQ(Access(form, 1), acReadwrite);
    EXPECT_EQ(Access(form, 2), acReadwrite);
    EXPECT_FALSE(form.btnDelete->Enabled());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Walk(RowStatusColumn).size(), 2u);
}

// A refused add keeps the add window open with what was typed; the reason is in the memo.
TEST_F(MemberSwitchTest, ARefusedAddKeepsTheAddWindowOpen) {
    TMSInformationForm form(nullptr);
    ASSERT_TRUE(Idle(form.TableBinding()));
    form.WriteBinding()->request.security.writeCommunity = "public";
    TMSEditForm& add = *form.EditForm();
    bool open = false;
    PostCall(&add, [&] {
        add.MSIDEdit->SetText("4");
        add.KeyIDEdit->SetText("4");
        add.btnSet->Click();
        open = add.isVisible();
        EXPECT_EQ(add.MSIDEdit->Text(), "4");
        add.Close();
    });
    form.btnAdd->Click();
    EXPECT_TRUE(open);
    const std::vector<std::string> lines = Lines(*form.Memo1, "Set: ");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].find("Ok!"), std::string::npos) << lines[0];
    EXPECT_EQ(Walk(RowStatusColumn).size(), 2u);
}

} // namespace
