#pragma once

#include "ui/toolkit/TForm.h"

#include <array>
#include <memory>
#include <string>

class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TListItem;
class TListView;
class TMemo;
class TRadioButton;

// The route redistribution table: which routes of a source protocol are redistributed into
// RIP or OSPF, with which route type and metric. Selecting a row puts it into the fields below
// the list; Set writes the fields to that row, Add creates the row the two protocols name and
// Delete removes the selected row. The route types and the metric range offered depend on the
// two protocols. Results and errors go to the memo at the bottom.
class TRouteRedistributForm : public TForm {
public:
    // The position of each variable in the binding's list.
    enum Var : int { VarSource, VarDestination, VarType, VarMetric, VarStatus };
    // The Type value each radio button stands for is its position plus one.
    static constexpr int TypeCount = 10;

    // Builds the window, binds the table and starts reading it.
    explicit TRouteRedistributForm(QWidget* owner);
    ~TRouteRedistributForm() override;

    // The binding of the table; none once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    TListView* ListView1 = nullptr;
    TComboBox* ComboBox1 = nullptr;  // source protocol
    TComboBox* ComboBox2 = nullptr;  // destination protocol
    TComboBox* ComboBox3 = nullptr;  // Type, hidden; driven by the radio buttons
    TComboBox* StComboBox = nullptr; // row status, hidden
    TEdit* Edit1 = nullptr;          // metric
    TLabel* Label5 = nullptr;        // metric range
    TGroupBox* TypeGroup = nullptr;
    std::array<TRadioButton*, TypeCount> TypeRadio{};
    TMemo* Memo1 = nullptr;
    TButton* RefreshBtn = nullptr;
    TButton* EditBtn = nullptr;
    TButton* AddBtn = nullptr;
    TButton* DeleteBtn = nullptr;
    TButton* CloseBtn = nullptr;

    void RefreshBtnClick();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

    // The range the metric must lie in for a destination protocol ("rip" 0..16, "ospf"
    // 0..16777214); false for any other text.
    static bool MetricBounds(const std::string& destination, long& low, long& high);
    // The refusal of a metric for a destination, or "" when the text is a metric it takes.
    // `rangeShown` is the range label's text, used when the destination names no protocol.
    static std::string MetricProblem(const std::string& destination, const std::string& metric,
                                     const std::string& rangeShown);

private:
    void BuildControls();
    void Bind();
    void RowSelected(TListItem* item, bool selected);
    // Offers the route types and metric range the two chosen protocols allow.
    void ApplyProtocolRule();
    void TypeChosen(int type);
    // Checks the metric and writes the fields with the row status given.
    void WriteRow(const std::string& status);
    // Stops the request and lets the binding go (the window is closing).
    void Release();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
