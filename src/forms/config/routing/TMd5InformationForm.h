#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TListItem;
class TListView;
class TMd5EditForm;
class TMemo;

// The table of MD5 authentication keys: the keys in a list, results and errors in the memo
// below it; Edit and Add open the edit window, Delete removes the selected key.
class TMd5InformationForm : public TForm {
public:
    enum Var : int { VarKeyId, VarKey, VarStatus };

    // Builds the window and its edit window, binds the table and starts reading it.
    explicit TMd5InformationForm(QWidget* owner);
    ~TMd5InformationForm() override;

    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }
    TMd5EditForm* EditForm() const { return editForm_.get(); }

    TListView* ListView1 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* RefreshBtn = nullptr;
    TButton* EditBtn = nullptr;
    TButton* DeleteBtn = nullptr;
    TButton* AddBtn = nullptr;

    void RefreshBtnClick();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

private:
    void BuildControls();
    void Bind();
    // Opens the edit window in a mode; the table is read again after a write.
    void OpenEditor(int mode);
    void Release();

    std::unique_ptr<TMd5EditForm> editForm_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
