#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>
#include <string>

struct QxSNMPError;
class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TMemo;

// The device's clock: which time sources it has, its current date and time (the one value
// written here) and whether the clock is reset on reboot. Results and errors go to the memo.
class TCurrentTimeForm : public TForm {
public:
    enum Var : int { VarCapacity, VarClock, VarReset, VarCount };

    // Builds the window (592 x 264), binds the three values and starts reading them.
    explicit TCurrentTimeForm(QWidget* owner);
    ~TCurrentTimeForm() override;

    // The binding of the three values; none once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    // The time sources of a capacity value (hexadecimal text, read up to the first character
    // that is no hex digit): a blank, then "systemTime" (0x80), ",SNTP" (0x40), ",SummerTime"
    // (0x20) and ",realTimeClock" (0x10), each entry after the first with its own comma.
    static std::string CapacityText(const std::string& hexText);

    TEdit* timecapacityEdit = nullptr;
    TEdit* TimeCapacityText = nullptr; // hidden; the value as read
    TEdit* currentclockEdit = nullptr;
    TComboBox* cbxReset = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* GetButton = nullptr;
    TButton* SetButton = nullptr;
    TButton* CloseButton = nullptr;

    void GetButtonClick();
    void SetButtonClick();

private:
    void BuildControls();
    void Bind();
    void ReadDone(const QxSNMPError& result);
    void Release();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
