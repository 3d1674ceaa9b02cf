#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "ui/panels/TBitListForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TScrollBox.h"
#include "vocab/QxOptionTables.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A form with a binding over a descriptor table and an edits panel on it. Value texts are set
// by hand; no device is involved.
class EditsPanelTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(0, 0, 700, 600);
    }
    void TearDown() override {
        binding_.reset();
        form_.reset();
        UiTest::TearDown();
    }
    TEditsPanel& Build(const UISnmpVar* table, int kind = SVT_SV, int indexCount = 0) {
        binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
        binding_->request.vars.Assign(
            QxSNMPVarList(table, static_cast<std::uint8_t>(kind), indexCount));
        panel_ = new TEditsPanel(form_.get(), binding_.get());
        return *panel_;
    }
    QxSNMPVar& Var(int i) { return binding_->request.vars.Entry(i); }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
    TEditsPanel* panel_ = nullptr;
};

// Index, writable, writable choice, read-only, read-only choice.
constexpr UISnmpVar MixedTable[] = {
    {"1.3.6.1.4.1.32473.3.1.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.3.1.1.2", "Community Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.3.1.1.3", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.3.1.1.4", "Received", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.3.1.1.5", "Mode", sxInteger, acReadonly, &OL_2disabled_3enabled},
    {},
};

TEST_F(EditsPanelTest, RowsTakeTheirKindAndLookFromTheVariable) {
    TEditsPanel& p = Build(MixedTable, MVT_UMV, 1);
    EXPECT_EQ(p.Parent(), form_.get());
    EXPECT_EQ(p.ScrollBox()->Align(), alClient);
    const struct {
        EditRowKind kind;
        bool comboBox;
        bool checkBox; // shown and enabled
        bool readOnlyLook;
    } expected[] = {
        {EditableText, false, false, true}, // an index row is written only when a row is added
        {EditableText, false, true, false}, {EditableChoice, true, true, false},
        {ReadOnlyText, false, false, true}, {ReadOnlyChoice, false, false, true},
    };
    ASSERT_EQ(p.RowCount(), 5);
    for (int i = 0; i < p.RowCount(); ++i) {
        const EditRow& row = p.Row(i);
        const auto& e = expected[i];
        SCOPED_TRACE(Var(i).label);
        EXPECT_EQ(row.kind, e.kind);
        EXPECT_EQ(row.format, "%s");
        EXPECT_FALSE(row.octetItem.has_value());
        EXPECT_EQ(row.comboBox != nullptr, e.comboBox);
        EXPECT_EQ(row.edit != nullptr, !e.comboBox);
        EXPECT_EQ(row.label->Caption(), Var(i).label);
        EXPECT_EQ(row.label->Tag(), i);
        EXPECT_EQ(row.checkBox->Tag(), i);
        EXPECT_EQ(row.ValueControl()->Tag(), i);
        EXPECT_EQ(row.checkBox->Width(), 20);
        EXPECT_FALSE(row.checkBox->TabStop());
        EXPECT_EQ(row.checkBox->Visible(), e.checkBox);
        EXPECT_EQ(row.checkBox->Enabled(), e.checkBox);
        EXPECT_FALSE(row.checkBox->Checked());
        EXPECT_EQ(row.ValueControl()->Parent(), p.ScrollBox());
        EXPECT_EQ(row.ValueControl()->FontColor(), clBlack);
        EXPECT_EQ(row.ValueControl()->Color(), e.readOnlyLook ? clBtnFace : clWhite);
        if (row.edit != nullptr) {
            EXPECT_EQ(row.edit->ReadOnly(), e.readOnlyLook);
            EXPECT_EQ(row.edit->TabStop(), !e.readOnlyLook);
        } else {
            EXPECT_EQ(row.comboBox->Enabled(), !e.readOnlyLook);
            EXPECT_EQ(row.comboBox->Style(), csDropDownList);
            EXPECT_EQ(row.comboBox->ItemCount(), 3);
        }
    }
    EXPECT_FALSE(p.AllRowsReadOnly());
    EXPECT_EQ(p.CountEnabledChecks(), 2);
    EXPECT_EQ(p.CountCheckedRows(), 0);

    // The rows are the binding's controls: shown values arrive in them, labels for choices.
    Var(0).value = "7";
    Var(1).value = "private";
    Var(2).value = "active";
    Var(3).value = "1234";
    Var(4).value = "enabled";
    binding_->ShowValues();
    std::vector<std::string> texts;
    for (int i = 0; i < p.RowCount(); ++i) {
        texts.push_back(p.RowText(i));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"7", "private", "active", "1234", "enabled"}));

    // Other read-only colours and a checked default.
    p.SetReadOnlyColors(clNavy, clSilver);
    EXPECT_EQ(p.Row(3).edit->FontColor(), clNavy);
    EXPECT_EQ(p.Row(3).edit->Color(), clSilver);
    p.SetCheckDefault(true);
    EXPECT_EQ(p.CountCheckedRows(), 2);
    EXPECT_TRUE(p.Row(1).checkBox->Checked());
    EXPECT_FALSE(p.Row(0).checkBox->Checked());
    EXPECT_EQ(p.Row(0).edit->Color(), clSilver);
}

constexpr UISnmpVar Scalars[] = {
    {"1.3.6.1.4.1.32473.1.1", "A much longer label than the rest", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.1.2", "Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.1.3", "State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.1.4", "Uptime", sxTimeticks, acReadonly},
    {},
};

// The pixel rules of the vertical arrangement, checked against the controls' own sizes.
void ExpectArranged(TEditsPanel& p, const QxSNMPVarList& vars, int editWidth) {
    int widest = 0;
    for (int i = 0; i < p.RowCount(); ++i) {
        widest = std::max(widest, p.Row(i).label->Width());
    }
    int top = 20;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < p.RowCount(); ++i) {
        const EditRow& row = p.Row(i);
        TControl* value = row.ValueControl();
        SCOPED_TRACE(i);
        EXPECT_EQ(value->Width(), editWidth);
        if ((vars.Entry(i).access & acHidden) != 0) {
            continue;
        }
        if (i != 0) {
            EXPECT_GE(value->Height(), 20);
            top += value->Height() + 5;
        }
        EXPECT_EQ(value->Top(), top);
        EXPECT_EQ(row.checkBox->Left(), 20);
        EXPECT_EQ(row.label->Left(), 45);
        EXPECT_EQ(value->Left(), 45 + widest + 5);
        EXPECT_EQ(row.checkBox->Top(), top + (value->Height() - row.checkBox->Height()) / 2);
        EXPECT_EQ(row.label->Top(), top + (value->Height() - row.label->Height()) / 2);
        right = std::max(right, value->Left() + value->Width());
        bottom = std::max(bottom, value->Top() + value->Height());
    }
    EXPECT_EQ(p.Align(), alNone);
    EXPECT_EQ(p.Width(), right + 40);
    EXPECT_EQ(p.Height(), bottom + 40);
}

TEST_F(EditsPanelTest, RowsStandOnePerLineAndThePanelTakesTheirSize) {
    TEditsPanel& p = Build(Scalars);
    EXPECT_EQ(p.EditWidth(), 121);
    ExpectArranged(p, binding_->request.vars, 121);
    const int width = p.Width();
    p.SetEditWidth(200, TEditsPanel::Vertical);
    ExpectArranged(p, binding_->request.vars, 200);
    EXPECT_EQ(p.Width(), width + 79);
}

TEST_F(EditsPanelTest, HidingRowZeroMovesTheFirstVisibleRowDownOneRow) {
    TEditsPanel& p = Build(Scalars);
    const int valueLeft = p.Row(1).edit->Left();
    EXPECT_EQ(p.Row(0).edit->Top(), 20);
    p.HideRow(0);
    EXPECT_NE(Var(0).access & acHidden, 0u);
    for (TControl* control :
         {static_cast<TControl*>(p.Row(0).edit), static_cast<TControl*>(p.Row(0).label),
          static_cast<TControl*>(p.Row(0).checkBox)}) {
        EXPECT_FALSE(control->Visible());
    }
    // Nothing moves until the caller arranges the rows again.
    EXPECT_EQ(p.Row(1).edit->Top(), 20 + p.Row(1).edit->Height() + 5);
    p.ArrangeRows(TEditsPanel::Vertical, true);
    const int rowHeight = p.Row(1).edit->Height();
    EXPECT_EQ(p.Row(1).edit->Top(), 20 + rowHeight + 5);
    // The hidden row's label still counts for the column of values.
    EXPECT_EQ(p.Row(1).edit->Left(), valueLeft);
    ExpectArranged(p, binding_->request.vars, 121);

    p.ShowRow(0);
    EXPECT_EQ(Var(0).access & acHidden, 0u);
    EXPECT_TRUE(p.Row(0).edit->Visible());
    EXPECT_TRUE(p.Row(0).label->Visible());
    EXPECT_TRUE(p.Row(0).checkBox->Visible());
    p.ArrangeRows(TEditsPanel::Vertical, true);
    ExpectArranged(p, binding_->request.vars, 121);
}

// A row comes back with the check box its look gives it: none for a read-only row, and none
// for a row whose look changed while it was hidden.
TEST_F(EditsPanelTest, ShownRowsKeepTheCheckBoxOfTheirLook) {
    TEditsPanel& p = Build(Scalars);
    p.HideRow(3); // read-only
    p.ShowRow(3);
    EXPECT_FALSE(p.Row(3).checkBox->Visible());
    EXPECT_EQ(p.CountEnabledChecks(), 3);

    p.HideRow(1);
    p.SetCheckDefault(true); // gives writable rows a checked box, but row 1 is out of sight
    EXPECT_FALSE(p.Row(1).checkBox->Visible());
    EXPECT_EQ(p.CountEnabledChecks(), 2);
    p.ShowRow(1);
    EXPECT_TRUE(p.Row(1).checkBox->Visible());
    EXPECT_TRUE(p.Row(1).checkBox->Checked());

    p.HideRow(2);
    p.MakeRowReadOnly(2);
    p.ShowRow(2);
    EXPECT_FALSE(p.Row(2).checkBox->Visible());
}

TEST_F(EditsPanelTest, VariablesMarkedHiddenBeforehandGetHiddenRows) {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
    binding_->request.vars.Assign(QxSNMPVarList(Scalars, SVT_SV, 0));
    Var(2).access |= acHidden;
    TEditsPanel p(form_.get(), binding_.get());
    EXPECT_FALSE(p.Row(2).comboBox->Visible());
    EXPECT_FALSE(p.Row(2).label->Visible());
    EXPECT_FALSE(p.Row(2).checkBox->Visible());
    ExpectArranged(p, binding_->request.vars, 121);
    p.ShowRow(2);
    EXPECT_TRUE(p.Row(2).checkBox->Visible());
}

// Building the rows again replaces the controls and their bindings instead of piling them up.
TEST_F(EditsPanelTest, RebuildingFreesThePreviousRows) {
    TEditsPanel& p = Build(Scalars);
    QPointer<QWidget> oldEdit = p.Row(0).edit;
    QPointer<QWidget> oldBox = p.Row(0).checkBox;
    p.BuildRows(binding_.get());
    EXPECT_EQ(oldEdit, nullptr);
    EXPECT_EQ(oldBox, nullptr);
    EXPECT_EQ(p.RowCount(), 4);
    EXPECT_EQ(binding_->Bindings().size(), 4u);
    Var(1).value = "24";
    binding_->ShowValues();
    EXPECT_EQ(p.RowText(1), "24");
}

constexpr UISnmpVar Option[] = {
    {"1.3.6.1.4.1.32473.1.1", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.1.2", "Status", sxInteger, acReadwrite, &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.1.3", "Uptime", sxTimeticks, acReadonly},
    {},
};

TEST_F(EditsPanelTest, RowTextsGoIntoControlsAndValueTexts) {
    TEditsPanel& p = Build(Option);
    const struct {
        int row;
        const char* text;
        const char* shown; // what the control then holds
    } cases[] = {
        {0, "switch-1", "switch-1"},
        {0, "", ""},
        {1, "CREATEANDGO", "createAndGo"}, // a drop-down list chooses the equal item
        {1, "bogus", ""},                  // or none
        {2, "0 days 01:00:00.00", "0 days 01:00:00.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        p.SetRowText(c.row, c.text);
        EXPECT_EQ(p.RowText(c.row), c.shown);
        EXPECT_EQ(Var(c.row).value, c.text);
        EXPECT_EQ(p.IsRowEmpty(c.row), std::string(c.shown).empty());
    }
    p.SetRowText(0, "switch-1");
    p.SetRowText(1, "destroy");
    p.ClearRow(1);
    EXPECT_EQ(p.Row(1).comboBox->ItemIndex(), -1);
    EXPECT_EQ(Var(1).value, "");
    EXPECT_EQ(p.RowText(0), "switch-1");
    p.ClearRows();
    for (int i = 0; i < p.RowCount(); ++i) {
        EXPECT_TRUE(p.IsRowEmpty(i));
        EXPECT_EQ(Var(i).value, "");
    }

    p.CheckRow(1);
    EXPECT_TRUE(p.Row(1).checkBox->Checked());
    p.UncheckRow(1);
    EXPECT_FALSE(p.Row(1).checkBox->Checked());
}

// The looks tell of a row that does not exist in a message box and change nothing; the other
// row operations refuse it.
TEST_F(EditsPanelTest, RowsBeyondThePanelAreRefused) {
    TEditsPanel& p = Build(Option);
    for (int index : {3, -1}) {
        for (auto look : {&TEditsPanel::MakeRowReadOnly, &TEditsPanel::MakeRowEditable}) {
            MessageScript::Push(mrOk);
            (p.*look)(index);
        }
    }
    ASSERT_EQ(MessageScript::Log().size(), 4u);
    for (const auto& box : MessageScript::Log()) {
        EXPECT_EQ(box.text, "aIdx is overtop!\n you may define < 3");
        EXPECT_EQ(box.buttons, mbOK);
    }
    EXPECT_TRUE(p.Row(0).checkBox->Visible());
    EXPECT_FALSE(p.Row(0).edit->ReadOnly());

    const std::function<void()> calls[] = {
        [&] { p.HideRow(3); },         [&] { p.ShowRow(-1); },
        [&] { p.CheckRow(3); },        [&] { p.ClearRow(7); },
        [&] { p.SetRowText(3, "x"); }, [&] { p.RowText(3); },
        [&] { p.IsRowEmpty(-2); },     [&] { p.AssignOctetItem(3, 8, 8); },
    };
    for (const auto& call : calls) {
        EXPECT_THROW(call(), std::out_of_range);
    }
}

// The buttons an editor page shows depend on how many rows can be written.
TEST_F(EditsPanelTest, EditorPageButtonsFollowTheWritableRows) {
    constexpr UISnmpVar OneWritable[] = {
        {"1.3.6.1.4.1.32473.2.1", "Uptime", sxTimeticks, acReadonly},
        {"1.3.6.1.4.1.32473.2.2", "Contact", sxDisplaystr, acReadwrite},
        {},
    };
    constexpr UISnmpVar TwoWritable[] = {
        {"1.3.6.1.4.1.32473.2.1", "Uptime", sxTimeticks, acReadonly},
        {"1.3.6.1.4.1.32473.2.2", "Contact", sxDisplaystr, acReadwrite},
        {"1.3.6.1.4.1.32473.2.3", "State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
        {},
    };
    constexpr UISnmpVar ReadOnly[] = {
        {"1.3.6.1.4.1.32473.2.1", "Uptime", sxTimeticks, acReadonly},
        {"1.3.6.1.4.1.32473.2.4", "Name", sxDisplaystr, acReadonly},
        {},
    };
    const struct {
        const char* name;
        const UISnmpVar* table;
        std::vector<std::string> shown; // visible controls of the column, top to bottom
        const char* setCaption;
        bool setEnabled;
        int shownBoxes;
    } cases[] = {
        {"one", OneWritable, {"Refresh", "Set", "Close"}, "Set", true, 0},
        {"two",
         TwoWritable,
         {"Refresh", "Set Checked", "Check All", "Clear Checks", "Close"},
         "Set Checked",
         false,
         2},
        {"read-only", ReadOnly, {"Refresh", "Close"}, "Set Checked", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TEditsPanel& p = Build(c.table);
        TCtrlBtnPanel column(form_.get());
        column.setCheckedButton->SetEnabled(false); // as the hosting page starts it
        p.ArrangeCtrlBtn(&column);
        EXPECT_EQ(p.ButtonColumn(), &column);

        std::vector<std::string> shown;
        int top = 10;
        for (TBitBtn* b : {column.refreshButton, column.editButton, column.setCheckedButton,
                           column.addButton, column.deleteButton, column.checkAllButton,
                           column.clearChecksButton, column.closeButton}) {
            if (b->Visible()) {
                shown.push_back(b->Caption());
                EXPECT_EQ(b->Top(), top) << b->Caption();
                top += b->Height() + 5;
            }
        }
        EXPECT_FALSE(column.countText->Visible());
        EXPECT_FALSE(column.captionLabel->Visible());
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(column.setCheckedButton->Caption(), c.setCaption);
        EXPECT_EQ(column.setCheckedButton->Enabled(), c.setEnabled);
        int boxes = 0;
        for (int i = 0; i < p.RowCount(); ++i) {
            boxes += p.Row(i).checkBox->Visible() ? 1 : 0;
        }
        EXPECT_EQ(boxes, c.shownBoxes);

        if (c.shownBoxes >= 2) {
            // Set Checked follows the check boxes as the user clicks them.
            p.Row(1).checkBox->Click();
            EXPECT_TRUE(column.setCheckedButton->Enabled());
            p.Row(2).checkBox->Click();
            p.Row(1).checkBox->Click();
            EXPECT_TRUE(column.setCheckedButton->Enabled());
            p.Row(2).checkBox->Click();
            EXPECT_FALSE(column.setCheckedButton->Enabled());
        }
        if (std::string(c.name) == "one") {
            // The single writable row is written without a check box to say so.
            EXPECT_TRUE(p.Row(1).checkBox->Checked());
            p.ShowRow(1);
            EXPECT_FALSE(p.Row(1).checkBox->Visible());
        }
        delete panel_;
        binding_.reset();
    }
}

TEST_F(EditsPanelTest, CheckBoxesDriveTheColumnTheHostGives) {
    TEditsPanel& p = Build(Option);
    // Without a column a click changes nothing else.
    p.Row(0).checkBox->Click();
    EXPECT_EQ(p.CountCheckedRows(), 1);
    TCtrlBtnPanel column(form_.get());
    column.setCheckedButton->SetEnabled(false);
    p.SetButtonColumn(&column);
    p.Row(1).checkBox->Click();
    EXPECT_TRUE(column.setCheckedButton->Enabled());
    p.Row(0).checkBox->Click();
    p.Row(1).checkBox->Click();
    EXPECT_FALSE(column.setCheckedButton->Enabled());
}

TEST_F(EditsPanelTest, PanelWithoutBindingRefusesToArrangeAColumn) {
    TEditsPanel p(form_.get(), nullptr);
    EXPECT_EQ(p.RowCount(), 0);
    TCtrlBtnPanel column(form_.get());
    try {
        p.ArrangeCtrlBtn(&column);
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    // The column is left as it was.
    EXPECT_TRUE(column.editButton->Visible());
    EXPECT_TRUE(column.captionLabel->Visible());
    EXPECT_EQ(column.setCheckedButton->Caption(), "Set Checked");
}

TEST_F(EditsPanelTest, OnlyTextRowsBecomeBitListEditors) {
    TEditsPanel& p = Build(MixedTable, MVT_UMV, 1);
    for (int row : {2, 4}) {
        try {
            p.AssignOctetItem(row, 8, 28);
            ADD_FAILURE() << row;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), "You can only assign Octet Item to a Edit!");
        }
        EXPECT_FALSE(p.Row(row).octetItem.has_value());
    }
    p.AssignOctetItem(1, 8, 28);
    ASSERT_TRUE(p.Row(1).octetItem.has_value());
    EXPECT_EQ(p.Row(1).octetItem->columnsPerLine, 8);
    EXPECT_EQ(p.Row(1).octetItem->count, 28);
    EXPECT_TRUE(p.Row(1).edit->ReadOnly());
    // The editable look keeps a bit-list editor read-only: the dialog is its only input.
    p.SetCheckDefault(true);
    EXPECT_TRUE(p.Row(1).edit->ReadOnly());
    EXPECT_TRUE(p.Row(1).checkBox->Checked());
    EXPECT_EQ(p.Row(1).edit->Color(), clWhite);
}

// ---- the bit-list dialog --------------------------------------------------------------------

constexpr UISnmpVar PortLists[] = {
    {"1.3.6.1.4.1.32473.4.1", "Member Ports", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.4.2", "Forbidden Ports", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.4.3", "Name", sxDisplaystr, acReadwrite},
    {},
};

class BitListTest : public EditsPanelTest {
protected:
    void SetUp() override {
        EditsPanelTest::SetUp();
        Build(PortLists);
        panel_->AssignOctetItem(0, 8, 28);
        panel_->AssignOctetItem(1, 8, 5);
        ASSERT_TRUE(ShowActive(form_.get()));
    }
    // Opens row `row`'s dialog with a user's click (or a key) and runs `inside` while it is
    // up; the dialog is closed afterwards if `inside` left it open.
    void WithDialog(int row, const std::function<void(TBitListForm&)>& inside, bool byKey = false) {
        bool ran = false;
        PostCall(panel_, [&] {
            auto* dialog = dynamic_cast<TBitListForm*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no bit-list dialog";
                return;
            }
            ran = true;
            inside(*dialog);
            if (dialog->isVisible()) {
                dialog->Close();
            }
        });
        TEdit* edit = panel_->Row(row).edit;
        if (byKey) {
            QTest::keyClick(edit, Qt::Key_A);
        } else {
            QTest::mouseClick(edit, Qt::LeftButton);
        }
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    std::set<int> CheckedBoxes(const TBitListForm& dialog) {
        std::set<int> checked;
        for (size_t n = 0; n < dialog.boxes.size(); ++n) {
            if (dialog.boxes[n]->Checked()) {
                checked.insert(static_cast<int>(n));
            }
        }
        return checked;
    }
};

TEST_F(BitListTest, TwentyEightPositionsEightToALine) {
    Var(0).value = "80 40 00 10"; // positions 0, 9 and 27
    binding_->ShowValues();
    WithDialog(0, [&](TBitListForm& d) {
        EXPECT_EQ(d.Caption(), "Member Ports");
        EXPECT_EQ(d.Position(), poOwnerFormCenter);
        EXPECT_EQ(d.BorderIcons(), biSystemMenu);
        ASSERT_EQ(d.boxes.size(), 28u);
        ASSERT_EQ(d.labels.size(), 28u);
        std::set<int> tops;
        std::vector<int> perLine(4, 0);
        for (int n = 0; n < 28; ++n) {
            TLabel* label = d.labels[static_cast<size_t>(n)];
            TCheckBox* box = d.boxes[static_cast<size_t>(n)];
            const int line = n / 8;
            const int column = n % 8;
            SCOPED_TRACE(n);
            EXPECT_EQ(label->Caption(), std::to_string(n + 1));
            EXPECT_EQ(box->Width(), 20);
            EXPECT_FALSE(box->TabStop());
            EXPECT_TRUE(box->Enabled());
            EXPECT_EQ(label->Top(), line * (box->Height() + label->Height()) + 10);
            EXPECT_EQ(box->Top(), label->Height() + line * (label->Height() + box->Height()) + 10);
            EXPECT_EQ(label->Left(), column * 20 + 10);
            EXPECT_EQ(box->Left(), label->Left());
            tops.insert(box->Top());
            ++perLine[static_cast<size_t>(line)];
        }
        EXPECT_EQ(tops.size(), 4u);
        EXPECT_EQ(perLine, (std::vector<int>{8, 8, 8, 4}));
        EXPECT_EQ(CheckedBoxes(d), (std::set<int>{0, 9, 27}));

        const TCheckBox* last = d.boxes.back();
        int left = 10;
        for (TButton* b : {d.okButton, d.cancelButton, d.checkAllButton, d.clearChecksButton}) {
            EXPECT_TRUE(b->Visible());
            EXPECT_EQ(b->Top(), last->Top() + last->Height() + 10);
            EXPECT_EQ(b->Left(), left);
            left += b->Width() + 10;
        }
        EXPECT_EQ(d.okButton->Caption(), "OK");
        EXPECT_EQ(d.cancelButton->Caption(), "Cancel");
        EXPECT_EQ(d.checkAllButton->Caption(), "Check All");
        EXPECT_EQ(d.clearChecksButton->Caption(), "Clear Checks");
        EXPECT_EQ(d.ClientHeight(), d.okButton->Top() + d.okButton->Height() + 10);
        // As wide as a full line of eight, but never narrower than the buttons.
        const int buttonsRight = d.clearChecksButton->Left() + d.clearChecksButton->Width();
        EXPECT_EQ(d.ClientWidth(), std::max(7 * 20 + 10 + 20, buttonsRight) + 10);
    });
}

TEST_F(BitListTest, TheAnswerDecidesWhatTheValueBecomes) {
    const struct {
        const char* name;
        std::function<void(TBitListForm&)> answer;
        const char* value;
    } cases[] = {
        {"tick and OK",
         [](TBitListForm& d) {
             QTest::mouseClick(d.boxes[1], Qt::LeftButton);
             d.boxes[27]->Click();
             d.okButton->Click();
         },
         "C0400000"},
        // Opening the dialog takes the row's text into the value, in its plain form.
        {"tick and Cancel",
         [](TBitListForm& d) {
             d.boxes[1]->Click();
             d.cancelButton->Click();
         },
         "80400010"},
        {"Check All and OK",
         [](TBitListForm& d) {
             d.checkAllButton->Click();
             d.okButton->Click();
         },
         "FFFFFFF0"},
        {"Clear Checks and OK",
         [](TBitListForm& d) {
             d.clearChecksButton->Click();
             d.okButton->Click();
         },
         "00000000"},
        {"closed by its close box", [](TBitListForm& d) { d.Close(); }, "80400010"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Var(0).value = "80 40 00 10";
        binding_->ShowValues();
        WithDialog(0, c.answer);
        EXPECT_EQ(Var(0).value, c.value);
        EXPECT_EQ(panel_->RowText(0), c.value);
        // The edit is the row's only control bound again, with the row's format.
        int bound = 0;
        for (const auto& b : binding_->Bindings()) {
            if (b->varIndex == 0) {
                ++bound;
                ASSERT_EQ(b->controls.size(), 1u);
                EXPECT_EQ(b->controls.front(), panel_->Row(0).edit);
            }
        }
        EXPECT_EQ(bound, 1);
    }
    // The rebound edit still shows what the binding holds.
    Var(0).value = "0F000000";
    binding_->ShowValues(0);
    EXPECT_EQ(panel_->RowText(0), "0F000000");
}

TEST_F(BitListTest, AKeyOpensTheDialogAndTypesNothing) {
    Var(0).value = "00000000";
    binding_->ShowValues();
    WithDialog(
        0,
        [](TBitListForm& d) {
            d.boxes[3]->Click();
            d.okButton->Click();
        },
        true);
    EXPECT_EQ(Var(0).value, "10000000");
    EXPECT_EQ(panel_->RowText(0), "10000000");
}

// A value the boxes cannot show (too short for 28 positions) starts the dialog empty.
TEST_F(BitListTest, AValueTooShortForTheBoxesClearsTheRow) {
    Var(0).value = "FF";
    binding_->ShowValues();
    WithDialog(0, [&](TBitListForm& d) {
        EXPECT_TRUE(CheckedBoxes(d).empty());
        EXPECT_EQ(Var(0).value, "");
        d.boxes[0]->Click();
        d.okButton->Click();
    });
    EXPECT_EQ(Var(0).value, "80000000");
}

// An invalid entry in another row (a group of address fields standing before it) neither keeps
// the ticked bits out of the value nor leaves the row's edit unbound.
TEST_F(BitListTest, AnotherRowsEntryDoesNotStopTheBits) {
    constexpr UISnmpVar WithAddress[] = {
        {"1.3.6.1.4.1.32473.4.4", "Gateway", sxIpaddress, acReadwrite},
        {"1.3.6.1.4.1.32473.4.1", "Member Ports", sxOctetstr, acReadwrite},
        {},
    };
    delete panel_;
    Build(WithAddress);
    panel_->AssignOctetItem(1, 8, 16);
    binding_->UnbindControls(0);
    std::vector<TEdit*> fields;
    for (int i = 0; i < 4; ++i) {
        fields.push_back(new TEdit(form_.get()));
    }
    binding_->BindEdit(0, "%u%u%u%u", fields);
    fields[2]->SetText("300");
    Var(1).value = "0000";
    binding_->ShowValues(1);
    WithDialog(1, [](TBitListForm& d) {
        d.boxes[15]->Click();
        d.okButton->Click();
    });
    EXPECT_EQ(Var(1).value, "0001");
    EXPECT_EQ(panel_->RowText(1), "0001");
    ASSERT_EQ(binding_->Bindings().back()->controls.size(), 1u);
    EXPECT_EQ(binding_->Bindings().back()->controls.front(), panel_->Row(1).edit);
    // The address error is still there for the write to report.
    EXPECT_ANY_THROW(binding_->ReadControls());
}

TEST_F(BitListTest, AReadOnlyValueOffersOnlyOK) {
    Var(1).value = "A8"; // positions 0, 2 and 4
    binding_->ShowValues();
    WithDialog(1, [&](TBitListForm& d) {
        EXPECT_EQ(d.Caption(), "Forbidden Ports");
        ASSERT_EQ(d.boxes.size(), 5u);
        for (TCheckBox* box : d.boxes) {
            EXPECT_FALSE(box->Enabled());
        }
        EXPECT_EQ(CheckedBoxes(d), (std::set<int>{0, 2, 4}));
        EXPECT_TRUE(d.okButton->Visible());
        EXPECT_FALSE(d.cancelButton->Visible());
        EXPECT_FALSE(d.checkAllButton->Visible());
        EXPECT_FALSE(d.clearChecksButton->Visible());
        // Five of eight on one line: the last box's right edge plus 10.
        const TCheckBox* last = d.boxes.back();
        EXPECT_EQ(d.ClientWidth(),
                  std::max(last->Left() + last->Width(), d.okButton->Left() + d.okButton->Width()) +
                      10);
        EXPECT_EQ(d.ClientWidth(), 4 * 20 + 10 + 20 + 10);
        d.okButton->Click();
    });
    EXPECT_EQ(Var(1).value, "A8");
}

} // namespace
