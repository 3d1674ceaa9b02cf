#pragma once

#include "ui/toolkit/TForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TMSInformationForm;

// The add window "MS Add" of the member switch table: member switch ID, candidate ID and
// password; the row status stays "createAndGo". Its controls are bound to the table window's
// write list; Set checks the fields and creates the member switch.
class TMSEditForm : public TForm {
public:
    // Created once by its table window, which owns it.
    explicit TMSEditForm(TMSInformationForm* table);

    // Shows the window modally for a new member switch.
    TModalResult ShowAdd();

    TEdit* MSIDEdit = nullptr;
    TEdit* KeyIDEdit = nullptr;
    TEdit* MS_Password = nullptr;      // masked
    TCheckBox* ShowPassword = nullptr; // shows the password while ticked
    TComboBox* Row_Status = nullptr;
    TButton* btnSet = nullptr;
    TButton* btnClose = nullptr;

private:
    void BuildControls();
    // Once per showing for an add: the ID fields are emptied and the candidate ID enabled.
    void PrepareAdd();
    // Checks the IDs typed as leaving their fields would (Enter presses Set without leaving
    // the field); false when one was refused, with its message shown.
    bool CheckTypedIds();
    // The first failed check, with its message shown; true when the write may go out.
    bool CheckAdd();
    void btnSetClick();

    TMSInformationForm* table_;
    bool addPending_ = false;
};
