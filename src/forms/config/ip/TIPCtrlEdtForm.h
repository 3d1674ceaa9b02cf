#pragma once

#include "ui/toolkit/TForm.h"

#include <string>

class TButton;
class TComboBox;
class TEdit;
class TIpCtrlForm;

// The window in which one IP interface is added or changed. It belongs to the list window,
// which binds its fields to the interface table and shows it modally for every Add and Edit.
// In Add mode every field is typed in and the row status is "createAndGo"; in Edit mode only
// the mode, the row status and the proxy ARP state can be changed. Set checks the fields and
// has the list window write the row; nothing is written while a check fails.
class TIPCtrlEdtForm : public TForm {
public:
    enum EditMode : int { ModeAdd = 0, ModeEdit = 1 };

    explicit TIPCtrlEdtForm(TIpCtrlForm* listForm);
    ~TIPCtrlEdtForm() override;

    EditMode Mode() const { return mode_; }
    // Set by the list window just before the window is shown.
    void SetMode(EditMode mode) { mode_ = mode; }

    // Offers every row-status label in cbxState again and chooses `label` (a Delete writes
    // "destroy" through it, whatever the last Edit left in the list).
    void ChooseState(const std::string& label);

    TEdit* edtIPAddr = nullptr;
    TEdit* edtIndex = nullptr;
    TEdit* edtInterface = nullptr;
    TEdit* edtMask = nullptr;
    TEdit* edtVlan = nullptr;
    TComboBox* cbxMode = nullptr;
    TComboBox* cbxSecondary = nullptr;
    TComboBox* cbxOper = nullptr;
    TComboBox* cbxState = nullptr;
    TComboBox* cbxARP = nullptr;
    TButton* btnSet = nullptr;
    TButton* btnClose = nullptr;

private:
    void BuildControls();
    // Prepares the fields for the mode, each time the window is shown.
    void SetUpForMode();
    void btnSetClick();
    void AddInterface();
    void EditInterface();

    TIpCtrlForm* listForm_;
    EditMode mode_ = ModeAdd;
};
