#include "forms/config/time/TSummerTimeForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMessageBox.h"
#include "vocab/QxOptionTables.h"

#include <QFont>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOption>
#include <QPointer>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <exception>

namespace {

// The schedule; the start and end values are packed octet strings: week, weekday (two
// octets), month, hour and minute of a repeating rule; day, month, hour and minute of an
// annual date.
constexpr UISnmpVar SummerTimeVars[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Status", sxInteger, acReadwrite,
     &OL_0disable_1repeating_2annual},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Offset", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.12.3", "Time Start", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Time End", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.12.5", "Time Start", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Time End", sxOctetstr, acReadwrite},
    {},
};

constexpr const char* Repeating = "repeating";
constexpr const char* Annual = "annual";
constexpr int RowHeight = 24;

constexpr const char* MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days of a month by its shown name; February has 28 here, as on the device. 0 for no month.
int MonthLength(const std::string& month) {
    for (int m = 0; m < 12; ++m) {
        if (month == MonthNames[m]) {
            switch (m + 1) {
            case 2:
                return 28;
            case 4:
            case 6:
            case 9:
            case 11:
                return 30;
            default:
                return 31;
            }
        }
    }
    return 0;
}

// The whole text as a number not below 0; false for anything else, the empty text included.
bool ReadCount(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= 0;
}

bool IsClockTime(int hour, int minute) {
    return hour <= 23 && minute < 60;
}

std::string CheckRepeating(const TSummerTimeForm::TimeEntry& e) {
    int hour = 0;
    int minute = 0;
    if (e.month.empty() || e.week.empty() || e.weekday.empty() || !ReadCount(e.hour, hour) ||
        !ReadCount(e.minute, minute) || !IsClockTime(hour, minute)) {
        return TSummerTimeForm::TimeMessage;
    }
    return {};
}

std::string CheckAnnual(const TSummerTimeForm::TimeEntry& e) {
    int day = 0;
    int hour = 0;
    int minute = 0;
    if (!ReadCount(e.day, day) || !ReadCount(e.hour, hour) || !ReadCount(e.minute, minute) ||
        e.month.empty() || day > MonthLength(e.month) || !IsClockTime(hour, minute)) {
        return TSummerTimeForm::TimeMessage;
    }
    return {};
}

std::string CheckPair(const std::array<TSummerTimeForm::TimeEntry, 2>& pair,
                      std::string (*check)(const TSummerTimeForm::TimeEntry&)) {
    for (const auto& entry : pair) {
        if (entry.checked) {
            if (std::string problem = check(entry); !problem.empty()) {
                return problem;
            }
        }
    }
    if (pair[0].checked && pair[1].checked && pair[0].month == pair[1].month) {
        return TSummerTimeForm::SameMonthMessage;
    }
    return {};
}

// Puts access codes back however the write ends.
class RestoreAccess {
public:
    explicit RestoreAccess(QxSNMPVarList& vars) : vars_(vars) {
        for (int i = 0; i < TSummerTimeForm::RowCount; ++i) {
            saved_[static_cast<size_t>(i)] = vars.Entry(i).access;
        }
    }
    RestoreAccess(const RestoreAccess&) = delete;
    RestoreAccess& operator=(const RestoreAccess&) = delete;
    ~RestoreAccess() {
        for (int i = 0; i < TSummerTimeForm::RowCount; ++i) {
            vars_.Entry(i).access = saved_[static_cast<size_t>(i)];
        }
    }

private:
    QxSNMPVarList& vars_;
    std::array<std::uint32_t, TSummerTimeForm::RowCount> saved_{};
};

void SetInvalid(QxSNMPVarList& vars, int i, bool invalid) {
    if (invalid) {
        vars.Entry(i).access |= acInvalid;
    } else {
        vars.Entry(i).access &= ~static_cast<std::uint32_t>(acInvalid);
    }
}

// The width of a start or end row: five parts side by side (month, week, weekday, hour,
// minute), each as wide as a drop-down list of the longest name needs in the window's font.
int TimeRowWidth(const QWidget& window) {
    const QFontMetrics metrics(window.font());
    int widest = 0;
    for (const QxOptionList* names :
         {&OL_11st_22nd_33rd_x5, &OL_1Sun_2Mon_3Tue_x7, &OL_1Jan_2Feb_3Mar_x12}) {
        for (int i = 0; i < names->Count(); ++i) {
            widest = std::max(
                widest, metrics.horizontalAdvance(QString::fromStdString(names->Entry(i).label)));
        }
    }
    QStyleOptionComboBox opt;
    opt.initFrom(&window);
    opt.frame = true;
    const int part =
        window.style()
            ->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(widest, metrics.height()), &window)
            .width();
    return std::max(240, 5 * part);
}

} // namespace

// The panel's binding, counting writes begun and writes that went through: the panel's write
// reports a failure in the result area but does not return it.
class TSummerTimeForm::WriteWatch : public QxSNMPRequest2Edits {
public:
    using QxSNMPRequest2Edits::QxSNMPRequest2Edits;
    int succeeded = 0;

protected:
    void AfterSet() override { ++succeeded; }
};

TSummerTimeForm::TSummerTimeForm(QWidget* owner) : TForm(owner) {
    SetName("SummerTimeForm");
    SetCaption("Summer Time : " + SnmpGlobal().device.address);
    SetBorderStyle(bsDialog);

    binding_ = std::make_unique<WriteWatch>(this);
    binding_->request.vars.Assign(QxSNMPVarList(SummerTimeVars, SVT_SV, 0));
    binding_->mode = QxSNMPRequest2Controls::Synchronous;
    panel_ = new TSNMPEditorPanel(this, binding_.get());
    panel_->SetEditorWidth(TimeRowWidth(*this));
    panel_->SetVarFormat(RowOffset, "%i{n30x120l3}");
    BuildTimeRow(RowRepeatStart, true);
    BuildTimeRow(RowRepeatEnd, true);
    BuildTimeRow(RowAnnualStart, false);
    BuildTimeRow(RowAnnualEnd, false);

    TCtrlBtnPanel* buttons = panel_->ButtonPanel();
    buttons->refreshButton->OnClick = [this] { RefreshClick(); };
    buttons->setCheckedButton->OnClick = [this] { SetCheckedClick(); };
    StatusCombo()->OnChange = [this] { ApplyStatus(); };
    StatusCombo()->SetText(Repeating);
    ApplyStatus();

    panel_->EditsPanel()->ArrangeRows(TEditsPanel::Vertical, true);
    panel_->SetContent(panel_->EditsPanel());
    panel_->FitForm(this);
    // The close may come while code of this window waits further down the stack: the binding
    // only stops here, and goes with the window.
    OnClose = [this] {
        if (binding_ != nullptr) {
            binding_->Close();
        }
    };
    RefreshClick();
}

TSummerTimeForm::~TSummerTimeForm() {
    Release();
}

void TSummerTimeForm::Release() {
    if (binding_ == nullptr) {
        return;
    }
    binding_->request.active = false;
    // The panel and the rows go with the window; they must not reach the binding after this.
    panel_->EditsPanel()->EditCtrl = nullptr;
    binding_.reset();
}

QxSNMPRequest2Edits* TSummerTimeForm::Binding() const {
    return binding_.get();
}

TComboBox* TSummerTimeForm::StatusCombo() const {
    return panel_->EditsPanel()->Row(RowStatus).comboBox;
}

void TSummerTimeForm::BuildTimeRow(int row, bool repeating) {
    TimeFields& f = fields_[static_cast<size_t>(row - 2)];
    f.container = panel_->EditsPanel()->Row(row).edit;
    TEdit* box = f.container;
    f.colon = new TLabel(box);
    // The row's own edit stays as the frame of its fields, which take the value instead.
    binding_->UnbindControls(row);
    box->SetText("");
    box->SetReadOnly(true);
    box->SetTabStop(false);
    box->setFocusPolicy(Qt::NoFocus);
    box->SetHeight(RowHeight);
    const int width = box->Width();

    // The colon between hour and minute stands in a gap of its own, clear of both fields.
    if (repeating) {
        QFont bold = f.colon->font();
        bold.setBold(true);
        f.colon->setFont(bold);
    }
    f.colon->SetCaption(":");
    const int gap = f.colon->Width() + 2;
    auto combo = [box](const char* name, int left, int w) {
        auto* c = new TComboBox(box);
        c->SetName(name);
        c->SetBounds(left, 0, w, RowHeight);
        return c;
    };
    auto edit = [box](const char* name, const char* hint, int left, int w) {
        auto* e = new TEdit(box);
        e->SetName(name);
        e->SetHint(hint);
        e->SetShowHint(true);
        e->SetBounds(left, 0, w, RowHeight);
        return e;
    };
    if (repeating) {
        const int fifth = width / 5;
        f.month = combo("MonthCombo", 0, fifth);
        f.week = combo("WeekCombo", fifth, fifth);
        f.weekday = combo("WeekdayCombo", 2 * fifth, fifth);
        f.hour = edit("HourEdit", "Hour", 3 * fifth + 4, fifth - 4);
        f.minute = edit("MinuteEdit", "Minute", 4 * fifth + gap, fifth - gap);
        binding_->BindPart(row, 0, sxUint8, &OL_11st_22nd_33rd_x5, f.week);
        binding_->BindPart(row, 1, sxUint16, &OL_1Sun_2Mon_3Tue_x7, f.weekday);
        binding_->BindPart(row, 3, sxUint8, &OL_1Jan_2Feb_3Mar_x12, f.month);
        binding_->BindEditPart(row, 4, sxUint8, nullptr, "%i", {f.hour});
        binding_->BindEditPart(row, 5, sxUint8, nullptr, "%i", {f.minute});
    } else {
        const int quarter = width / 4;
        f.day = edit("DayEdit", "Day", 0, quarter - 4);
        f.month = combo("MonthCombo", quarter, quarter - 4);
        f.hour = edit("HourEdit", "Hour", 2 * quarter, quarter - 4);
        f.minute = edit("MinuteEdit", "Minute", 3 * quarter + gap - 4, quarter - gap);
        binding_->BindEditPart(row, 0, sxUint8, nullptr, "%i", {f.day});
        binding_->BindPart(row, 1, sxUint8, &OL_1Jan_2Feb_3Mar_x12, f.month);
        binding_->BindEditPart(row, 2, sxUint8, nullptr, "%i", {f.hour});
        binding_->BindEditPart(row, 3, sxUint8, nullptr, "%i", {f.minute});
    }
    f.colon->SetLeft(f.minute->Left() - gap + 1);
    f.colon->SetTop((RowHeight - f.colon->Height()) / 2);
    f.colon->raise();
}

void TSummerTimeForm::ApplyStatus() {
    TEditsPanel* rows = panel_->EditsPanel();
    const std::string status = StatusCombo()->Text();
    const bool repeating = status == Repeating;
    const bool annual = status == Annual;
    for (int row = RowRepeatStart; row <= RowAnnualEnd; ++row) {
        const bool shown = row <= RowRepeatEnd ? repeating : annual;
        if (shown) {
            rows->ShowRow(row);
        } else {
            rows->HideRow(row);
            rows->UncheckRow(row);
        }
    }
    rows->ArrangeRows(TEditsPanel::Vertical, false);
    panel_->ButtonPanel()->setCheckedButton->SetEnabled(rows->CountCheckedRows() >= 1);
}

void TSummerTimeForm::SetRowsValid(bool offset, const std::string& status) {
    QxSNMPVarList& vars = binding_->request.vars;
    SetInvalid(vars, RowOffset, !offset);
    SetInvalid(vars, RowRepeatStart, status != Repeating);
    SetInvalid(vars, RowRepeatEnd, status != Repeating);
    SetInvalid(vars, RowAnnualStart, status != Annual);
    SetInvalid(vars, RowAnnualEnd, status != Annual);
}

void TSummerTimeForm::RefreshClick() {
    if (binding_ == nullptr) {
        return;
    }
    // The status alone first: it decides which of the time values mean anything.
    SetInvalid(binding_->request.vars, RowStatus, false);
    SetRowsValid(false, {});
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
    ApplyStatus();
    SetRowsValid(true, StatusCombo()->Text());
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}

TSummerTimeForm::Schedule TSummerTimeForm::ShownSchedule() const {
    const TEditsPanel* rows = panel_->EditsPanel();
    Schedule s;
    s.statusChecked = rows->Row(RowStatus).checkBox->Checked();
    s.status = StatusCombo()->Text();
    s.offsetChecked = rows->Row(RowOffset).checkBox->Checked();
    s.offset = rows->Row(RowOffset).edit->Text();
    auto entry = [&](int row) {
        const TimeFields& f = Fields(row);
        TimeEntry e;
        e.checked = rows->Row(row).checkBox->Checked();
        e.month = f.month->Text();
        e.week = f.week != nullptr ? f.week->Text() : std::string();
        e.weekday = f.weekday != nullptr ? f.weekday->Text() : std::string();
        e.day = f.day != nullptr ? f.day->Text() : std::string();
        e.hour = f.hour->Text();
        e.minute = f.minute->Text();
        return e;
    };
    s.repeating = {entry(RowRepeatStart), entry(RowRepeatEnd)};
    s.annual = {entry(RowAnnualStart), entry(RowAnnualEnd)};
    return s;
}

std::string TSummerTimeForm::CheckSchedule(const Schedule& s) {
    if (s.statusChecked && s.status.empty()) {
        return StatusMessage;
    }
    if (s.offsetChecked && !s.offset.empty()) {
        int offset = 0;
        if (!ReadCount(s.offset, offset) || offset < 30 || offset > 120 || offset % 30 != 0) {
            return OffsetMessage;
        }
    }
    if (s.status == Repeating) {
        return CheckPair(s.repeating, CheckRepeating);
    }
    if (s.status == Annual) {
        return CheckPair(s.annual, CheckAnnual);
    }
    return {};
}

bool TSummerTimeForm::WriteChecked() {
    TEditsPanel* rows = panel_->EditsPanel();
    bool due = false;
    for (int i = 0; i < RowCount; ++i) {
        due = due || (rows->Row(i).checkBox->Checked() && binding_->request.vars.IsSettable(i));
    }
    const int before = binding_->succeeded;
    panel_->SetCheckedAction(panel_->ButtonPanel()->setCheckedButton);
    return !due || binding_->succeeded > before;
}

void TSummerTimeForm::SetCheckedClick() {
    if (binding_ == nullptr) {
        return;
    }
    const Schedule schedule = ShownSchedule();
    if (const std::string problem = CheckSchedule(schedule); !problem.empty()) {
        ShowMessage(problem, this);
        return;
    }
    // The panel counts a row as filled by the text of its value control: here the frame of
    // the fields, which says whether all of them hold something.
    for (const TimeFields& f : fields_) {
        bool filled = true;
        for (TComboBox* c : {f.month, f.week, f.weekday}) {
            filled = filled && (c == nullptr || !c->Text().empty());
        }
        for (TEdit* e : {f.day, f.hour, f.minute}) {
            filled = filled && (e == nullptr || !e->Text().empty());
        }
        f.container->SetText(filled ? "-" : "");
    }

    // The status goes first, alone: the device takes the time values of the status it has.
    // A status that did not go through ends the write. The codes the rows had before go back
    // afterwards, however the write ends.
    RestoreAccess restore(binding_->request.vars);
    QxSNMPVarList& vars = binding_->request.vars;
    SetInvalid(vars, RowStatus, false);
    SetRowsValid(false, {});
    TEditsPanel* rows = panel_->EditsPanel();
    const bool statusWritten = rows->Row(RowStatus).checkBox->Checked();
    if (!WriteChecked()) {
        return;
    }
    // Then the offset and the rows of the chosen status. An empty offset is left out rather
    // than stopping the whole write as an empty row.
    SetInvalid(vars, RowStatus, true);
    SetRowsValid(!schedule.offset.empty(), schedule.status);
    QPointer<TSummerTimeForm> self(this);
    const bool restWritten = WriteChecked();
    if (self == nullptr || binding_ == nullptr || restWritten || !statusWritten) {
        return;
    }
    // The status went through and the rest did not: the result area says what the device
    // holds now, after the line of the refusal.
    binding_->lastOperation = QxSNMPRequest2Controls::OperationSet;
    binding_->Report(PartlyWritten(schedule.status));
}

std::string TSummerTimeForm::PartlyWritten(const std::string& status) {
    return "Only the status was written (now \"" + status +
           "\"); the offset and time rows were refused, so the device keeps its previous "
           "offset and time rows with the new status";
}
