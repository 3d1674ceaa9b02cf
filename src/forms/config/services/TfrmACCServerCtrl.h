#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TStatusBar;

// The window "ACC Server Control Table": adds an authentication server to an access-control
// server group, or removes one. The three index fields name the server (group, address,
// protocol); "Row State" says whether the device adds or deletes it. Reads and writes are
// synchronous and report into the status bar.
class TfrmACCServerCtrl : public TForm {
public:
    // Reads the table at once (the fields are emptied afterwards, whatever the read gave); the
    // outcome, also a failure, is shown in the status bar. The device address of the caption
    // comes from the process-wide connection record.
    explicit TfrmACCServerCtrl(QWidget* owner);
    ~TfrmACCServerCtrl() override;

    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    TEdit* edtGroupName = nullptr;
    TEdit* edtIPAddr = nullptr;
    TComboBox* cbAuthProtocol = nullptr;
    TComboBox* cbRowState = nullptr;
    TButton* btnSet = nullptr;
    TButton* btnClose = nullptr;
    TStatusBar* StatusBar1 = nullptr;

private:
    void BuildControls();
    void Bind();
    void ReadTable();
    void btnSetClick();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
