#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TListView;
class TMemo;
class TNewBootpCtrlForm;

// The window "BOOTP Ctrl Table": the BOOTP relay servers of each IP interface, at most four per
// interface. Its list shows the relay table; Add opens the add window, whose two edits and the
// hidden state box of this window are bound to the table's variables, so that a write goes to
// the row they show; Delete marks the selected row invalid. Reads and writes report into the
// memo below the list.
class TBOOTCtrlTableForm : public TForm {
public:
    // The device address of the caption comes from the process-wide connection record; the
    // table is read as soon as events are processed (the modal loop).
    explicit TBOOTCtrlTableForm(QWidget* owner);
    ~TBOOTCtrlTableForm() override;

    // None once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }
    TNewBootpCtrlForm* AddForm() const { return addForm_.get(); }

    // Lets a read that is still running end, so that the list holds the whole table; false when
    // it did not end in time.
    bool WaitForRead();
    // Reads the table unless a read or write is running; a failure to send goes to the memo.
    void Refresh();
    // Writes the row the bound controls show and waits for the device's answer; the outcome
    // goes to the memo, and after a write the device took the table is read again. True when
    // the device took it.
    bool WriteBoundRow();

    TListView* ListView1 = nullptr;
    TMemo* Memo1 = nullptr;
    TComboBox* ComboBox1 = nullptr; // the State of the row written; never shown
    TButton* btnRefresh = nullptr;
    TButton* btnDelete = nullptr;
    TButton* btnAdd = nullptr;
    TButton* btnClose = nullptr;

private:
    void BuildControls();
    void Bind();
    void btnDeleteClick();
    void btnAddClick();
    // Stops the binding and frees it with the add window.
    void FormClose();

    std::unique_ptr<TNewBootpCtrlForm> addForm_;
    // Declared after the add window, whose controls it refers to: it goes first.
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
