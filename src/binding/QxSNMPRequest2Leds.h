#pragma once

#include "binding/QxSNMPLedColorMapList.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "ui/toolkit/TShape.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPanel;
class TTimer;

// The binding behind the LEDs of the front panel: it polls its variable list on a timer and
// colours each LED shape from one octet of a variable's value through a colour map, which also
// says which bit makes the LED flash. After every answer a fast timer lets flashing LEDs
// alternate with their off colour for a few repaints.
//
// Two layouts of a status value: in layout 1 every LED reads one octet. In layout 2 the octets
// from pairStart on come in pairs: a presence octet (1: no port there; its flash bit makes
// the LED flash) and a state octet after it that selects the colour.
class QxSNMPRequest2Leds : public QxSNMPRequest2Controls {
public:
    struct LedBinding {
        int varIndex = 0;
        int octetIndex = 0;
        const QxSNMPLedColorMapList* map = nullptr;
        QPointer<TShape> shape; // owned by the form
        bool flashing = false;
        TColor colour = clBlack;
    };

    explicit QxSNMPRequest2Leds(QWidget* ownerForm);
    ~QxSNMPRequest2Leds() override;

    // Binds a shape to octet `octetIndex` of variable `varIndex` and shows it in the map's off
    // colour.
    void AddLed(int varIndex, int octetIndex, const QxSNMPLedColorMapList& map, TShape* shape);
    // Creates one shape per octet position of `positions` ("3,5,7") in a row on the panel, at
    // top 1 and left + i * (gap + width), binds each with AddLed and removes the panel's
    // bevels.
    void AddLedRow(int varIndex, const std::string& positions, const QxSNMPLedColorMapList& map,
                   TPanel* panel, int left, int gap, TShapeType shapeKind, int width, int height);
    // Values of 0 or less give layout 1 and pair start 4.
    void SetLayout(int layout, int pairStart);
    int Layout() const { return layout_; }
    int PairStart() const { return pairStart_; }

    // Polls every `interval` tens of milliseconds, the first time at once. An error raised by
    // that first read turns the LEDs off and is raised again; polling goes on regardless.
    void StartPolling(int interval);
    // Stops both timers and turns the LEDs off.
    void StopPolling();
    // Every LED to its map's off colour, not flashing.
    void ResetLeds();
    // Every LED to unknownColour, not flashing: the device's state is not known.
    void ShowUnknown();

    // The colour and flashing of one LED from its variable's value. A LED whose octet the
    // value does not reach shows its map's absent colour; for a map whose absent colour is -1
    // that raises -519 instead.
    virtual void UpdateLed(LedBinding& led);
    // Paints every LED: a flashing one alternates with its off colour during the first
    // blinkPhases repaints after an answer, then stays in its colour.
    void Repaint();

    const std::vector<LedBinding>& Leds() const { return leds_; }
    // Whether the poll timer, and the timer that lets LEDs flash, are running.
    bool Polling() const;
    bool Blinking() const;

    // The look of the LEDs while the device does not answer (a poll that timed out): a colour
    // no LED state has, so that a silent device does not look switched off. -1: such a poll
    // turns the LEDs to their off colour, as any other failed poll does.
    TColor unknownColour = -1;
    std::int32_t blinkPhases = 6;
    std::int32_t paintCount = 0;

protected:
    void BeforeGet() override;
    void PutAnswer() override;
    void GetFailed(const QxSNMPError& result) override;

private:
    void Poll();
    // The LED shows that it has no state: the map's absent colour, steadily.
    static void SetAbsent(LedBinding& led, bool octetMissing);

    std::vector<LedBinding> leds_;
    // Owned here rather than by the form, so that no tick can reach a binding that is being
    // destroyed (its base waits for a poll in flight while handling window events).
    std::unique_ptr<TTimer> pollTimer_;
    std::unique_ptr<TTimer> blinkTimer_;
    int layout_ = 1;
    int pairStart_ = 4;
};
