#pragma once

#include "ui/toolkit/TForm.h"

#include <array>
#include <memory>
#include <string>

class QxSNMPRequest2Edits;
class TComboBox;
class TEdit;
class TLabel;
class TSNMPEditorPanel;

// The summer-time schedule: its status (disabled, a repeating rule, or fixed annual dates),
// the offset in minutes and the start and end of the rule. Each start and end is one packed
// octet string on the device; here every one is a row of small fields (month, week, weekday,
// hour and minute of a repeating rule; day, month, hour and minute of an annual date), each
// bound to its octets. Only the rows of the chosen status are shown, read and written.
// Results and errors go to the result area of the editor panel.
class TSummerTimeForm : public TForm {
public:
    enum Row : int {
        RowStatus,
        RowOffset,
        RowRepeatStart,
        RowRepeatEnd,
        RowAnnualStart,
        RowAnnualEnd,
        RowCount
    };

    // The fields of one start or end row, laid over the row's value control, which stays
    // behind them as their container. Repeating rows have no day, annual rows no week and
    // weekday.
    struct TimeFields {
        TEdit* container = nullptr;
        TComboBox* month = nullptr;
        TComboBox* week = nullptr;
        TComboBox* weekday = nullptr;
        TEdit* day = nullptr;
        TEdit* hour = nullptr;
        TEdit* minute = nullptr;
        TLabel* colon = nullptr;
    };

    // What a write is checked on: the status and offset rows and the four time rows as the
    // user left them (combo boxes by their shown text, "" when nothing is chosen).
    struct TimeEntry {
        bool checked = false;
        std::string month;
        std::string week;
        std::string weekday;
        std::string day;
        std::string hour;
        std::string minute;
    };
    struct Schedule {
        bool statusChecked = false;
        std::string status;
        bool offsetChecked = false;
        std::string offset;
        std::array<TimeEntry, 2> repeating; // start, end
        std::array<TimeEntry, 2> annual;    // start, end
    };

    static constexpr const char* StatusMessage = "Please choose Summer Time Status.";
    static constexpr const char* OffsetMessage =
        "Summer Time Offset must chosed from {30, 60, 90, 120}.";
    static constexpr const char* TimeMessage = "Time error.";
    static constexpr const char* SameMonthMessage =
        "From month and To month should not be the same.";

    // Builds the window, binds the six values and reads the status and the rows it selects.
    explicit TSummerTimeForm(QWidget* owner);
    ~TSummerTimeForm() override;

    // The first reason the schedule cannot be written, or "" when it can.
    static std::string CheckSchedule(const Schedule& schedule);
    // The schedule as the controls show it.
    Schedule ShownSchedule() const;

    QxSNMPRequest2Edits* Binding() const;
    TSNMPEditorPanel* Panel() const { return panel_; }
    TComboBox* StatusCombo() const;
    // Rows 2 to 5 at positions 0 to 3.
    const TimeFields& Fields(int row) const { return fields_[static_cast<size_t>(row - 2)]; }

    // The panel's Refresh: the status first, then the rows it selects.
    void RefreshClick();
    // The panel's Set Checked: checks, then the status, then the offset and the time rows.
    void SetCheckedClick();
    // Shows the rows of the chosen status and hides (and unchecks) the others.
    void ApplyStatus();

private:
    class WriteWatch;

    void BuildTimeRow(int row, bool repeating);
    void SetRowsValid(bool offset, const std::string& status);
    // The panel's Set Checked for the rows not marked invalid; false when a write was due and
    // did not go through (the result area says why).
    bool WriteChecked();
    // The result line of a write whose status went through while the rest was refused.
    static std::string PartlyWritten(const std::string& status);
    void Release();

    std::unique_ptr<WriteWatch> binding_;
    TSNMPEditorPanel* panel_ = nullptr;
    std::array<TimeFields, 4> fields_{};
};
