#include "forms/monitor/counters/TCounterMonitor.h"

#include "forms/monitor/counters/QxCounterReader.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPError.h"
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
#include "ui/toolkit/TText.h"
#include "ui/toolkit/TTimer.h"

#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLocale>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <exception>

namespace {

// sysUpTime: a walk of the scalar groups reaches its instance .0 from the object itself.
constexpr const char* SysUpTime = "1.3.6.1.2.1.1.3";
constexpr int LongestIntervalSeconds = 86400;
constexpr int NotAnIntegerCode = -527;
// The program's code of an exchange that got no answer after every retry.
constexpr int NoAnswerCode = -405;

// A sysUpTime text is digits and the separators of a time of day; anything else (no answer,
// "(NULL)") would silently read as 0 and fake a restart.
bool IsTicksText(const std::string& text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) != 0;
}

std::string AskExportFileByDialog(QWidget* owner, const std::string& suggested) {
    return ToStdString(QFileDialog::getSaveFileName(owner, QStringLiteral("Export"),
                                                    ToQString(suggested),
                                                    QStringLiteral("CSV files (*.csv)")));
}

} // namespace

std::function<std::string(QWidget*, const std::string&)> TCounterMonitor::AskExportFile =
    AskExportFileByDialog;

TCounterMonitor::TCounterMonitor(QWidget* owner, std::vector<std::string> rowNames,
                                 std::vector<int> counterVars)
    : TForm(owner), sampler_(static_cast<int>(rowNames.size())), rowNames_(std::move(rowNames)),
      counterVars_(std::move(counterVars)) {
    SetPosition(poMainFormCenter);
    counters_ = std::make_unique<QxCounterReader>(this);
    counters_->onGetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        CountersRead(result);
    };
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(intervalMs_);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    // The clock runs on its own, also while a read waits or polling is paused.
    ClockTimer = new TTimer(this);
    ClockTimer->SetInterval(1000);
    ClockTimer->OnTimer = [this] {
        if (ST_Time != nullptr) {
            ST_Time->SetCaption(TimeOfDay());
        }
    };
    OnShow = [this] {
        if (!supported_) {
            PostCall(this, [this] { Close(); });
        }
    };
    OnClose = [this] { StopReading(); };
}

TCounterMonitor::~TCounterMonitor() {
    StopReading();
    Release(std::move(counters_));
}

void TCounterMonitor::StopReading() {
    closing_ = true;
    running_ = false;
    Timer1->SetEnabled(false);
    ClockTimer->SetEnabled(false);
    if (counters_) {
        counters_->Stop();
    }
}

void TCounterMonitor::Release(std::unique_ptr<QxSNMPRequest2Controls> binding) {
    if (!binding) {
        return;
    }
    // The exchange in flight is given up rather than waited for: the window does not hold the
    // program up while the device is silent, and its answer, should it come, reaches nobody.
    binding->Close();
    binding->request.Abandon();
}

bool TCounterMonitor::Reading() const {
    return inFlight_;
}

const std::vector<std::string>& TCounterMonitor::Headings() {
    static const std::vector<std::string> headings = {"Name", "Value", "Delta",
                                                      "Rate", "Peak",  "Peak Occured at"};
    return headings;
}

std::string TCounterMonitor::NoAnswerText(const std::string& since, const std::string& reason,
                                          const std::string& lastTry) {
    return "The device does not answer since " + since + " (" + reason + " at " + lastTry + ").";
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
        {&BT_Export, "BT_Export", "Export\u2026", &TCounterMonitor::BT_ExportClick},
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
    // Counters and deltas may have 20 digits (a Counter64), rates a decimal and the mark of
    // an uncertain delta; the list scrolls sideways rather than cut a figure.
    const QFontMetrics metrics = LV_Counters->fontMetrics();
    const int digits = metrics.horizontalAdvance(QString(20, QLatin1Char('0'))) + 16;
    const int rate =
        metrics.horizontalAdvance(QStringLiteral("\u2265") + QString(20, QLatin1Char('0')) +
                                  QStringLiteral(".0")) +
        16;
    const int time = metrics.horizontalAdvance(ToQString(TimeOfDay())) + 24;
    LV_Counters->AddColumn(Headings()[0], 130);
    const int figures[] = {digits, digits, rate, digits, std::max(time, 105)};
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

int TCounterMonitor::PlaceButtons(int top) {
    for (TButton* button : {BT_Reset, BT_Start, BT_Stop, BT_Exit, BT_Export}) {
        button->SetBounds(12, top, 75, 25);
        top += 33;
    }
    return top;
}

void TCounterMonitor::SetCounterList(const UISnmpVar* table, std::uint8_t kind,
                                     const std::string& suffix, const UISnmpVar* extra) {
    QxSNMPVarList list(table, kind, 0);
    if (extra != nullptr) {
        list.Append(extra);
    }
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
    if (!running_ || closing_) {
        return;
    }
    StartRead();
}

void TCounterMonitor::StartRead(bool sample) {
    if (inFlight_ || closing_ || counters_->busy) {
        return;
    }
    // The timer rests while the read is out; the next tick comes one interval after the
    // answer, however late it is.
    resumeTimer_ = Timer1->Enabled();
    Timer1->SetEnabled(false);
    sampleAnswer_ = sample;
    readGeneration_ = generation_;
    inFlight_ = true;
    try {
        counters_->Get();
    } catch (const std::exception& error) {
        inFlight_ = false;
        counters_->Report(error.what());
        ReadDone(false);
        return;
    }
    if (inFlight_ && !counters_->busy) {
        // A stopped request sends nothing and never completes.
        inFlight_ = false;
        ReadDone(false);
    }
}

void TCounterMonitor::CountersRead(const QxSNMPError& result) {
    inFlight_ = false;
    if (closing_) {
        return;
    }
    bool answered = false;
    if (result.code != 0) {
        NoAnswer(result);
    } else {
        answered = true;
        lastAnswer_ = std::chrono::steady_clock::now();
        if (!noAnswerSince_.empty()) {
            noAnswerSince_.clear();
        }
        // An answer to a read for the interface or port monitored before is not sampled.
        if (sampleAnswer_ && readGeneration_ == generation_) {
            try {
                SampleStep();
            } catch (const std::exception& error) {
                counters_->Report(error.what());
            }
        }
    }
    ReadDone(answered);
}

void TCounterMonitor::ReadDone(bool) {
    if (resumeTimer_ && !closing_) {
        Timer1->SetEnabled(true);
    }
    resumeTimer_ = false;
}

void TCounterMonitor::NoAnswer(const QxSNMPError& result) {
    // Whatever failed, the time in between gives no delta: the next answer primes again.
    sampler_.Reprime();
    if (result.code != NoAnswerCode) {
        return; // reported by the binding with the agent's or the library's reason
    }
    const std::string now = TimeOfDay();
    if (noAnswerSince_.empty()) {
        noAnswerSince_ = now;
    }
    if (StatusBar1 != nullptr && StatusBar1->Panel(0) != nullptr) {
        StatusBar1->Panel(0)->SetText(NoAnswerText(noAnswerSince_, result.text, now));
    }
}

std::uint32_t TCounterMonitor::LongestElapsed() const {
    if (lastAnswer_ == std::chrono::steady_clock::time_point{}) {
        return 0;
    }
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - lastAnswer_);
    // The agent's clock may run a little apart from ours: one interval of slack.
    const std::int64_t hundredths = since.count() / 10 + intervalMs_ / 10 + 100;
    return static_cast<std::uint32_t>(std::min<std::int64_t>(hundredths, 0x7FFFFFFF));
}

std::vector<CounterSample> TCounterMonitor::Samples(const std::vector<std::string>& row) const {
    std::vector<CounterSample> samples;
    for (int var : counterVars_) {
        CounterSample s;
        if (var >= 0 && static_cast<size_t>(var) < row.size()) {
            if (const auto value = CounterSampler::ReadCounter(row[static_cast<size_t>(var)])) {
                s.present = true;
                s.value = *value & 0xFFFFFFFFU;
            }
        }
        samples.push_back(s);
    }
    return samples;
}

void TCounterMonitor::SampleStep() {
    if (LV_Counters->ItemCount() == 0) {
        InitRows();
    }
    if (!counters_->HasRow()) {
        throw QxError(NotAnIntegerText(""), NotAnIntegerCode);
    }
    const std::vector<std::string>& row = counters_->FirstRow();
    const std::string upTime = row.empty() ? std::string() : row.back();
    if (!IsTicksText(upTime)) {
        throw QxError(NotAnIntegerText(upTime), NotAnIntegerCode);
    }
    const CounterSampler::Outcome outcome =
        sampler_.Step(Samples(row), TicksFromText(upTime), LongestElapsed());
    agentTimeText_ = upTime;
    sampleTime_ = TimeOfDay();
    ShowStep(outcome);
    AfterSample(outcome);
}

void TCounterMonitor::ShowStep(CounterSampler::Outcome outcome) {
    const std::string now = TimeOfDay();
    const auto figure = [](std::uint64_t value, bool uncertain) {
        // An uncertain delta lost an unknown number of whole wraps: at least this much.
        return (uncertain ? "\u2265" : "") + std::to_string(value);
    };
    for (int k = 0; k < sampler_.Count() && k < LV_Counters->ItemCount(); ++k) {
        TListItem* item = LV_Counters->ItemByOrigin(k);
        const CounterState& s = sampler_.State(k);
        switch (sampler_.FigureOf(k)) {
        case CounterSampler::Figure::Missing:
            for (int column = 0; column < 3; ++column) {
                item->SetSubItem(column, "(NULL)");
            }
            break;
        case CounterSampler::Figure::Primed:
            // After opening or a reset the rows already show zeros; a device that restarted,
            // or a counter answered again, starts from its new value.
            if (outcome == CounterSampler::Outcome::Primed && item->SubItem(0) != "(NULL)") {
                if (primeShowsValue) {
                    item->SetSubItem(0, std::to_string(s.value));
                }
                break;
            }
            item->SetSubItem(0, std::to_string(s.value));
            item->SetSubItem(1, "0");
            item->SetSubItem(2, "0");
            break;
        case CounterSampler::Figure::Measured:
            if (sampler_.PeakRaised(k)) {
                item->SetSubItem(3, std::to_string(s.peak));
                item->SetSubItem(4, now);
            }
            item->SetSubItem(0, std::to_string(s.value));
            item->SetSubItem(1, figure(s.delta, sampler_.Uncertain(k)));
            // No agent time between the two answers: the rate shown stays.
            if (const auto rate = sampler_.Rate(k)) {
                item->SetSubItem(2, (sampler_.Uncertain(k) ? "\u2265" : "") +
                                        CounterSampler::RateText(*rate));
            }
            break;
        }
        ShowMore(k, item);
    }
}

void TCounterMonitor::AfterSample(CounterSampler::Outcome) {}

void TCounterMonitor::ShowMore(int, TListItem*) {}

void TCounterMonitor::InitRows() {
    const std::string now = TimeOfDay();
    std::vector<std::vector<std::string>> rows;
    for (const std::string& name : rowNames_) {
        std::vector<std::string> row = {name, "0", "0", "0", "0", now};
        row.resize(static_cast<size_t>(std::max(LV_Counters->ColumnCount(), 6)));
        rows.push_back(row);
    }
    LV_Counters->ClearItems();
    LV_Counters->AddRows(rows);
    sampler_.Reset(static_cast<int>(rowNames_.size()));
}

void TCounterMonitor::ClearRows() {
    ++generation_;
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

void TCounterMonitor::Silent() {
    supported_ = false;
    running_ = false;
    Timer1->SetEnabled(false);
    ShowMessage("The device does not answer!", parentWidget());
}

std::string TCounterMonitor::CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string TCounterMonitor::ExportText() const {
    std::string csv = CsvField(Caption()) + "\n";
    std::vector<std::string> headings;
    for (int i = 0; i < LV_Counters->ColumnCount(); ++i) {
        headings.push_back(LV_Counters->Column(i)->Caption());
    }
    headings.push_back("Agent time (1/100 s)");
    headings.push_back("Sampled at");
    const auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (size_t i = 0; i < fields.size(); ++i) {
            text += (i == 0 ? "" : ",") + CsvField(fields[i]);
        }
        return text + "\n";
    };
    csv += line(headings);
    const std::string agentTime =
        sampler_.SampleCount() > 0 ? std::to_string(sampler_.UpTime()) : std::string();
    for (int r = 0; r < LV_Counters->ItemCount(); ++r) {
        const TListItem* item = LV_Counters->Item(r);
        std::vector<std::string> fields = {item->Caption()};
        for (int c = 1; c < LV_Counters->ColumnCount(); ++c) {
            fields.push_back(item->SubItem(c - 1));
        }
        fields.push_back(agentTime);
        fields.push_back(sampler_.SampleCount() > 0 ? sampleTime_ : std::string());
        csv += line(fields);
    }
    return csv;
}

bool TCounterMonitor::ExportTo(const std::string& path, std::string& error) const {
    QFile file(ToQString(path));
    const std::string text = ExportText();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.flush()) {
        error = "Can not write " + path + ": " + ToStdString(file.errorString());
        return false;
    }
    return true;
}

void TCounterMonitor::BT_ExportClick() {
    const std::string path = AskExportFile(this, Name() + ".csv");
    if (path.empty()) {
        return;
    }
    std::string error;
    if (!ExportTo(path, error)) {
        ShowMessage(error, this);
        return;
    }
    StatusBar1->Panel(0)->SetText("Exported to " + path + " at " + TimeOfDay() + ".");
}
