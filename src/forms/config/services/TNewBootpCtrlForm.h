#pragma once

#include "ui/toolkit/TForm.h"

class TBOOTCtrlTableForm;
class TButton;
class TEdit;

// The add window of the BOOTP relay table: an interface name and a server address. Its edits
// are bound to the table window's variables; Set checks the address and the interface's
// server count and writes the row as valid.
class TNewBootpCtrlForm : public TForm {
public:
    // Created once by its table window, which owns it.
    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* table);

    // Servers one interface can relay to.
    static constexpr int MaxServersPerInterface = 4;

    TEdit* Edit1 = nullptr; // Interface Name
    TEdit* Edit2 = nullptr; // Bootp Server IP
    TButton* btnSet = nullptr;
    TButton* btnClose = nullptr;

private:
    void BuildControls();
    // Enables both edits (a read of the table disables the controls bound to it until a row
    // is selected); the first time only, empties them.
    void PrepareEdits();
    void btnSetClick();

    TBOOTCtrlTableForm* table_;
    bool prepared_ = false;
};
