#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>
#include <string>

class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListItem;
class TListView;
class TStatusBar;

// The ACL meter table: the rate limit of each rule (access ID) of each access profile and
// what the device does with traffic beyond it. Selecting a row puts it into the fields below
// the list; Set writes the rate and the action of that row and reads the table again. Results
// and errors go to the status bar.
class TACLMeterForm : public TForm {
public:
    enum Var : int { VarProfile, VarAccess, VarRate, VarAction, VarCount };

    // Builds the window, binds the table and starts reading it.
    explicit TACLMeterForm(QWidget* owner);
    ~TACLMeterForm() override;

    // The binding of the table; none once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    // Why a row with this rate text and action choice cannot be written, or "" when it can:
    // an empty rate would go out as 0, which switches the meter off, and no action is no
    // value the device takes.
    static std::string WriteProblem(const std::string& rate, const std::string& action);

    TListView* ListView1 = nullptr;
    TEdit* ProfileIDEdit = nullptr;
    TEdit* AccessIDEdit = nullptr;
    TEdit* RateEdit = nullptr;
    TComboBox* CBox_Active = nullptr;
    TLabel* NoteLabel1 = nullptr;
    TLabel* NoteLabel2 = nullptr;
    TButton* RefreshBtn = nullptr;
    TButton* SetBtn = nullptr;
    TStatusBar* StatusBar1 = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();

private:
    void BuildControls();
    void Bind();
    // Follows the list's selection: a row to edit, or none.
    void SelectionChanged();
    void ClearFields();
    void Release();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
