#pragma once

#include "ui/toolkit/TForm.h"

#include <string>

class QxSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TListView;

// The edit window of the MD5 key table: one key's ID, key text and row status. In Edit mode
// it shows the row selected in the list window and writes its key; in Add mode it creates a
// row. The list window owns the binding the fields are bound to and reads the table again
// after a write. A failed write is reported in the list window's memo and leaves this window
// open with what was entered.
class TMd5EditForm : public TForm {
public:
    enum Mode : int { ModeEdit = 1, ModeAdd = 2 };

    explicit TMd5EditForm(QWidget* owner);
    ~TMd5EditForm() override;

    // The binding the fields are bound to and the list of existing rows; set by the list
    // window before the first show.
    void Attach(QxSNMPRequest2Edits* binding, TListView* list);

    int mode = ModeEdit;

    TEdit* KeyIDEdit = nullptr;
    TEdit* KeyEdit = nullptr;       // masked
    TCheckBox* ShowKey = nullptr;   // shows the key while ticked
    TComboBox* ComboBox1 = nullptr; // row status
    TButton* SetBtn = nullptr;
    TButton* CloseBtn = nullptr;

    // What the window shows when it is opened in its mode.
    void Prepare();
    void SetBtnClick();

    // The first refusal of the entered values, or "" when they may be written. `keyIdTaken`
    // tells whether a row of the list already has the key ID.
    static std::string CheckKey(int mode, const std::string& keyId, bool keyIdTaken,
                                const std::string& key, const std::string& status);

private:
    bool KeyIdTaken(const std::string& keyId) const;

    QxSNMPRequest2Edits* binding_ = nullptr;
    TListView* list_ = nullptr;
};
