#include "main_window/TFrontPanel.h"

#include "binding/QxSNMPLedColorMapList.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxOctetForm.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "main_window/DeviceStatusText.h"
#include "main_window/FrontPanelPicture.h"
#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/NetSnmpStatus.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TControl.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TScrollBox.h"
#include "ui/toolkit/TShape.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTime>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>
#include <vector>

namespace {

// The front-panel picture, painted at the screen's resolution.
class TFrontPanelImage : public TControlT<QWidget> {
public:
    explicit TFrontPanelImage(QWidget* parent) : TControlT<QWidget>(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintFrontPanelPicture(painter);
    }
};

// The device's LED status string: power, console, RPS, then an octet pair per port LED. It is
// read as octets: as a display string it would end at the first zero octet, which nearly
// every status string holds.
constexpr UISnmpVar LedStatus[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Front Panel LED Status", sxOctetstr, acReadonly},
    {},
};
constexpr const char* LedModeOid = "1.3.6.1.4.1.32473.11.69.3.2.1.1.6";
constexpr UISnmpVar LedMode[] = {
    {LedModeOid, "Front Panel LED Mode", sxInteger, acReadonly, &OL_1portStatusMode_2poeStatusMode},
    {},
};
constexpr UISnmpVar RmonState[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};
constexpr UISnmpVar StpVersion[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "Version", sxInteger, acReadwrite, &OL_0stp_1rstp_2mstp},
    {},
};
constexpr const char* PoePortLedOid = "1.3.6.1.4.1.32473.12.24.4.1.1.7.";

constexpr int PollInterval = 300; // tens of milliseconds: every 3 s
// MIB-II sysName and sysUpTime, read with every poll of the mode LED for the device panel.
constexpr const char* SysNameOid = "1.3.6.1.2.1.1.5";
constexpr const char* SysUpTimeOid = "1.3.6.1.2.1.1.3";
constexpr int StatusPanelWidth = 440;
constexpr int LedStatusTimeout = 300; // hundredths: 3 s
// LEDs of a device that does not answer: grey, a look no LED state has.
constexpr TColor UnknownLedColour = 0x808080;

// "hh:mm:ss AM" on the 12-hour clock, as the report lines write their time.
std::string ClockText(const QTime& time) {
    char text[16];
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour12, time.minute(), time.second(),
                  time.hour() < 12 ? "AM" : "PM");
    return text;
}

TColor LedWindowColor() {
    QColor c = QColor::fromRgb(FrontPanelLedWindowRgb);
    return static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

bool IsPanelName(const char* name) {
    return std::strstr(name, "Panel") != nullptr;
}

template <class T> T* Named(QWidget* root, const std::string& name) {
    return FindControl<T>(root, name);
}

// A state read that does not wait: its outcome goes to its completion hook only, never to a
// message box of its own (the start-up reads run before the user asked for anything).
class QuietTextBinding : public QxSNMPRequest2Edits {
public:
    using QxSNMPRequest2Edits::QxSNMPRequest2Edits;

protected:
    void GetFailed(const QxSNMPError&) override {}
};

} // namespace

TFrontPanel::TFrontPanel(QWidget* form, TScrollBox* scrollBox, TStatusBar* statusBar)
    : form_(form), scrollBox_(scrollBox), statusBar_(statusBar),
      context_(std::make_unique<QObject>()) {
    BuildControls();
}

TFrontPanel::~TFrontPanel() {
    Stop();
}

void TFrontPanel::BuildControls() {
    auto* image = new TFrontPanelImage(scrollBox_);
    image->SetName("Image1");
    image->SetBounds(0, 0, FrontPanelPictureWidth, FrontPanelPictureHeight);
    const TColor window = LedWindowColor();
    for (const FrontPanelLedPlace& place : FrontPanelLeds) {
        TControl* control = nullptr;
        if (IsPanelName(place.name)) {
            auto* panel = new TPanel(scrollBox_);
            panel->SetBevelOuter(bvNone);
            panel->SetColor(window);
            control = panel;
        } else {
            auto* shape = new TShape(scrollBox_);
            shape->SetBrushColor(clBlack);
            shape->SetPenColor(clBlack);
            control = shape;
        }
        control->SetName(place.name);
        control->SetBounds(place.left, place.top, place.width, place.height);
    }
    for (const FrontPanelLedPlace& place : FrontPanelLedRows) {
        auto* row = new TPanel(scrollBox_);
        row->SetBevelOuter(bvNone);
        row->SetColor(window);
        row->SetName(place.name);
        row->SetBounds(place.left, place.top, place.width, place.height);
    }
    statusModeLed_ = new TShape(scrollBox_);
    statusModeLed_->SetName("sStatusModeLedTemp");
    statusModeLed_->SetBounds(389, 37, 7, 7);
    auto hiddenText = [this](const char* name, const char* text) {
        auto* st = new TStaticText(scrollBox_);
        st->SetName(name);
        st->SetCaption(text);
        st->Hide();
        return st;
    };
    stStatusMode_ = hiddenText("stStatusMode", "1");
    stRmonState_ = hiddenText("ST_RmonState", "");
    stStp_ = hiddenText("stSTP", "");
}

void TFrontPanel::SetUpFrontPanel() {
    BuildBindings();
    // 3. The display mode, read once; an error leaves "1", port-status mode.
    modeText_ = TextBinding(LedMode, stStatusMode_);
    try {
        modeText_->Get();
    } catch (const std::exception&) {
        // The mode stays unknown; the panel shows port status, as the device's default.
    }
    FinishSetUp();
}

void TFrontPanel::BeginSetUp(std::function<void(const std::string& error)> failed) {
    BuildBindings();
    setUpPending_ = true;
    // 3. The display mode, read once; whatever the outcome (an error leaves "1", port-status
    // mode), the set-up goes on outside the completion that brought it.
    modeText_ = TextBinding(LedMode, stStatusMode_, true);
    modeText_->onGetComplete = [this, failed](QxSNMPRequest2Controls&, const QxSNMPError&) {
        PostOutsideWaits(context_.get(), [this, failed] { ContinueSetUp(failed); });
    };
    try {
        modeText_->Get();
    } catch (const std::exception&) {
        PostOutsideWaits(context_.get(), [this, failed] { ContinueSetUp(failed); });
    }
}

void TFrontPanel::ContinueSetUp(const std::function<void(const std::string&)>& failed) {
    if (!setUpPending_ || stopped_) {
        return;
    }
    setUpPending_ = false;
    try {
        FinishSetUp();
    } catch (const std::exception& error) {
        if (failed) {
            failed(error.what());
        }
    }
}

void TFrontPanel::BuildBindings() {
    QWidget* area = scrollBox_;
    // 1. The LED status string: console and RPS.
    ledStatus_ = std::make_unique<QxSNMPRequest2Leds>(form_);
    ledStatus_->request.vars.Assign(QxSNMPVarList(LedStatus, MVT_SV, 0));
    ledStatus_->request.vars.suffix = "1";
    ledStatus_->request.timeout = LedStatusTimeout;
    ledStatus_->SetLayout(2, 3);
    ledStatus_->AddLedRow(0, "1", LedColorMap2, Named<TPanel>(area, "ConsoleLedPanel"), 1, 10,
                          stRectangle, 6, 6);
    ledStatus_->AddLedRow(0, "2", LedColorMap3, Named<TPanel>(area, "RPSPanel"), 1, 10, stRectangle,
                          6, 6);

    // 2. The status-mode indicator.
    modeLed_ = std::make_unique<QxSNMPRequest2Leds>(form_);
    modeLed_->request.vars.kind = SVT_SV;
    modeLed_->request.vars.AppendRow(LedModeOid, "", sxInteger, acReadonly, nullptr);
    modeLed_->AddLed(0, 0, LedColorMap4, statusModeLed_);
    // The device panel of the status bar rides on the same request: no exchange of its own.
    modeLed_->request.vars.AppendRow(SysNameOid, "", sxDisplaystr, acReadonly, nullptr);
    modeLed_->request.vars.AppendRow(SysUpTimeOid, "", sxTimeticks, acReadonly, nullptr);
    if (statusBar_ != nullptr && statusBar_->PanelCount() > 0 && devicePanel_ == nullptr) {
        statusBar_->Panel(0)->SetWidth(StatusPanelWidth);
        devicePanel_ = statusBar_->AddPanel();
        devicePanel_->SetText(DeviceStatusText(false, "", "", modeLed_->request.security));
    }
    modeLed_->onGetComplete = [this, previous = modeLed_->onGetComplete](
                                  QxSNMPRequest2Controls& binding, const QxSNMPError& result) {
        if (previous) {
            previous(binding, result);
        }
        if (devicePanel_ == nullptr) {
            return;
        }
        QxSNMPVarList& vars = binding.request.vars;
        devicePanel_->SetText(DeviceStatusText(result.code == 0, vars.Entry(1).value,
                                               vars.Entry(2).value, binding.request.security));
    };

    // 4. The PoE port LEDs, used in PoE mode only.
    poeLeds_ = std::make_unique<QxSNMPRequest2Leds>(form_);
    poeLeds_->request.vars.kind = MVT_SV;
}

void TFrontPanel::FinishSetUp() {
    QWidget* area = scrollBox_;
    const bool poe = PoeMode();
    auto combo = [&](const char* position, const char* panel, const QxSNMPLedColorMapList& map) {
        ledStatus_->AddLedRow(0, position, map, Named<TPanel>(area, panel), 0, 10, stRectangle, 6,
                              6);
    };
    if (poe) {
        // 5. PoE mode: the link squares show each port's PoE LED.
        TShape* mark = Named<TShape>(area, "POEStatusLed");
        statusModeLed_->SetBounds(mark->Left(), mark->Top(), 7, 7);
        Named<TPanel>(area, "LedPanel1")->Hide();
        Named<TPanel>(area, "LedPanel2")->Hide();
        for (int n = 1; n <= 24; ++n) {
            poeLeds_->request.vars.AppendRow(PoePortLedOid + std::to_string(n), "", sxInteger,
                                             acReadonly, nullptr);
            poeLeds_->AddLed(n - 1, 0, LedColorMap7,
                             Named<TShape>(area, "LinkShape_Port" + std::to_string(n)));
        }
        combo("51", "Combo1Panel", LedColorMap6);
        combo("53", "Combo2Panel", LedColorMap6);
        combo("55", "GEPanel1", LedColorMap6);
        combo("57", "GEPanel2", LedColorMap6);
    } else {
        // 6. Port-status mode: two rows of twelve port LEDs, 13 pixels apart.
        TShape* mark = Named<TShape>(area, "PortStatusLed");
        statusModeLed_->SetBounds(mark->Left(), mark->Top(), 7, 7);
        ledStatus_->AddLedRow(0, "3,5,7,9,11,13,15,17,19,21,23,25", LedColorMap5,
                              Named<TPanel>(area, "LedPanel1"), 0, 7, stRectangle, 6, 6);
        ledStatus_->AddLedRow(0, "27,29,31,33,35,37,39,41,43,45,47,49", LedColorMap5,
                              Named<TPanel>(area, "LedPanel2"), 0, 7, stRectangle, 6, 6);
        combo("51", "Combo1Panel", LedColorMap6);
        combo("53", "Combo2Panel", LedColorMap6);
        combo("55", "GEPanel1", LedColorMap5);
        combo("57", "GEPanel2", LedColorMap5);
    }
    // 7. Power.
    ledStatus_->AddLedRow(0, "0", LedColorMap1, Named<TPanel>(area, "PowerLedPanel"), 1, 10,
                          stRectangle, 6, 6);

    // Tooltips of the port LEDs say in words what the last poll showed.
    ledStatus_->onGetComplete = [this, previous = ledStatus_->onGetComplete](
                                    QxSNMPRequest2Controls& binding, const QxSNMPError& result) {
        if (previous) {
            previous(binding, result);
        }
        ShowPortHints(result.code == 0);
    };
    poeLeds_->onGetComplete = [this, previous = poeLeds_->onGetComplete](
                                  QxSNMPRequest2Controls& binding, const QxSNMPError& result) {
        if (previous) {
            previous(binding, result);
        }
        if (!poeLeds_) {
            return;
        }
        for (const QxSNMPRequest2Leds::LedBinding& led : poeLeds_->Leds()) {
            if (led.shape) {
                const int port = led.varIndex + 1;
                led.shape->SetHint(
                    result.code == 0
                        ? PoeLedText(port, poeLeds_->request.vars.Entry(led.varIndex).value)
                        : PoeLedText(port, ""));
                led.shape->SetShowHint(true);
            }
        }
    };

    // 8. Polling, every 3 s, with the LED status reported in panel 0 of the status bar. While
    // the device does not answer, the LEDs look unknown and panel 0 says since when; its next
    // answer brings the picture back.
    ledStatus_->request.vars.name = " Led Status";
    if (statusBar_ != nullptr && statusBar_->PanelCount() > 0) {
        ledStatus_->SetReportTarget(statusBar_->Panel(0));
    }
    for (QxSNMPRequest2Leds* binding : {ledStatus_.get(), modeLed_.get(), poeLeds_.get()}) {
        binding->unknownColour = UnknownLedColour;
    }
    lastAnswer_ = QTime::currentTime();
    ledStatus_->onGetComplete = [this, previous = ledStatus_->onGetComplete](
                                    QxSNMPRequest2Controls& binding, const QxSNMPError& result) {
        if (previous) {
            previous(binding, result);
        }
        if (result.code == 0) {
            lastAnswer_ = QTime::currentTime();
            silent_ = false;
        } else if (result.code == QxMessages::MapStatus(NetSnmpStatus::TimedOut).code) {
            silent_ = true;
            if (statusBar_ != nullptr && statusBar_->PanelCount() > 0) {
                statusBar_->Panel(0)->SetText(SilenceText());
            }
        }
    };
    ledStatus_->StartPolling(PollInterval);
    modeLed_->StartPolling(PollInterval);
    if (poe) {
        poeLeds_->StartPolling(PollInterval);
    }
}

// Port n's LED reads octets 3 + 2 (n - 1) and the one after (ports 1 to 24), the combo ports 25
// and 26 octets 51 and 53, the gigabit ports 27 and 28 octets 55 and 57.
void TFrontPanel::ShowPortHints(bool answered) {
    if (!ledStatus_) {
        return;
    }
    std::string octets;
    if (answered) {
        const auto& status = ledStatus_->request.vars.Entry(0);
        try {
            octets = TextToOctets(status.value, status.syntax);
        } catch (const std::exception&) {
            octets.clear(); // no octets: every state unknown
        }
    }
    const auto octet = [&](int i) {
        return i >= 0 && i < static_cast<int>(octets.size())
                   ? static_cast<int>(static_cast<unsigned char>(octets[static_cast<size_t>(i)]))
                   : -1;
    };
    const std::string mode = PoeMode() ? "\nLED mode: PoE" : "\nLED mode: port status";
    for (const QxSNMPRequest2Leds::LedBinding& led : ledStatus_->Leds()) {
        if (!led.shape || led.octetIndex < 3 || led.octetIndex % 2 == 0) {
            continue; // power, console and RPS
        }
        const int port = (led.octetIndex - 3) / 2 + 1;
        led.shape->SetHint(
            PortLedText(port, std::max(0, octet(led.octetIndex)), octet(led.octetIndex + 1)) +
            mode);
        led.shape->SetShowHint(true);
    }
}

std::string TFrontPanel::SilenceText() const {
    const std::string address =
        ledStatus_ ? ledStatus_->request.device.address : std::string("the device");
    return "No answer from " + address + " since " + ClockText(lastAnswer_);
}

bool TFrontPanel::PoeMode() const {
    return StatusModeText() == "poeStatusMode";
}

std::string TFrontPanel::StatusModeText() const {
    return stStatusMode_->Caption();
}

std::string TFrontPanel::RmonStateText() const {
    return stRmonState_->Caption();
}

std::string TFrontPanel::StpText() const {
    return stStp_->Caption();
}

std::unique_ptr<QxSNMPRequest2Edits>
TFrontPanel::TextBinding(const UISnmpVar* table, TStaticText* text, bool asynchronous) const {
    std::unique_ptr<QxSNMPRequest2Edits> binding;
    if (asynchronous) {
        binding = std::make_unique<QuietTextBinding>(form_);
    } else {
        binding = std::make_unique<QxSNMPRequest2Edits>(form_);
        binding->mode = QxSNMPRequest2Controls::Synchronous;
    }
    binding->request.vars.Assign(QxSNMPVarList(table, SVT_SV, 0));
    binding->BindControl(0, text);
    return binding;
}

bool TFrontPanel::ReadText(QxSNMPRequest2Edits& binding) {
    try {
        binding.Get();
        return true;
    } catch (const std::exception& error) {
        if (statusBar_ != nullptr && statusBar_->PanelCount() > 0) {
            statusBar_->Panel(0)->SetText(error.what());
        }
        return false;
    }
}

void TFrontPanel::RefreshRmonState(TMenuItem* statistics, TMenuItem* history,
                                   TMenuItem* alarmEvent) {
    // A read sent at start-up and still waiting for its answer is given up: this one reads
    // the state now.
    if (rmon_ && rmon_->mode != QxSNMPRequest2Controls::Synchronous) {
        Abandon(rmon_.get());
        rmon_.reset();
    }
    if (!rmon_) {
        rmon_ = TextBinding(RmonState, stRmonState_);
    }
    if (!ReadText(*rmon_)) {
        return;
    }
    ApplyRmonState(statistics, history, alarmEvent);
}

void TFrontPanel::BeginRmonStateRead(TMenuItem* statistics, TMenuItem* history,
                                     TMenuItem* alarmEvent) {
    if (rmon_) {
        Abandon(rmon_.get());
    }
    rmon_ = TextBinding(RmonState, stRmonState_, true);
    rmon_->onGetComplete =
        [this, entries = std::vector<QPointer<TMenuItem>>{statistics, history, alarmEvent}](
            QxSNMPRequest2Controls&, const QxSNMPError& result) {
            if (result.code != 0) {
                if (statusBar_ != nullptr && statusBar_->PanelCount() > 0) {
                    statusBar_->Panel(0)->SetText(result.text);
                }
                return;
            }
            ApplyRmonState(entries[0], entries[1], entries[2]);
        };
    try {
        rmon_->Get();
    } catch (const std::exception& error) {
        if (statusBar_ != nullptr && statusBar_->PanelCount() > 0) {
            statusBar_->Panel(0)->SetText(error.what());
        }
    }
}

bool TFrontPanel::RmonStatePending() const {
    return rmon_ && rmon_->busy;
}

void TFrontPanel::ApplyRmonState(TMenuItem* statistics, TMenuItem* history, TMenuItem* alarmEvent) {
    const std::string state = RmonStateText();
    if (state != "enabled" && state != "disabled") {
        return;
    }
    for (TMenuItem* item : {statistics, history, alarmEvent}) {
        if (item != nullptr) {
            item->SetEnabled(state == "enabled");
        }
    }
}

void TFrontPanel::ReadSpanningTree() {
    stp_ = TextBinding(StpVersion, stStp_);
    ReadText(*stp_);
}

void TFrontPanel::StopBinding(std::unique_ptr<QxSNMPRequest2Leds>& binding) {
    if (!binding) {
        return;
    }
    binding->StopPolling();
    binding->Close();
    // The poll in flight ends within its own exchange's bound; no click or key is handled
    // meanwhile, so nothing can reach the window while it goes.
    binding->WaitWhileBusy();
    binding.reset();
}

void TFrontPanel::Abandon(QxSNMPRequest2Edits* binding) {
    if (binding == nullptr) {
        return;
    }
    binding->Close();
    binding->request.Abandon();
}

void TFrontPanel::StopPolling() {
    // A set-up still waiting for the display mode starts no polls any more.
    stopped_ = true;
    Abandon(modeText_.get());
    if (rmon_ && rmon_->mode != QxSNMPRequest2Controls::Synchronous) {
        Abandon(rmon_.get());
    }
    for (QxSNMPRequest2Leds* binding : {ledStatus_.get(), modeLed_.get(), poeLeds_.get()}) {
        if (binding != nullptr) {
            binding->StopPolling();
            binding->Close();
        }
    }
}

void TFrontPanel::Stop() {
    stopped_ = true;
    // The state reads sent without waiting are given up, not waited for: nothing is left to
    // show their answers in.
    Abandon(modeText_.get());
    if (rmon_ && rmon_->mode != QxSNMPRequest2Controls::Synchronous) {
        Abandon(rmon_.get());
    }
    StopBinding(ledStatus_);
    StopBinding(modeLed_);
    StopBinding(poeLeds_);
    rmon_.reset();
    modeText_.reset();
    stp_.reset();
}
