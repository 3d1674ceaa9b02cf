// A user who clicks anything at any moment, against a slow device whose answers come late and
// out of order: random sequences of Refresh, Set Checked, Add, Edit, Delete (answered Yes), row
// selections, tab switches, Close and the main window's close, for a bounded time. Every page
// must be freed once its entry's action returned, no action may wait beyond its bound, and the
// device's rows must agree with the writes that reported Ok. The seed is printed on failure:
// KSW_CHAOS_SEED=<n> replays a run, KSW_CHAOS_SECONDS=<s> makes it longer.
#include "LifecycleSupport.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TPageControl.h"

#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <random>
#include <set>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* Pages[] = {
    TrustHostPath,
    "Basic Configuration / MIB II / Information",
    "Basic Configuration / MIB II / IF Table",
    "Basic Configuration / System Log",
    "Basic Configuration / Time Management / System Time",
    "Basic Configuration / MIB II / IF Counter",
    "Bridge / Spanning Tree / STP Control",
};

// No single action may wait longer than an exchange can last (two attempts of the page's time
// out) and a margin.
constexpr auto ActionBound = std::chrono::seconds(8);

int EnvNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != 0 ? std::atoi(text) : fallback;
}

class ChaosTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        dir_ = new QTemporaryDir();
        sim_ = new TestAgent(TestAgent::Kind::Simulator,
                             {"--data", DataWithTrustHosts(*dir_, 200), "--delay-ms", "3",
                              "--jitter-ms", "6"});
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        delete dir_;
        dir_ = nullptr;
    }

    // What happened lately, for the failure message.
    void Log(const std::string& line) {
        log_.push_back(line);
        if (log_.size() > 40) {
            log_.pop_front();
        }
    }
    std::string Trail() const {
        std::ostringstream out;
        out << "seed " << seed_ << "; last actions:\n";
        for (const std::string& line : log_) {
            out << "  " << line << "\n";
        }
        return out.str();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }

    static TMemo* MemoOf(QWidget* window) {
        auto* panel = FindIn<TMsgPanel>(window);
        return panel != nullptr ? panel->memo : nullptr;
    }
    // The result lines a click added to the page's result area.
    static std::vector<std::string> NewLines(TMemo* memo, int before) {
        std::vector<std::string> lines;
        for (int i = before; memo != nullptr && i < memo->LineCount(); ++i) {
            lines.push_back(memo->Line(i));
        }
        return lines;
    }
    static bool WroteOk(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            if (line.rfind("Set: Ok!", 0) == 0) {
                return true;
            }
        }
        return false;
    }

    void Timed(const std::string& what, const std::function<void()>& action) {
        Log(what);
        const auto start = Clock::now();
        action();
        const auto took = Clock::now() - start;
        EXPECT_LT(took, ActionBound) << what << " waited too long\n" << Trail();
    }

    static void CheckSomeRows(TEditsPanel& rows, std::mt19937& random) {
        for (int i = 0; i < rows.RowCount(); ++i) {
            if (rows.Row(i).checkBox->Enabled() && random() % 3 == 0) {
                rows.CheckRow(i);
            }
        }
    }

    // One random action on a page form.
    void ActOnPage(TConfigForm& page) {
        auto* list = FindIn<TSNMPListViewPanel>(&page);
        auto* editor = FindIn<TSNMPEditorPanel>(&page);
        TCtrlBtnPanel* buttons = editor != nullptr ? editor->ButtonPanel() : nullptr;
        if (buttons == nullptr) {
            return;
        }
        TMemo* memo = MemoOf(&page);
        const int before = memo != nullptr ? memo->LineCount() : 0;
        switch (Pick(10)) {
        case 0:
            Timed("Refresh", [&] { buttons->refreshButton->Click(); });
            break;
        case 1:
            if (list == nullptr) {
                Timed("Set Checked", [&] {
                    CheckSomeRows(*editor->EditsPanel(), random_);
                    buttons->setCheckedButton->SetEnabled(true);
                    MessageScript::Push(mrOk); // "Some items are empty!" if it comes
                    buttons->setCheckedButton->Click();
                    MessageScript::Clear();
                });
            }
            break;
        case 2:
        case 3:
            if (list != nullptr) {
                TListView& rows = *list->ListViewPanel()->ListView();
                if (rows.ItemCount() > 0) {
                    rows.SetSelected(rows.Item(Pick(rows.ItemCount())));
                    list->UpdateRowButtons();
                    Log("select " + rows.Selected()->Caption());
                }
            }
            break;
        case 4:
            if (list != nullptr && buttons->addButton->Visible()) {
                adding_ = true;
                Timed("Add", [&] { buttons->addButton->Click(); });
                adding_ = false;
            }
            break;
        case 5:
            if (list != nullptr && buttons->editButton->Visible() &&
                list->ListViewPanel()->ListView()->Selected() != nullptr) {
                Timed("Edit", [&] { buttons->editButton->Click(); });
            }
            break;
        case 6:
            if (list != nullptr && buttons->deleteButton->Visible()) {
                TListItem* selected = list->ListViewPanel()->ListView()->Selected();
                if (selected != nullptr) {
                    const std::string caption = selected->Caption();
                    MessageScript::Push(mrYes);
                    Timed("Delete " + caption, [&] { buttons->deleteButton->Click(); });
                    MessageScript::Clear();
                    if (WroteOk(NewLines(memo, before)) && page.windowTitle().contains(
                                                              QStringLiteral("Trust Host"))) {
                        added_.erase(caption);
                        deleted_.insert(caption);
                    }
                }
            }
            break;
        case 7:
            if (TPageControl* tabs = page.PageControl(); tabs != nullptr && tabs->PageCount() > 1) {
                const int next = Pick(tabs->PageCount());
                Timed("tab " + std::to_string(next), [&] {
                    tabs->SetActivePageIndex(next);
                    page.RefreshPage();
                });
            }
            break;
        case 8:
            if (Chance(40)) {
                Timed("Close page", [&] { page.Close(); });
            }
            break;
        default:
            break; // the user looks
        }
    }

    // One random action in an add or edit dialog.
    void ActOnDialog(TForm& dialog) {
        auto* column = FindIn<TCtrlBtnPanel>(&dialog);
        auto* rows = FindIn<TEditsPanel>(&dialog);
        if (column == nullptr || rows == nullptr) {
            dialog.Close();
            return;
        }
        TConfigForm* page = dynamic_cast<TConfigForm*>(dialog.parentWidget() != nullptr
                                                           ? dialog.parentWidget()->window()
                                                           : nullptr);
        TMemo* memo = page != nullptr ? MemoOf(page) : nullptr;
        const int before = memo != nullptr ? memo->LineCount() : 0;
        switch (Pick(4)) {
        case 0: {
            const bool trustHost =
                page != nullptr && page->windowTitle().contains(QStringLiteral("Trust Host"));
            std::string index;
            if (adding_ && trustHost && rows->RowCount() >= 4) {
                index = std::to_string(2000 + Pick(50));
                rows->Row(0).edit->SetText(index);
                rows->Row(1).edit->SetText("10.77.0." + std::to_string(1 + Pick(200)));
                rows->Row(3).edit->SetText("255.255.255.0");
                rows->CheckRow(1);
                rows->CheckRow(3);
            } else if (!adding_) {
                CheckSomeRows(*rows, random_);
            }
            column->setCheckedButton->SetEnabled(rows->CountCheckedRows() > 0);
            if (!column->setCheckedButton->Enabled()) {
                break;
            }
            MessageScript::Push(mrOk);
            Timed("dialog Set Checked " + index, [&] { column->setCheckedButton->Click(); });
            MessageScript::Clear();
            if (!index.empty() && WroteOk(NewLines(memo, before))) {
                added_.insert(index);
                deleted_.erase(index);
            }
            break;
        }
        case 1:
            Timed("dialog Close", [&] { dialog.Close(); });
            break;
        default:
            break;
        }
    }

    // One random action in a hand-made window: one of its buttons, or its close box.
    void ActOnWindow(TForm& window) {
        std::vector<TButton*> buttons;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            auto* button = dynamic_cast<TButton*>(w);
            if (button != nullptr && button->isVisible() && button->isEnabled() &&
                button->window() == &window) {
                buttons.push_back(button);
            }
        }
        const int roll = Pick(10);
        if (roll == 0) {
            Timed("window close", [&] { window.Close(); });
        } else if (roll < 6 && !buttons.empty()) {
            TButton* button = buttons[static_cast<std::size_t>(Pick(static_cast<int>(buttons.size())))];
            Timed("button " + button->Caption(), [&] { button->Click(); });
            MessageScript::Clear();
        }
    }

    // One tick of the user: acts on the window that takes input now. Within a wait that takes
    // no input nothing happens, as a user's clicks do not land there either.
    void Tick() {
        if (InWaitWithoutInput() || stop_) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* page = dynamic_cast<TConfigForm*>(modal)) {
            if (!page->IsClosing()) {
                ActOnPage(*page);
            }
        } else if (auto* dialog = dynamic_cast<TForm*>(modal);
                   dialog != nullptr && FindIn<TCtrlBtnPanel>(dialog) != nullptr) {
            ActOnDialog(*dialog);
        } else if (auto* window = dynamic_cast<TForm*>(modal)) {
            ActOnWindow(*window);
        } else if (modal != nullptr) {
            // A box the script did not answer: the user closes it.
            Log("close a box");
            modal->close();
        }
    }

    static QTemporaryDir* dir_;
    static TestAgent* sim_;
    std::mt19937 random_;
    unsigned seed_ = 0;
    std::deque<std::string> log_;
    std::set<std::string> added_;
    std::set<std::string> deleted_;
    bool adding_ = false;
    bool stop_ = false;
};

QTemporaryDir* ChaosTest::dir_ = nullptr;
TestAgent* ChaosTest::sim_ = nullptr;

TEST_F(ChaosTest, RandomClicksAtRandomMomentsAgainstASlowDevice) {
    seed_ = static_cast<unsigned>(
        EnvNumber("KSW_CHAOS_SEED", static_cast<int>(Clock::now().time_since_epoch().count() &
                                                     0x7fffffff)));
    random_.seed(seed_);
    MessageScript::SetScriptMode(true);
    const auto end = Clock::now() + std::chrono::seconds(EnvNumber("KSW_CHAOS_SECONDS", 100));
    std::printf("chaos seed %u\n", seed_);

    // The user's clicks, at random moments from a few milliseconds to a few tenths apart.
    QTimer user;
    user.setSingleShot(true);
    QObject::connect(&user, &QTimer::timeout, [&] {
        // Armed first: an action that opens a dialog returns only when the dialog closes, and
        // the user goes on clicking in it meanwhile.
        user.start(2 + Pick(150));
        Tick();
    });

    int rounds = 0;
    while (Clock::now() < end && !HasFailure()) {
        auto window = std::make_unique<MainWindowFixture>(*sim_, *dir_);
        window->Main().show();
        const int pages = 1 + Pick(4);
        for (int i = 0; i < pages && Clock::now() < end && !HasFailure(); ++i) {
            const std::string path = Pages[Pick(static_cast<int>(std::size(Pages)))];
            Log("open " + path);
            QPointer<TForm> page;
            // Closes the page once its time is up, so that every round ends.
            QTimer deadline;
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, [&] {
                if (page != nullptr && !InWaitWithoutInput() &&
                    QApplication::activeModalWidget() == page) {
                    page->Close();
                } else {
                    deadline.start(50);
                }
            });
            PostCall(&window->Main(), [&] {
                page = dynamic_cast<TForm*>(QApplication::activeModalWidget());
                user.start(Pick(50));
                deadline.start(2000 + Pick(6000));
            });
            window->Item(path).Click();
            user.stop();
            deadline.stop();
            // Anything still open (a dialog the deadline did not reach) is gone by now.
            EXPECT_EQ(page, nullptr) << "the page of " << path << " was not freed\n" << Trail();
            ++rounds;
        }
        // The main window's close, answered Yes: the program would end now.
        if (Chance(50)) {
            MessageScript::Push(mrYes);
            Log("close the main window");
            Timed("main window close", [&] { window->Main().Close(); });
            EXPECT_TRUE(window->Main().Exiting()) << Trail();
            MessageScript::Clear();
        }
        window.reset();
    }
    stop_ = true;
    EXPECT_GT(rounds, 0);

    // The list of the table agrees with the device, and with the writes that reported Ok.
    const ProgramResult walk = SnmpTool(*sim_, {"-v2c", "-c", "public", "-t", "5"})
                                   .Walk(std::string(TrustHostEntry) + ".3");
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    std::set<std::string> device;
    const std::string prefix = "." + std::string(TrustHostEntry) + ".3.";
    for (const auto& [oid, value] : SnmpTool::Values(walk.out)) {
        device.insert(oid.substr(prefix.size()));
    }
    for (const std::string& index : added_) {
        EXPECT_EQ(device.count(index), 1u) << "row " << index << " was written Ok\n" << Trail();
    }
    for (const std::string& index : deleted_) {
        EXPECT_EQ(device.count(index), 0u) << "row " << index << " was deleted Ok\n" << Trail();
    }
    MainWindowFixture window(*sim_, *dir_);
    ASSERT_TRUE(window.WithPage(TrustHostPath, [&](TConfigForm& page) {
        ASSERT_TRUE(WaitUntil(
            [&] { return page.CurrentBinding() != nullptr && !page.CurrentBinding()->busy; },
            30000));
        TListView& list = *ListOf(page);
        std::set<std::string> shown;
        for (int i = 0; i < list.ItemCount(); ++i) {
            EXPECT_TRUE(shown.insert(list.Item(i)->Caption()).second)
                << "row " << list.Item(i)->Caption() << " twice";
        }
        EXPECT_EQ(shown, device);
    }));
    MessageScript::SetScriptMode(false);
    MessageScript::Clear();
    if (HasFailure()) {
        std::printf("%s", Trail().c_str());
    }
}

} // namespace
