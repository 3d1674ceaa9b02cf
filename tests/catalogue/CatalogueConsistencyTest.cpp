// Consistency of the menu catalogue's data: every rule below is checked over all entries and
// every page; each finding names the entry (top menu / menu path) and the page. Findings that
// the data is known to have are listed per rule, so that a new fault fails the test and a
// repaired one shows up as a listed finding that no longer occurs.

#include "main_window/catalogue/PageDefinition.h"
#include "shell/QxError.h"
#include "vocab/QxEditConstraint.h"
#include "vocab/QxOptionList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Findings = std::vector<std::string>;
using Entries = std::span<const PageDefinition>;

bool IsGenerated(const PageDefinition& entry) {
    return entry.kind == EntryKind::Scalar || entry.kind == EntryKind::Table ||
           entry.kind == EntryKind::Tabbed;
}

std::string Str(const char* text) {
    return text != nullptr ? text : "(null)";
}

std::string EntryName(const PageDefinition& entry) {
    return Str(entry.topMenu) + " / " + Str(entry.menuPath);
}

std::string PageName(const PageDefinition& entry, size_t page) {
    return EntryName(entry) + " [page " + std::to_string(page) + "]";
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The number of rows before the sentinel, the first row without an OID.
int RowsBeforeSentinel(const UISnmpVar* vars) {
    int n = 0;
    while (vars[n].oid != nullptr) {
        ++n;
    }
    return n;
}

// Calls `check` for every page of every generated entry.
Findings ForEachPage(
    Entries entries,
    const std::function<void(const PageDefinition&, size_t, const PageSpec&, Findings&)>& check) {
    Findings findings;
    for (const PageDefinition& entry : entries) {
        if (!IsGenerated(entry)) {
            continue;
        }
        for (size_t i = 0; i < entry.pages.size(); ++i) {
            check(entry, i, entry.pages[i], findings);
        }
    }
    return findings;
}

// ---- the rules ----

Findings DescriptorEndsAfterVarCount(Entries entries) {
    return ForEachPage(entries, [](const PageDefinition& entry, size_t i, const PageSpec& page,
                                   Findings& out) {
        if (page.vars == nullptr) {
            out.push_back(PageName(entry, i) + ": no descriptor table");
            return;
        }
        const int rows = RowsBeforeSentinel(page.vars);
        if (rows != page.varCount) {
            out.push_back(PageName(entry, i) + ": " + std::to_string(rows) +
                          " rows before the sentinel, varCount " + std::to_string(page.varCount));
        }
        const UISnmpVar& sentinel = page.vars[rows];
        if (sentinel.label != nullptr || sentinel.options != nullptr || sentinel.syntax != 0) {
            out.push_back(PageName(entry, i) + ": sentinel row is not empty");
        }
    });
}

const std::set<int> KnownSyntaxes = {
    sxBoolean, sxInteger,    sxBitstr,    sxOctetstr,   sxNull,       sxObjectid,    sxIpaddress,
    sxCounter, sxGuage,      sxTimeticks, sxOpaque,     sxNsapaddr,   sxCounter64,   sxUinteger,
    sxDouble,  sxMacaddress, sxDatetime,  sxBcdatetime, sxDisplaystr, sxIpv6address, sxBool8,
    sxInt8,    sxUint8,      sxBool16,    sxInt16,      sxUint16};

Findings RowsAreWellFormed(Entries entries) {
    return ForEachPage(
        entries, [](const PageDefinition& entry, size_t i, const PageSpec& page, Findings& out) {
            if (page.vars == nullptr) {
                return;
            }
            for (int r = 0; page.vars[r].oid != nullptr; ++r) {
                const UISnmpVar& var = page.vars[r];
                const std::string where = PageName(entry, i) + " row " + std::to_string(r);
                const std::string_view oid = var.oid;
                const bool noColumn = oid == " ";
                const bool dotted =
                    !oid.empty() && oid.front() != '.' && oid.back() != '.' &&
                    oid.find("..") == std::string_view::npos &&
                    std::all_of(oid.begin(), oid.end(), [](char c) {
                        return c == '.' || std::isdigit(static_cast<unsigned char>(c)) != 0;
                    });
                if (!noColumn && !dotted) {
                    out.push_back(where + ": malformed OID \"" + std::string(oid) + "\"");
                }
                if (var.label == nullptr || *var.label == '\0') {
                    out.push_back(where + ": no label");
                }
                if (!KnownSyntaxes.contains(var.syntax)) {
                    out.push_back(where + ": unknown syntax " + std::to_string(var.syntax));
                }
                // Not accessible, read-only or read-write, plus the implied flag; hidden and
                // invalid are run-time states and derived rows are not in the catalogue.
                const std::uint32_t base = var.access & ~std::uint32_t{acImplied};
                if (base != acNotaccess && base != acReadonly && base != acReadwrite) {
                    out.push_back(where + ": access " + std::to_string(var.access));
                }
                // An index part without a column of its own can only be part of the row index.
                if (noColumn && r >= page.indexCount) {
                    out.push_back(where + ": index part without a column but indexCount " +
                                  std::to_string(page.indexCount));
                }
            }
        });
}

Findings PagesMatchTheShape(Entries entries) {
    Findings out;
    for (const PageDefinition& entry : entries) {
        const std::string name = EntryName(entry);
        if (!IsGenerated(entry)) {
            if (!entry.pages.empty()) {
                out.push_back(name + ": pages on an entry that opens none");
            }
            continue;
        }
        const size_t n = entry.pages.size();
        if (entry.kind == EntryKind::Tabbed ? n < 2 : n != 1) {
            out.push_back(name + ": " + std::to_string(n) + " pages");
        }
        for (size_t i = 0; i < n; ++i) {
            const PageSpec& page = entry.pages[i];
            const bool titled = page.tabTitle != nullptr && *page.tabTitle != '\0';
            if (entry.kind == EntryKind::Tabbed && !titled) {
                out.push_back(PageName(entry, i) + ": tab without a title");
            }
            if (entry.kind != EntryKind::Tabbed && page.tabTitle != nullptr) {
                out.push_back(PageName(entry, i) + ": tab title on an untabbed page");
            }
            if ((entry.kind == EntryKind::Scalar && page.table) ||
                (entry.kind == EntryKind::Table && !page.table)) {
                out.push_back(PageName(entry, i) + ": page kind differs from the entry's");
            }
        }
    }
    return out;
}

Findings IndexCountWithinRows(Entries entries) {
    return ForEachPage(entries, [](const PageDefinition& entry, size_t i, const PageSpec& page,
                                   Findings& out) {
        if (page.indexCount < 0 || page.indexCount > page.varCount) {
            out.push_back(PageName(entry, i) + ": indexCount " + std::to_string(page.indexCount) +
                          " of " + std::to_string(page.varCount) + " rows");
        }
    });
}

Findings StatusColumnIsUsable(Entries entries) {
    return ForEachPage(
        entries, [](const PageDefinition& entry, size_t i, const PageSpec& page, Findings& out) {
            const std::string where = PageName(entry, i);
            if (page.statusColumn < 0) {
                if (page.statusColumn != -1 || page.createText != nullptr ||
                    page.destroyText != nullptr) {
                    out.push_back(where + ": status texts without a status column");
                }
                return;
            }
            if (!page.table) {
                out.push_back(where + ": status column on a scalar page");
            }
            if (page.statusColumn >= page.varCount || page.vars == nullptr) {
                out.push_back(where + ": status column " + std::to_string(page.statusColumn) +
                              " beyond the rows");
                return;
            }
            const UISnmpVar& var = page.vars[page.statusColumn];
            if ((var.access & acReadwrite) != acReadwrite) {
                out.push_back(where + ": status column " + std::to_string(page.statusColumn) +
                              " is not writable");
            }
            if (var.options == nullptr) {
                out.push_back(where + ": status column " + std::to_string(page.statusColumn) +
                              " has no options");
                return;
            }
            for (const char* text : {page.createText, page.destroyText}) {
                bool found = false;
                for (int k = 0; text != nullptr && k < var.options->Count(); ++k) {
                    found = found || EqualNoCase(var.options->Entry(k).label, text);
                }
                if (!found) {
                    out.push_back(where + ": status text \"" + Str(text) +
                                  "\" is not among the options of \"" + Str(var.label) + "\"");
                }
            }
        });
}

// Which adjustments belong where, and the hooks the main window provides.
Findings AdjustmentsAreValid(Entries entries) {
    static const std::set<std::string, std::less<>> BeforeAddHooks = {
        "ViewTreeDefaults", "CommunityBeforeAdd", "VlanStaticBeforeAdd"};
    static const std::set<std::string, std::less<>> AfterAddHooks = {"CommunityAfterAdd",
                                                                     "VlanStaticAfterAdd"};
    static const std::set<std::string, std::less<>> CloseHooks = {"RmonStateClosed"};
    Findings out = ForEachPage(
        entries, [](const PageDefinition& entry, size_t i, const PageSpec& page, Findings& found) {
            for (const PageAdjustment& a : page.adjustments) {
                const std::string where = PageName(entry, i);
                const std::string text = Str(a.text);
                const auto rowInRange = [&] {
                    if (a.row < 0 || a.row >= page.varCount) {
                        found.push_back(where + ": adjustment row " + std::to_string(a.row) +
                                        " beyond the rows");
                    }
                };
                const auto tableOnly = [&](const char* name) {
                    if (!page.table) {
                        found.push_back(where + ": " + name + " on a scalar page");
                    }
                };
                switch (a.kind) {
                case AdjustmentKind::ValueWidth:
                    if (page.table) {
                        found.push_back(where + ": value width on a table page");
                    }
                    break;
                case AdjustmentKind::SpinLock:
                    if (page.table || page.varCount != 1) {
                        found.push_back(where + ": spin lock on a page that is not one scalar");
                    }
                    break;
                case AdjustmentKind::EditWidth:
                    tableOnly("edit width");
                    break;
                case AdjustmentKind::NoEditButton:
                    tableOnly("no Edit button");
                    break;
                case AdjustmentKind::ReadOnlyList:
                    tableOnly("read-only list");
                    break;
                case AdjustmentKind::Synchronous:
                    tableOnly("synchronous");
                    break;
                case AdjustmentKind::V2cRequest:
                    tableOnly("v2c request");
                    break;
                case AdjustmentKind::RowFormat:
                    rowInRange();
                    try {
                        QxEditConstraint::ParseSpecifier(text);
                    } catch (const QxError&) {
                        found.push_back(where + ": row " + std::to_string(a.row) + " format \"" +
                                        text + "\" is not an edit-constraint format");
                    }
                    break;
                case AdjustmentKind::RowBitList:
                    rowInRange();
                    break;
                case AdjustmentKind::BeforeAddHook:
                    tableOnly("before-add hook");
                    if (!BeforeAddHooks.contains(text)) {
                        found.push_back(where + ": unknown before-add hook " + text);
                    }
                    break;
                case AdjustmentKind::AfterAddHook:
                    tableOnly("after-add hook");
                    if (!AfterAddHooks.contains(text)) {
                        found.push_back(where + ": unknown after-add hook " + text);
                    }
                    break;
                case AdjustmentKind::CloseHook:
                    if (!CloseHooks.contains(text)) {
                        found.push_back(where + ": unknown close hook " + text);
                    }
                    break;
                case AdjustmentKind::ConfirmSet:
                    if (page.table || text.rfind("Are you sure", 0) != 0) {
                        found.push_back(where + ": a write's question must be asked on a scalar "
                                                "page and begin \"Are you sure\"");
                    }
                    break;
                case AdjustmentKind::Counter64Prompt:
                case AdjustmentKind::FormHeight:
                case AdjustmentKind::FormWidthPlus:
                    found.push_back(where + ": form adjustment among the page's");
                    break;
                }
            }
        });
    for (const PageDefinition& entry : entries) {
        for (const PageAdjustment& a : entry.formAdjustments) {
            const bool formLevel = a.kind == AdjustmentKind::FormHeight ||
                                   a.kind == AdjustmentKind::FormWidthPlus ||
                                   a.kind == AdjustmentKind::Counter64Prompt;
            if (!formLevel) {
                out.push_back(EntryName(entry) + ": page adjustment among the form's");
            }
            if ((a.kind == AdjustmentKind::FormHeight || a.kind == AdjustmentKind::FormWidthPlus) &&
                a.value <= 0) {
                out.push_back(EntryName(entry) + ": form size " + std::to_string(a.value));
            }
            if (a.kind == AdjustmentKind::Counter64Prompt &&
                (entry.pages.size() != 1 || !entry.pages[0].table)) {
                out.push_back(EntryName(entry) + ": Counter64 prompt not on one table page");
            }
        }
        if (!entry.formAdjustments.empty() && !IsGenerated(entry)) {
            out.push_back(EntryName(entry) + ": form adjustments without a generated form");
        }
    }
    return out;
}

Findings HandlersAreUnique(Entries entries) {
    Findings out;
    std::map<std::string, std::string> seen;
    for (const PageDefinition& entry : entries) {
        if (entry.handler == nullptr) {
            if (entry.kind != EntryKind::None) {
                out.push_back(EntryName(entry) + ": no handler");
            }
            continue;
        }
        if (entry.kind == EntryKind::None) {
            out.push_back(EntryName(entry) + ": handler on an entry without an action");
        }
        const auto [it, inserted] = seen.emplace(entry.handler, EntryName(entry));
        if (!inserted) {
            out.push_back(EntryName(entry) + ": handler " + entry.handler + " also used by " +
                          it->second);
        }
    }
    return out;
}

Findings TargetsMatchTheKind(Entries entries) {
    Findings out;
    for (const PageDefinition& entry : entries) {
        const std::string name = EntryName(entry);
        const std::string_view target = entry.target != nullptr ? entry.target : "";
        switch (entry.kind) {
        case EntryKind::HandMade:
            if (target.size() < 2 || target.front() != 'T') {
                out.push_back(name + ": hand-made form class \"" + std::string(target) + "\"");
            }
            break;
        case EntryKind::Viewer:
            if (target.size() < 3 || !target.starts_with("/T")) {
                out.push_back(name + ": viewer switch \"" + std::string(target) + "\"");
            }
            break;
        case EntryKind::Command:
            if (target != "Save" && target != "Reboot") {
                out.push_back(name + ": device command \"" + std::string(target) + "\"");
            }
            break;
        default:
            if (entry.target != nullptr) {
                out.push_back(name + ": target \"" + std::string(target) + "\" not used");
            }
            break;
        }
    }
    return out;
}

// SNMPv1 has no Counter64: a page with such a variable has to ask with SNMPv2c, either by
// itself (v2c request) or by offering to switch the module over (Counter64 prompt).
Findings Counter64PagesAskForV2c(Entries entries) {
    Findings out;
    for (const PageDefinition& entry : entries) {
        if (!IsGenerated(entry)) {
            continue;
        }
        bool prompt = false;
        for (const PageAdjustment& a : entry.formAdjustments) {
            prompt = prompt || a.kind == AdjustmentKind::Counter64Prompt;
        }
        for (size_t i = 0; i < entry.pages.size(); ++i) {
            const PageSpec& page = entry.pages[i];
            bool v2c = prompt;
            for (const PageAdjustment& a : page.adjustments) {
                v2c = v2c || a.kind == AdjustmentKind::V2cRequest;
            }
            for (int r = 0; !v2c && page.vars != nullptr && page.vars[r].oid != nullptr; ++r) {
                if (page.vars[r].syntax == sxCounter64) {
                    out.push_back(PageName(entry, i) + ": Counter64 row " + std::to_string(r) +
                                  " read with the module's SNMP version");
                    break;
                }
            }
        }
    }
    return out;
}

struct Rule {
    const char* name;
    Findings (*check)(Entries);
    // What the data is known to break, each finding verbatim.
    std::vector<std::string> known;
};

const Rule Rules[] = {
    {"descriptor ends after varCount rows", DescriptorEndsAfterVarCount, {}},
    // The second index part (the port) of these tables has no column of its own, yet the
    // tables declare one index part only.
    {"rows are well formed",
     RowsAreWellFormed,
     {"Security  / 802.1X / RADIUS Server / MAC Authentication Stats Table [page 0] row 1: "
      "index part without a column but indexCount 1",
      "Security  / 802.1X / RADIUS Server / MAC Authentication Diag Table [page 0] row 1: "
      "index part without a column but indexCount 1",
      "Security  / 802.1X / RADIUS Server / MAC Authentication Session Stats Table [page 0] "
      "row 1: index part without a column but indexCount 1"}},
    // A tabbed form with a single tab: it works (one tab on the page control) but is the only
    // tabbed entry that is not two or more pages.
    {"pages match the shape",
     PagesMatchTheShape,
     {"Layer2 Management / Traffic Segmentation Table: 1 pages"}},
    {"indexCount within the rows", IndexCountWithinRows, {}},
    {"status column is usable", StatusColumnIsUsable, {}},
    {"adjustments are valid", AdjustmentsAreValid, {}},
    {"handlers are unique", HandlersAreUnique, {}},
    {"targets match the kind", TargetsMatchTheKind, {}},
    // Octets RX and TX are Counter64; in SNMPv1 the page cannot read them.
    {"Counter64 pages ask for SNMPv2c",
     Counter64PagesAskForV2c,
     {"Security  / 802.1X / RADIUS Server / MAC Authentication Session Stats Table [page 0]: "
      "Counter64 row 2 read with the module's SNMP version"}},
};

TEST(CatalogueConsistency, EveryRuleHoldsExceptForTheKnownFaults) {
    for (const Rule& rule : Rules) {
        SCOPED_TRACE(rule.name);
        const Findings findings = rule.check(Catalogue);
        for (const std::string& finding : findings) {
            const bool known =
                std::find(rule.known.begin(), rule.known.end(), finding) != rule.known.end();
            EXPECT_TRUE(known) << finding;
        }
        for (const std::string& finding : rule.known) {
            const bool present =
                std::find(findings.begin(), findings.end(), finding) != findings.end();
            EXPECT_TRUE(present) << "listed but no longer found: " << finding;
        }
    }
}

TEST(CatalogueConsistency, EntriesPerTopMenuInMenuOrder) {
    struct Menu {
        const char* caption;
        int count;
    };
    constexpr std::array<Menu, 10> Menus = {{
        {"Basic Configuration", 58},
        {"Single IP Configuration", 5},
        {"Bridge", 9},
        {"VLAN", 14},
        {"RMON", 4},
        {"SNMP V3", 16},
        {"Security ", 53},
        {"Layer2 Management", 40},
        {"Layer 3 Management", 57},
        {"Help", 2},
    }};
    ASSERT_EQ(Catalogue.size(), 258u);
    size_t position = 0;
    for (const Menu& menu : Menus) {
        int count = 0;
        while (position < Catalogue.size() && Str(Catalogue[position].topMenu) == menu.caption) {
            ++count;
            ++position;
        }
        EXPECT_EQ(count, menu.count) << "entries of \"" << menu.caption << "\" in a run";
    }
    EXPECT_EQ(position, Catalogue.size())
        << "entry out of its menu's run: " << EntryName(Catalogue[position]);
}

TEST(CatalogueConsistency, ExactlyTwoEntriesWithoutAnAction) {
    std::vector<std::string> none;
    for (const PageDefinition& entry : Catalogue) {
        if (entry.kind == EntryKind::None) {
            none.push_back(EntryName(entry));
        }
    }
    EXPECT_EQ(none, (std::vector<std::string>{
                        "Security  / 802.1X / RADIUS Server / RADIUS Authentication Server Table",
                        "Layer2 Management / Port Management / Port Security Trap Log State"}));
}

// Each rule sees the fault it is for: one small faulty catalogue per case.
constexpr OptionPair StatusPairs[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
const QxOptionList StatusOptions(StatusPairs, QxOptionList::olInteger);

const UISnmpVar TwoRows[] = {
    {"1.3.6.1.9.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.9.1.2", "Status", sxInteger, acReadwrite, &StatusOptions},
    {},
};
const UISnmpVar OddRows[] = {
    {" ", "Port", sxInteger, acNotaccess},
    {"1.3..6", "Octets", sxCounter64, acReadonly | acHidden},
    {"1.3.6.1.9.2.3", "Status", sxInteger, acReadonly, &StatusOptions},
    {},
};

constexpr PageAdjustment BadFormat[] = {{AdjustmentKind::RowFormat, 1, 0, "%q{n1}"}};
constexpr PageAdjustment UnknownHook[] = {{AdjustmentKind::BeforeAddHook, -1, 0, "Nothing"}};
constexpr PageAdjustment RowBeyond[] = {{AdjustmentKind::RowBitList, 2, 0, nullptr}};

constexpr PageSpec WrongCount[] = {{.table = true, .vars = TwoRows, .varCount = 3}};
constexpr PageSpec Odd[] = {{.table = true, .vars = OddRows, .varCount = 3}};
constexpr PageSpec TablePage[] = {{.table = true, .vars = TwoRows, .varCount = 2}};
constexpr PageSpec TitledTable[] = {
    {.tabTitle = "Tab", .table = true, .vars = TwoRows, .varCount = 2}};
constexpr PageSpec IndexBeyond[] = {
    {.table = true, .vars = TwoRows, .varCount = 2, .indexCount = 3}};
constexpr PageSpec StatusTextMissing[] = {{.table = true,
                                           .vars = TwoRows,
                                           .varCount = 2,
                                           .statusColumn = 1,
                                           .createText = "createAndWait",
                                           .destroyText = "DESTROY"}};
constexpr PageSpec StatusReadOnly[] = {{.table = true,
                                        .vars = OddRows,
                                        .varCount = 3,
                                        .statusColumn = 2,
                                        .createText = "createAndGo",
                                        .destroyText = "destroy"}};
constexpr PageSpec BadFormatPage[] = {
    {.table = true, .vars = TwoRows, .varCount = 2, .adjustments = BadFormat}};
constexpr PageSpec UnknownHookPage[] = {
    {.table = true, .vars = TwoRows, .varCount = 2, .adjustments = UnknownHook}};
constexpr PageSpec RowBeyondPage[] = {
    {.table = true, .vars = TwoRows, .varCount = 2, .adjustments = RowBeyond}};

constexpr PageDefinition Defn(EntryKind kind, std::span<const PageSpec> pages,
                              const char* handler = "XClick", const char* target = nullptr) {
    return {.topMenu = "M",
            .menuPath = "P",
            .handler = handler,
            .kind = kind,
            .pages = pages,
            .target = target};
}

TEST(CatalogueConsistency, EachRuleFindsItsFault) {
    struct Case {
        Findings (*check)(Entries);
        std::vector<PageDefinition> entries;
        std::string expected; // one finding, verbatim
    };
    const Case cases[] = {
        {DescriptorEndsAfterVarCount,
         {Defn(EntryKind::Table, WrongCount)},
         "M / P [page 0]: 2 rows before the sentinel, varCount 3"},
        {RowsAreWellFormed,
         {Defn(EntryKind::Table, Odd)},
         "M / P [page 0] row 0: index part without a column but indexCount 0"},
        {RowsAreWellFormed,
         {Defn(EntryKind::Table, Odd)},
         "M / P [page 0] row 1: malformed OID \"1.3..6\""},
        {RowsAreWellFormed, {Defn(EntryKind::Table, Odd)}, "M / P [page 0] row 1: access 18"},
        {PagesMatchTheShape,
         {Defn(EntryKind::Scalar, TablePage)},
         "M / P [page 0]: page kind differs from the entry's"},
        {PagesMatchTheShape,
         {Defn(EntryKind::Table, TitledTable)},
         "M / P [page 0]: tab title on an untabbed page"},
        {PagesMatchTheShape,
         {Defn(EntryKind::HandMade, TablePage, "XClick", "TForm")},
         "M / P: pages on an entry that opens none"},
        {IndexCountWithinRows,
         {Defn(EntryKind::Table, IndexBeyond)},
         "M / P [page 0]: indexCount 3 of 2 rows"},
        {StatusColumnIsUsable,
         {Defn(EntryKind::Table, StatusTextMissing)},
         "M / P [page 0]: status text \"createAndWait\" is not among the options of \"Status\""},
        {StatusColumnIsUsable,
         {Defn(EntryKind::Table, StatusReadOnly)},
         "M / P [page 0]: status column 2 is not writable"},
        {AdjustmentsAreValid,
         {Defn(EntryKind::Table, BadFormatPage)},
         "M / P [page 0]: row 1 format \"%q{n1}\" is not an edit-constraint format"},
        {AdjustmentsAreValid,
         {Defn(EntryKind::Table, UnknownHookPage)},
         "M / P [page 0]: unknown before-add hook Nothing"},
        {AdjustmentsAreValid,
         {Defn(EntryKind::Table, RowBeyondPage)},
         "M / P [page 0]: adjustment row 2 beyond the rows"},
        {HandlersAreUnique,
         {Defn(EntryKind::Table, TablePage), Defn(EntryKind::Table, TablePage)},
         "M / P: handler XClick also used by M / P"},
        {HandlersAreUnique, {Defn(EntryKind::Table, TablePage, nullptr)}, "M / P: no handler"},
        {TargetsMatchTheKind,
         {Defn(EntryKind::Viewer, {}, "XClick", "TRmon_History")},
         "M / P: viewer switch \"TRmon_History\""},
        {TargetsMatchTheKind,
         {Defn(EntryKind::Command, {}, "XClick", "Restart")},
         "M / P: device command \"Restart\""},
        {Counter64PagesAskForV2c,
         {Defn(EntryKind::Table, Odd)},
         "M / P [page 0]: Counter64 row 1 read with the module's SNMP version"},
    };
    for (const Case& c : cases) {
        const Findings findings = c.check(c.entries);
        EXPECT_NE(std::find(findings.begin(), findings.end(), c.expected), findings.end())
            << c.expected;
    }
    // A sound table raises nothing under any rule, and the status texts match ignoring case.
    const std::vector<PageDefinition> sound = {Defn(EntryKind::Table, TablePage)};
    for (const Rule& rule : Rules) {
        EXPECT_EQ(rule.check(sound), Findings{}) << rule.name;
    }
    const Findings statusCase = StatusColumnIsUsable(
        std::vector<PageDefinition>{Defn(EntryKind::Table, StatusTextMissing)});
    EXPECT_EQ(statusCase.size(), 1u) << "\"DESTROY\" matches \"destroy\"";
}

} // namespace
