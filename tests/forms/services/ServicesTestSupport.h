#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// Every test runs its windows against a simulator of its own, which the process-wide
// connection record points at (SNMPv2c, "public" to read, "private" to write), so that the
// requests the windows create reach it.
class ServicesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        agent_ = std::make_unique<TestAgent>();
        PointModuleAt(*agent_);
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        agent_.reset();
        UiTest::TearDown();
    }

    // The device's values below an OID, keyed by the OID without net-snmp's leading dot.
    std::map<std::string, std::string> Walk(const std::string& oid) const {
        const ProgramResult r = SnmpTool(*agent_, {"-v2c", "-c", "public"}).Walk(oid);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::map<std::string, std::string> values;
        for (auto& [name, value] : SnmpTool::Values(r.out)) {
            values[name.substr(1)] = value;
        }
        return values;
    }

    static bool Idle(const QxSNMPRequest2Controls* binding) {
        return WaitUntil([binding] { return binding == nullptr || !binding->busy; }, 15000);
    }

    // The memo lines that start with `start`.
    static std::vector<std::string> Lines(const TMemo& memo, const std::string& start) {
        std::vector<std::string> lines;
        for (int i = 0; i < memo.LineCount(); ++i) {
            if (memo.Line(i).rfind(start, 0) == 0) {
                lines.push_back(memo.Line(i));
            }
        }
        return lines;
    }

    // The list's rows as their captions and sub-items.
    static std::vector<std::vector<std::string>> Rows(const TListView& list) {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < list.ItemCount(); ++i) {
            std::vector<std::string> row{list.Item(i)->Caption()};
            for (const std::string& cell : list.Item(i)->SubItems()) {
                row.push_back(cell);
            }
            rows.push_back(row);
        }
        return rows;
    }

    // The first row with these first two cells; none.
    static TListItem* Row(const TListView& list, const std::string& first,
                          const std::string& second = {}) {
        for (int i = 0; i < list.ItemCount(); ++i) {
            TListItem* item = list.Item(i);
            if (item->Caption() == first && (second.empty() || item->SubItem(0) == second)) {
                return item;
            }
        }
        return nullptr;
    }

    // The texts of the message boxes that came, in order.
    static std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const MessageScript::Entry& e : MessageScript::Log()) {
            texts.push_back(e.text);
        }
        return texts;
    }

    std::unique_ptr<TestAgent> agent_;
};
