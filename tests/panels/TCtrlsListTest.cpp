#include "UiTestSupport.h"
#include "ui/panels/TCtrlsList.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

using CtrlsList = UiTest;

TEST_F(CtrlsList, RefersToControlsWithoutOwningThem) {
    TForm form;
    auto* panel = new TPanel(&form);
    auto* edit = new TEdit(&form);
    auto* label = new TLabel(&form);
    {
        TCtrlsList list;
        EXPECT_EQ(list.Add(panel), 0);
        EXPECT_EQ(list.Add(label), 1);
        list.Insert(1, edit);
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(list.IndexOf(edit), 1);
        EXPECT_EQ(list.ItemAs<TEdit>(1), edit);
        EXPECT_EQ(list.ItemAs<TLabel>(1), nullptr);
        EXPECT_EQ(list.Item(2), label);
        EXPECT_EQ(list.Remove(panel), 0);
        EXPECT_EQ(list.Remove(panel), -1);
        EXPECT_EQ(list.Item(0), edit);
        // A control the form frees reads as none rather than as a dangling reference.
        delete label;
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Item(1), nullptr);
        list.Delete(1);
        EXPECT_EQ(list.Count(), 1);
    }
    // The list went; the controls stay with their form.
    EXPECT_EQ(edit->Parent(), &form);
    EXPECT_EQ(panel->Parent(), &form);
}

TEST_F(CtrlsList, PositionsOutsideTheListRaiseTheListError) {
    TForm form;
    TEdit edit(&form);
    TCtrlsList list;
    list.Add(&edit);
    const struct {
        const char* what;
        std::function<void()> call;
        const char* text;
    } cases[] = {
        {"Item", [&] { list.Item(1); }, "List index out of bounds (1)"},
        {"Item", [&] { list.Item(-1); }, "List index out of bounds (-1)"},
        {"Delete", [&] { list.Delete(3); }, "List index out of bounds (3)"},
        {"Insert", [&] { list.Insert(2, &edit); }, "List index out of bounds (2)"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what;
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), c.text) << c.what;
        }
    }
    EXPECT_EQ(list.Count(), 1);
}

} // namespace
