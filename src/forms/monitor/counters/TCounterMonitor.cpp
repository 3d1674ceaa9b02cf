#include "forms/monitor/counters/TCounterMonitor.h"

#include "forms/monitor/counters/QxCounterReader.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxValueForms.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TTimer.h"

#include <QLocale>
#include <QTime>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <exception>

namespace {

// sysUpTime: a walk of the scalar groups reaches its instance .0 from the object itself.
constexpr const char* SysUpTime = "1.3.6.1.2.1.1.3";
constexpr int LongestIntervalSeconds = 86400;
constexpr int NotAnIntegerCode = -527;

// Sets a flag for the lifetime of a scope.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

// A sysUpTime text is digits and the separators of a time of day; anything else (no answer,
// "(NULL)") would silently read as 0 and fake a restart.
bool IsTicksText(const std::string& text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) != 0;
}

} // namespace

TCounterMonitor::TCounterMonitor(QWidget* owner, std::vector<std::string> rowNames,
                                 std::vector<int> counterVars)
    : TForm(owner), sampler_(static_cast<int>(rowNames.size())), rowNames_(std::move(rowNames)),
      counterVars_(std::move(counterVars)) {
    SetPosition(poMainFormCenter);
    counters_ = std::make_unique<QxCounterReader>(this);
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(intervalMs_);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    OnShow = [this] {
        if (!supported_) {
            PostCall(this, [this] { Close(); });
        }
    };
}

TCounterMonitor::~TCounterMonitor() {
    Timer1->SetEnabled(false);
    counters_.reset();
}

const std::vector<std::string>& TCounterMonitor::Headings() {
    static const std::vector<std::string> headings = {"Name", "Value", "Delta",
                                                      "Rate", "Peak",  "Peak Occured at"};
    return headings;
}

void TCounterMonitor::BuildCommonControls(QWidget* listParent) {
    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->AddPanel(Width());

    PN_Buttons = new TPanel(this);
    PN_Buttons->SetName("PN_Buttons");
    PN_Buttons->SetBevelOuter(bvNone);
    PN_Buttons->SetWidth(100);
    PN_Buttons->SetAlign(alRight);

    LB_Time = new TLabel(PN_Buttons);
    LB_Time->SetCaption("System Time");
    ST_Time = new TStaticText(PN_Buttons);
    ST_Time->SetName("ST_Time");
    ST_Time->SetAutoSize(false);
    ST_Time->SetBorderStyle(sbsSunken);
    ST_Time->SetAlignment(taCenter);

    LB_Interval = new TLabel(PN_Buttons);
    LB_Interval->SetCaption("Poll  Interval");
    CB_Interval = new TComboBox(PN_Buttons);
    CB_Interval->SetName("CB_Interval");
    CB_Interval->SetStyle(csDropDown);
    CB_Interval->SetItems({"1", "5", "10"});
    CB_Interval->SetItemIndex(0);
    CB_Interval->OnChange = [this] { CB_IntervalChange(); };

    const struct {
        TButton** button;
        const char* name;
        const char* caption;
        void (TCounterMonitor::*click)();
    } buttons[] = {
        {&BT_Reset, "BT_Reset", "Reset", &TCounterMonitor::BT_ResetClick},
        {&BT_Start, "BT_Start", "Start", &TCounterMonitor::BT_StartClick},
        {&BT_Stop, "BT_Stop", "Pause", &TCounterMonitor::BT_StopClick},
        {&BT_Exit, "BT_Exit", "Exit", &TForm::Close},
    };
    for (const auto& b : buttons) {
        auto* button = new TButton(PN_Buttons);
        button->SetName(b.name);
        button->SetCaption(b.caption);
        button->OnClick = [this, click = b.click] { (this->*click)(); };
        *b.button = button;
    }
    BT_Exit->SetCancel(true);

    LV_Counters = new TListView(listParent);
    LV_Counters->SetName("LV_Counters");
    LV_Counters->SetViewStyle(vsReport);
    LV_Counters->SetReadOnly(true);
    LV_Counters->SetRowSelect(true);
    LV_Counters->SetGridLines(true);
    // The figures get fixed widths; the names take what is left of the window's width
    // beside the column of buttons (and a scroll bar).
    const int figures[] = {75, 60, 55, 60, 105};
    int rest = Width() - 100 - 24;
    for (int w : figures) {
        rest -= w;
    }
    LV_Counters->AddColumn(Headings()[0], std::max(rest, 100));
    for (size_t i = 1; i < Headings().size(); ++i) {
        LV_Counters->AddColumn(Headings()[i], figures[i - 1]);
    }
    LV_Counters->SetAlign(alClient);
    ST_Time->SetCaption(TimeOfDay());
}

int TCounterMonitor::PlaceClockAndInterval(int top) {
    LB_Time->SetBounds(8, top, 84, 16);
    ST_Time->SetBounds(8, top + 18, 84, 20);
    LB_Interval->SetBounds(8, top + 48, 84, 16);
    CB_Interval->SetBounds(8, top + 66, 84, 22);
    return top + 96;
}

void TCounterMonitor::PlaceButtons(int top) {
    for (TButton* button : {BT_Reset, BT_Start, BT_Stop, BT_Exit}) {
        button->SetBounds(12, top, 75, 25);
        top += 33;
    }
}

void TCounterMonitor::SetCounterList(const UISnmpVar* table, std::uint8_t kind,
                                     const std::string& suffix) {
    QxSNMPVarList list(table, kind, 0);
    if (!suffix.empty()) {
        list.AddSuffixToOids(suffix);
    }
    const bool walked = kind == MVT_FMV || kind == MVT_UMV;
    list.AppendRow(walked ? SysUpTime : std::string(SysUpTime) + ".0", "", sxTimeticks, acReadonly,
                   nullptr);
    counters_->request.vars.Assign(list);
}

std::string TCounterMonitor::TimeOfDay() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

bool TCounterMonitor::ReadWholeNumber(const std::string& text, long low, long high,
                                      const std::string& rangeMessage, long& value) {
    long n = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data() + (text.rfind('+', 0) == 0 ? 1 : 0);
    const auto [stop, error] = std::from_chars(begin, end, n);
    if (text.empty() || error == std::errc::invalid_argument || stop != end) {
        Application().ShowException(NotAnIntegerText(text));
        return false;
    }
    if (error != std::errc() || n < low || n > high) {
        Application().ShowException(rangeMessage);
        return false;
    }
    value = n;
    return true;
}

void TCounterMonitor::Timer1Timer() {
    ST_Time->SetCaption(TimeOfDay());
    // A tick that comes while a read is waiting (the window's events are handled during a
    // walk) is dropped rather than queued behind it.
    if (!running_ || reading_) {
        return;
    }
    ReadAndSample();
}

bool TCounterMonitor::ReadAndSample(bool sample) {
    if (reading_) {
        return false;
    }
    Busy busy(reading_);
    try {
        counters_->Get();
        if (sample) {
            SampleStep();
        }
        return true;
    } catch (const std::exception& error) {
        counters_->Report(error.what());
        return false;
    }
}

void TCounterMonitor::SampleStep() {
    if (LV_Counters->ItemCount() == 0) {
        InitRows();
    }
    if (!counters_->HasRow()) {
        throw QxError(NotAnIntegerText(""), NotAnIntegerCode);
    }
    const std::vector<std::string>& row = counters_->FirstRow();
    const auto text = [&row](int var) {
        return var >= 0 && static_cast<size_t>(var) < row.size() ? row[static_cast<size_t>(var)]
                                                                 : std::string();
    };
    // Every text is checked before the engine moves, so that a bad answer leaves all
    // figures as they were.
    std::vector<std::uint32_t> values;
    for (int var : counterVars_) {
        values.push_back(CounterSampler::ParseCounter(text(var)));
    }
    const std::string upTime = text(static_cast<int>(row.size()) - 1);
    if (!IsTicksText(upTime)) {
        throw QxError(NotAnIntegerText(upTime), NotAnIntegerCode);
    }
    const CounterSampler::Outcome outcome = sampler_.Step(values, TicksFromText(upTime));
    ShowStep(outcome);
    AfterSample(outcome);
}

void TCounterMonitor::ShowStep(CounterSampler::Outcome outcome) {
    const std::string now = TimeOfDay();
    for (int k = 0; k < sampler_.Count() && k < LV_Counters->ItemCount(); ++k) {
        TListItem* item = LV_Counters->Item(k);
        const CounterState& s = sampler_.State(k);
        switch (outcome) {
        case CounterSampler::Outcome::Primed:
            if (primeShowsValue) {
                item->SetSubItem(0, std::to_string(s.value));
            }
            break;
        case CounterSampler::Outcome::Restarted:
            item->SetSubItem(0, std::to_string(s.value));
            item->SetSubItem(1, "0");
            item->SetSubItem(2, "0");
            break;
        case CounterSampler::Outcome::Measured:
            if (sampler_.PeakRaised(k)) {
                item->SetSubItem(3, std::to_string(s.peak));
                item->SetSubItem(4, now);
            }
            item->SetSubItem(0, std::to_string(s.value));
            item->SetSubItem(1, std::to_string(s.delta));
            // No agent time between the two answers: the rate shown stays.
            if (const auto rate = sampler_.Rate(k)) {
                item->SetSubItem(2, std::to_string(*rate));
            }
            break;
        }
    }
}

void TCounterMonitor::AfterSample(CounterSampler::Outcome) {}

void TCounterMonitor::InitRows() {
    const std::string now = TimeOfDay();
    std::vector<std::vector<std::string>> rows;
    for (const std::string& name : rowNames_) {
        rows.push_back({name, "0", "0", "0", "0", now});
    }
    LV_Counters->ClearItems();
    LV_Counters->AddRows(rows);
    sampler_.Reset(static_cast<int>(rowNames_.size()));
}

void TCounterMonitor::ClearRows() {
    LV_Counters->ClearItems();
    sampler_.Reset(static_cast<int>(rowNames_.size()));
}

void TCounterMonitor::BT_ResetClick() {
    InitRows();
    running_ = true;
}

void TCounterMonitor::CB_IntervalChange() {
    long seconds = 0;
    if (!ReadWholeNumber(CB_Interval->Text(), 1, LongestIntervalSeconds,
                         "The poll interval must be from 1 to 86400 seconds!", seconds)) {
        CB_Interval->SetText(std::to_string(intervalMs_ / 1000));
        return;
    }
    intervalMs_ = static_cast<int>(seconds) * 1000;
    Timer1->SetInterval(intervalMs_);
}

void TCounterMonitor::Unsupported() {
    supported_ = false;
    running_ = false;
    Timer1->SetEnabled(false);
    ShowMessage("This device don't support it!", parentWidget());
}
