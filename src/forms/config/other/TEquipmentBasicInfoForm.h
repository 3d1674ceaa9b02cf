#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TEdit;
class TMemo;

// The equipment's capacity (redundant power) and its stacking figures, read-only. Results and
// errors go to the memo below the fields.
class TEquipmentBasicInfoForm : public TForm {
public:
    enum Var : int { VarCapacity, VarStackingVersion, VarMaxUnits, VarUnitCount, VarCount };

    // Builds the window, binds the four values and starts reading them.
    explicit TEquipmentBasicInfoForm(QWidget* owner);
    ~TEquipmentBasicInfoForm() override;

    // The binding of the four values; none once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    TEdit* Edit1 = nullptr; // equipment capacity
    TEdit* Edit2 = nullptr; // max supported units
    TEdit* Edit3 = nullptr; // number of units
    TEdit* Edit4 = nullptr; // stacking version
    TMemo* Memo1 = nullptr;
    TButton* RefreshBtn = nullptr;

    void RefreshBtnClick();

private:
    void BuildControls();
    void Bind();
    void Release();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
