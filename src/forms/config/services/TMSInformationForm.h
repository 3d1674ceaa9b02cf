#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TListView;
class TMemo;
class TMSEditForm;
class TStaticText;

// The window "Member Switch Information Table": the member switches of single-IP management.
// The list shows the member switch table; Add opens the add window, which creates a member
// switch by ID, candidate ID and password; Delete destroys the selected one. Two bindings: the
// table read into the list, and the write list of one member switch (addressed by its ID),
// bound to the add window. Both report into the memo below the list.
class TMSInformationForm : public TForm {
public:
    // The device address of the caption comes from the process-wide connection record; the
    // table is read as soon as events are processed (the modal loop).
    explicit TMSInformationForm(QWidget* owner);
    ~TMSInformationForm() override;

    // None once the window has closed.
    QxSNMPRequest2Edits* TableBinding() const { return table_.get(); }
    QxSNMPRequest2Edits* WriteBinding() const { return write_.get(); }
    TMSEditForm* EditForm() const { return editForm_.get(); }

    // Lets a read that is still running end, so that the list holds the whole table; false when
    // it did not end in time.
    bool WaitForRead();
    // Reads the table unless a read is running; Delete is disabled until a row is chosen.
    void Refresh();

    TListView* ListView1 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* btnRefresh = nullptr;
    TButton* btnDelete = nullptr;
    TButton* btnAdd = nullptr;
    TStaticText* StaticText1 = nullptr; // the number of rows

private:
    void BuildControls();
    void Bind();
    // Replaces every shown member password by a mask.
    void MaskPasswords();
    void btnAddClick();
    void btnDeleteClick();
    // Stops the bindings and frees them with the add window.
    void FormClose();

    std::unique_ptr<TMSEditForm> editForm_;
    // Declared after the add window, whose controls the write list is bound to: they go first.
    std::unique_ptr<QxSNMPRequest2Edits> table_;
    std::unique_ptr<QxSNMPRequest2Edits> write_;
};
