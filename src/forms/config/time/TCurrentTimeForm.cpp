#include "forms/config/time/TCurrentTimeForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TMessageBox.h"
#include "vocab/QxOptionTables.h"

#include <QFontMetrics>

#include <algorithm>
#include <cctype>
#include <exception>
#include <initializer_list>

namespace {

constexpr UISnmpVar ClockVars[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", sxBitstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", sxDatetime,
     acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", sxInteger, acReadonly, &OL_1true_2false},
    {},
};

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int top) {
    auto* label = new TLabel(parent);
    label->SetCaption(caption);
    label->SetLeft(12);
    label->SetTop(top + 3);
    return label;
}

TButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int left,
                    int top) {
    auto* button = new TButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 75, 25);
    return button;
}

// The widest of the texts in the window's font, with room for an edit's frame and margins.
int FieldWidthFor(const QWidget* window, std::initializer_list<const char*> texts) {
    const QFontMetrics metrics(window->font());
    int widest = 0;
    for (const char* text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(text)));
    }
    return widest + 12;
}

} // namespace

TCurrentTimeForm::TCurrentTimeForm(QWidget* owner) : TForm(owner) {
    SetName("CurrentTimeForm");
    SetCaption("Current Time: " + SnmpGlobal().device.address);
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(592);
    SetClientHeight(264);
    BuildControls();
    Bind();
    // The close may come while code of this window waits further down the stack: the binding
    // only stops here, and goes with the window.
    OnClose = [this] {
        if (binding_ != nullptr) {
            binding_->Close();
        }
    };
    GetButtonClick();
}

TCurrentTimeForm::~TCurrentTimeForm() {
    Release();
}

void TCurrentTimeForm::BuildControls() {
    // The fields start right of the longest caption and have room for every capacity the
    // device reports at once and for the longest clock text.
    const int FieldLeft =
        std::max(300, 12 + FieldWidthFor(this, {"Current Clock(Example  2007-5-26,15:30:15.0)"}));
    const int FieldWidth =
        std::max(190, FieldWidthFor(this, {" systemTime,SNTP,SummerTime,realTimeClock",
                                           "65535-12-31,23:59:60.9,+14:59"}));
    const int ButtonLeft = FieldLeft + FieldWidth + 15;
    SetClientWidth(std::max(592, ButtonLeft + 75 + 12));
    MakeLabel(this, "Time Capacity", 12);
    timecapacityEdit = new TEdit(this);
    timecapacityEdit->SetName("timecapacityEdit");
    timecapacityEdit->SetBounds(FieldLeft, 12, FieldWidth, 21);
    timecapacityEdit->SetEnabled(false);
    TimeCapacityText = new TEdit(this);
    TimeCapacityText->SetName("TimeCapacityText");
    TimeCapacityText->Hide();

    MakeLabel(this, "Current Clock(Example  2007-5-26,15:30:15.0)", 44);
    currentclockEdit = new TEdit(this);
    currentclockEdit->SetName("currentclockEdit");
    currentclockEdit->SetBounds(FieldLeft, 44, FieldWidth, 21);

    MakeLabel(this, "Clock Reset On Reboot", 76);
    cbxReset = new TComboBox(this);
    cbxReset->SetName("cbxReset");
    cbxReset->SetStyle(csDropDownList);
    cbxReset->SetBounds(FieldLeft, 76, FieldWidth, 21);
    cbxReset->SetEnabled(false);

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);
    Memo1->SetBounds(12, 112, FieldLeft + FieldWidth - 12, 140);

    GetButton = MakeButton(this, "GetButton", "Refresh", ButtonLeft, 12);
    SetButton = MakeButton(this, "SetButton", "Set", ButtonLeft, 44);
    CloseButton = MakeButton(this, "CloseButton", "Close", ButtonLeft, 76);
    GetButton->OnClick = [this] { GetButtonClick(); };
    SetButton->OnClick = [this] { SetButtonClick(); };
    CloseButton->OnClick = [this] { Close(); };
}

void TCurrentTimeForm::Bind() {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(ClockVars, SVT_SV, 0));
    binding_->mode = QxSNMPRequest2Controls::Asynchronous;
    binding_->BindEdit(VarCapacity, "%s", {TimeCapacityText});
    // Room for the longest clock text with its offset from UTC ("65535-12-31,23:59:60.9,+14:59").
    binding_->BindEdit(VarClock, "%s{l32}", {currentclockEdit});
    binding_->BindComboBox(VarReset, cbxReset);
    binding_->SetReportTarget(Memo1);
    binding_->onGetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        ReadDone(result);
    };
}

void TCurrentTimeForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->StopAndWait();
    binding_.reset();
}

std::string TCurrentTimeForm::CapacityText(const std::string& hexText) {
    unsigned long value = 0;
    for (char c : hexText) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            break;
        }
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        // Only the low octet carries sources; the value is kept from growing without bound.
        value = ((value << 4) | static_cast<unsigned long>(digit)) & 0xFFFFFFFFUL;
    }
    std::string text = " ";
    if ((value & 0x80) != 0) {
        text += "systemTime";
    }
    if ((value & 0x40) != 0) {
        text += ",SNTP";
    }
    if ((value & 0x20) != 0) {
        text += ",SummerTime";
    }
    if ((value & 0x10) != 0) {
        text += ",realTimeClock";
    }
    return text;
}

void TCurrentTimeForm::GetButtonClick() {
    // A read or write still running shows the values when it ends.
    if (binding_ == nullptr || binding_->busy) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationGet;
        binding_->Report(e.what());
    }
}

void TCurrentTimeForm::ReadDone(const QxSNMPError& result) {
    if (result.code != 0) {
        // The memo has the error; the fields that only show what was read are greyed.
        timecapacityEdit->SetEnabled(false);
        cbxReset->SetEnabled(false);
        return;
    }
    const std::string capacity = TimeCapacityText->Text();
    if (!capacity.empty()) {
        timecapacityEdit->SetText(CapacityText(capacity));
    }
}

void TCurrentTimeForm::SetButtonClick() {
    if (binding_ == nullptr) {
        return;
    }
    if (currentclockEdit->Text().empty()) {
        ShowMessage("The Current Edit should not be empty!", this);
        currentclockEdit->SetFocus();
        return;
    }
    // A read still running is stopped by the write itself, and its answer dropped: shown, it
    // would put the device's clock into the field just before the typed one is written.
    try {
        binding_->Set(false, true);
    } catch (const std::exception& e) {
        binding_->lastOperation = QxSNMPRequest2Controls::OperationSet;
        binding_->Report(e.what());
    }
}
