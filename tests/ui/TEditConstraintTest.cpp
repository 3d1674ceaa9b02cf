#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TCompositePanel.h"
#include "ui/toolkit/TConstraintOwner.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TPanel.h"
#include "vocab/QxEditConstraint.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

// Edit constraints on real edits of a shown form, typed into like a user; message boxes are
// answered through the script.
class EditConstraintUiTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form.SetBounds(100, 100, 400, 200);
        first.SetBounds(10, 10, 100, 24);
        second.SetBounds(10, 40, 100, 24);
        ASSERT_TRUE(ShowActive(&form));
    }

    TForm form;
    TEdit first{&form};
    TEdit second{&form};
    QxEditConstraint constraints{std::make_unique<TConstraintOwner>(&form), true};
};

TEST_F(EditConstraintUiTest, TypedTextIsFilteredAndCheckedOnLeaving) {
    constraints.AddConstraint("%i{n1x4094}", first);
    first.SetFocus();
    QTest::keyClicks(&first, QStringLiteral("4a2"));
    EXPECT_EQ(first.Text(), "42");
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_TRUE(second.Focused());
    EXPECT_TRUE(MessageScript::Log().empty());

    // "-5" may be typed but not kept: leaving shows the range and puts the accepted value back.
    first.SetFocus();
    first.SelectAll();
    QTest::keyClicks(&first, QStringLiteral("-5"));
    EXPECT_EQ(first.Text(), "-5");
    MessageScript::Push(mrOk);
    QTest::keyClick(&first, Qt::Key_Tab);
    const auto& log = MessageScript::Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "Please enter a number between 1 and 4094!");
    EXPECT_EQ(log[0].caption, Application().ExeFileName());
    EXPECT_EQ(log[0].buttons, mbOK);
    EXPECT_TRUE(log[0].scripted);
    EXPECT_EQ(first.Text(), "42");
    EXPECT_TRUE(first.Focused());

    // After the constraint is removed the edit takes any text again.
    constraints.RemoveConstraint(first);
    QTest::keyClicks(&first, QStringLiteral("x"));
    EXPECT_EQ(first.Text(), "42x");
}

TEST_F(EditConstraintUiTest, AddressRowAdvancesAndKeepsTheUserInARefusedField) {
    TPanel panel(&form);
    panel.SetCaption("address");
    panel.SetBounds(10, 80, 300, 30);
    TCompositePanel row(panel);
    std::vector<QxTextField*> fields;
    constraints.BuildComposite(
        row, "%i{w30n0x255l3a}.%i{w30n0x255l3a}.%i{w30n0x255l3a}.%i{w30n0x255l3a}", &fields);

    EXPECT_EQ(panel.Caption(), "");
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    const std::vector<TEdit*>& edits = row.Edits();
    ASSERT_EQ(edits.size(), 4u);
    ASSERT_EQ(fields.size(), 4u);
    const QList<TLabel*> labels = panel.findChildren<TLabel*>();
    ASSERT_EQ(labels.size(), 3);
    int left = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dynamic_cast<TEdit*>(fields[static_cast<size_t>(i)]),
                  edits[static_cast<size_t>(i)]);
        EXPECT_EQ(edits[static_cast<size_t>(i)]->Left(), left) << i;
        EXPECT_EQ(edits[static_cast<size_t>(i)]->Top(), 0) << i;
        EXPECT_EQ(edits[static_cast<size_t>(i)]->Width(), 30) << i;
        EXPECT_EQ(edits[static_cast<size_t>(i)]->MaxLength(), 3) << i;
        left += 31;
        if (i < 3) {
            EXPECT_EQ(labels[i]->Caption(), ".");
            EXPECT_EQ(labels[i]->Left(), left) << i;
            left += labels[i]->Width() + 1;
        }
    }

    // A full field moves the focus on once the change has been handled.
    edits[0]->SetFocus();
    QTest::keyClicks(edits[0], QStringLiteral("1x92"));
    EXPECT_EQ(edits[0]->Text(), "192");
    EXPECT_TRUE(WaitUntil([&] { return edits[1]->Focused(); }));

    // A full but refused value moves on too; leaving refuses it and brings the user back.
    MessageScript::Push(mrOk);
    QTest::keyClicks(edits[1], QStringLiteral("300"));
    EXPECT_TRUE(WaitUntil([&] { return !MessageScript::Log().empty() && edits[1]->Focused(); }));
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Please enter a number between 0 and 255!");
    EXPECT_EQ(edits[1]->Text(), "");
    QTest::qWait(50);
    EXPECT_TRUE(edits[1]->Focused());

    // A full value the program puts into another field leaves the focus where it is.
    edits[3]->SetText("255");
    QTest::qWait(50);
    EXPECT_TRUE(edits[1]->Focused());
}

} // namespace
