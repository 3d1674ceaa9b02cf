#include "binding/QxSNMPRequest2Leds.h"

#include "binding/QxBindingError.h"

#include "binding/QxOctetForm.h"
#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/NetSnmpStatus.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TTimer.h"
#include "vocab/QxNumList.h"
#include "vocab/QxOptionList.h"

namespace {

constexpr int OutOfRange = 19; // -519
constexpr int BlinkInterval = 60;

// Octet i of the value, or -1 when the value does not reach it.
int OctetAt(const std::string& octets, int i) {
    if (i < 0 || static_cast<size_t>(i) >= octets.size()) {
        return -1;
    }
    return static_cast<unsigned char>(octets[static_cast<size_t>(i)]);
}

// Fill and outline in one colour. A shape is only touched when its colour changes, so that
// polls and blink ticks that change nothing cost no painting.
void Paint(TShape* shape, TColor colour) {
    if (shape == nullptr) {
        return;
    }
    if (shape->BrushColor() != colour) {
        shape->SetBrushColor(colour);
    }
    if (shape->PenColor() != colour) {
        shape->SetPenColor(colour);
    }
    shape->Show();
}

} // namespace

QxSNMPRequest2Leds::QxSNMPRequest2Leds(QWidget* ownerForm)
    : QxSNMPRequest2Controls(ownerForm), pollTimer_(std::make_unique<TTimer>()),
      blinkTimer_(std::make_unique<TTimer>()) {
    pollTimer_->SetEnabled(false);
    pollTimer_->OnTimer = [this] { Poll(); };
    // The blink timer runs only while a flashing LED still alternates (see Repaint): an idle
    // panel costs no ticks.
    blinkTimer_->SetEnabled(false);
    blinkTimer_->SetInterval(BlinkInterval);
    blinkTimer_->OnTimer = [this] { Repaint(); };
}

// Stopped and without timers before the base waits for a poll in flight: that wait handles
// window events, and no tick may reach this object then.
QxSNMPRequest2Leds::~QxSNMPRequest2Leds() {
    StopPolling();
    pollTimer_.reset();
    blinkTimer_.reset();
    leds_.clear();
}

void QxSNMPRequest2Leds::AddLed(int varIndex, int octetIndex, const QxSNMPLedColorMapList& map,
                                TShape* shape) {
    LedBinding led;
    led.varIndex = varIndex;
    led.octetIndex = octetIndex;
    led.map = &map;
    led.shape = shape;
    led.colour = map.OffColour();
    Paint(shape, led.colour);
    leds_.push_back(led);
}

void QxSNMPRequest2Leds::AddLedRow(int varIndex, const std::string& positions,
                                   const QxSNMPLedColorMapList& map, TPanel* panel, int left,
                                   int gap, TShapeType shapeKind, int width, int height) {
    QxNumList<int> octets;
    octets.separator = ',';
    octets.Parse(positions);
    for (int i = 0; i < octets.Count(); ++i) {
        auto* shape = new TShape(panel);
        shape->SetShape(shapeKind);
        shape->SetBounds(left + i * (gap + width), 1, width, height);
        shape->Show();
        AddLed(varIndex, octets.Get(i), map, shape);
    }
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
}

void QxSNMPRequest2Leds::SetLayout(int layout, int pairStart) {
    layout_ = layout > 0 ? layout : 1;
    pairStart_ = pairStart > 0 ? pairStart : 4;
}

void QxSNMPRequest2Leds::StartPolling(int interval) {
    pollTimer_->SetInterval(interval * 10);
    pollTimer_->SetEnabled(true);
    if (busy) {
        return; // the read in flight is the first one
    }
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void QxSNMPRequest2Leds::StopPolling() {
    pollTimer_->SetEnabled(false);
    blinkTimer_->SetEnabled(false);
    ResetLeds();
}

void QxSNMPRequest2Leds::ResetLeds() {
    for (LedBinding& led : leds_) {
        led.flashing = false;
        led.colour = led.map->OffColour();
        Paint(led.shape, led.colour);
    }
    blinkTimer_->SetEnabled(false);
}

void QxSNMPRequest2Leds::ShowUnknown() {
    for (LedBinding& led : leds_) {
        led.flashing = false;
        led.colour = unknownColour;
        Paint(led.shape, led.colour);
    }
    blinkTimer_->SetEnabled(false);
}

bool QxSNMPRequest2Leds::Polling() const {
    return pollTimer_->Active();
}

bool QxSNMPRequest2Leds::Blinking() const {
    return blinkTimer_->Active();
}

void QxSNMPRequest2Leds::Poll() {
    // A device that has stopped answering keeps a poll waiting for its whole time-out, which
    // may be longer than a tick; that poll is not sent a second time beside it.
    if (busy) {
        return;
    }
    try {
        Get();
    } catch (const QxError& e) {
        ResetLeds();
        Report(e.Text());
    }
}

// A LED reads octets, and the octets of a status string are often zero. Read as a display
// string the value would end at its first zero octet, and every LED after it would show as
// absent; so the variables behind LEDs are read in their octet form.
void QxSNMPRequest2Leds::BeforeGet() {
    for (const LedBinding& led : leds_) {
        if (led.varIndex < 0 || led.varIndex >= request.vars.Count()) {
            continue;
        }
        QxSNMPVar& v = request.vars.Entry(led.varIndex);
        if (v.syntax == sxDisplaystr) {
            v.value = OctetsToText(TextToOctets(v.value, sxDisplaystr), sxOctetstr);
            v.syntax = sxOctetstr;
        }
    }
}

void QxSNMPRequest2Leds::PutAnswer() {
    paintCount = 0;
    try {
        for (LedBinding& led : leds_) {
            UpdateLed(led);
        }
    } catch (const QxError&) {
        // A value the LEDs cannot show at all is a fault of their set-up that every further
        // answer would repeat: the error reaches the application's error box once, and the
        // binding stops, idle, rather than raising it again at every tick.
        StopPolling();
        busy = false;
        throw;
    }
    Repaint();
}

void QxSNMPRequest2Leds::GetFailed(const QxSNMPError& result) {
    // The panel shows no stale state, and the next poll tries again; the text goes to the
    // report target only, never into a box that would come back at every tick.
    lastOperation = OperationGet;
    if (unknownColour != -1 && result.code == QxMessages::MapStatus(NetSnmpStatus::TimedOut).code) {
        ShowUnknown();
    } else {
        ResetLeds();
    }
    Report(result.text);
}

void QxSNMPRequest2Leds::SetAbsent(LedBinding& led, bool octetMissing) {
    const TColor absent = led.map->AbsentColour();
    if (absent == -1) {
        if (octetMissing) {
            throw BindingError(OutOfRange);
        }
        led.colour = led.map->OffColour(); // a port the device reports as not there
    } else {
        led.colour = absent;
    }
    led.flashing = false;
}

void QxSNMPRequest2Leds::UpdateLed(LedBinding& led) {
    const QxSNMPLedColorMapList& map = *led.map;
    std::string octets;
    if (led.varIndex >= 0 && led.varIndex < request.vars.Count()) {
        const QxSNMPVar& v = request.vars.Entry(led.varIndex);
        octets =
            TextToOctets(v.options != nullptr ? v.options->ValueOf(v.value) : v.value, v.syntax);
    }
    const int s = OctetAt(octets, led.octetIndex);
    if (s < 0) {
        SetAbsent(led, true);
        return;
    }
    if (layout_ != 2 || led.octetIndex < pairStart_) {
        led.colour = map.ColourOf(s & map.ValueMask());
        led.flashing = (s & map.BlinkMask()) != 0;
        return;
    }
    // A pair: presence octet s, state octet t.
    if (s == 1) {
        SetAbsent(led, false);
        return;
    }
    const int t = OctetAt(octets, led.octetIndex + 1);
    if (t < 0) {
        SetAbsent(led, true); // a value cut short: no state to show, nor to flash
        return;
    }
    led.colour = map.ColourOf(t & map.ValueMask());
    led.flashing = (s & map.BlinkMask()) != 0;
}

void QxSNMPRequest2Leds::Repaint() {
    bool anyFlashing = false;
    for (LedBinding& led : leds_) {
        TColor colour = led.colour;
        if (led.flashing) {
            anyFlashing = true;
            const TColor off = led.map->OffColour();
            const bool dark = led.shape != nullptr && led.shape->BrushColor() == off;
            if (!dark && paintCount <= blinkPhases) {
                colour = off;
            }
        }
        Paint(led.shape, colour);
    }
    if (anyFlashing) {
        ++paintCount;
    }
    // Once paintCount has passed blinkPhases one more repaint settles every flashing LED in its
    // colour; after that repaints change nothing until the next answer, so the timer stops.
    const bool alternating = anyFlashing && paintCount <= blinkPhases + 1;
    if (blinkTimer_->Enabled() != alternating) {
        blinkTimer_->SetEnabled(alternating);
    }
}
