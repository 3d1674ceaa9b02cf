#pragma once

#include "ui/toolkit/TForm.h"

#include <array>
#include <memory>
#include <string>

struct QxSNMPError;
class QxSNMPRequest2Controls;
class QxSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TStatusBar;

// Whether and how OSPF originates a default route: state, always, metric type and metric.
// The tick box before each field selects it for the next write; only ticked fields that are
// not greyed out are written, and a field changed without its tick stops the write with a
// message. Results and errors go to the status bar.
class TOSPFDefaultInfoOriginateForm : public TForm {
public:
    enum Var : int { VarState, VarAlways, VarMettype, VarMetric, VarCount };

    // Builds the window, binds the four values and starts reading them.
    explicit TOSPFDefaultInfoOriginateForm(QWidget* owner);
    ~TOSPFDefaultInfoOriginateForm() override;

    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    TComboBox* CBoxState = nullptr;
    TComboBox* CBoxAlways = nullptr;
    TComboBox* CBoxMettype = nullptr;
    TEdit* MetricEdit = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TCheckBox* CheckBox4 = nullptr;
    TButton* SetBtn = nullptr;
    TButton* CloseBtn = nullptr;
    TButton* RefreshBtn = nullptr;
    TStatusBar* StatusBar1 = nullptr;

    void SetBtnClick();
    void RefreshBtnClick();

private:
    void BuildControls();
    void Bind();
    // Enables the fields that only matter while default-route origination is not disabled.
    void ApplyState();
    void EnableFields(bool enabled);
    void SetDone(const QxSNMPError& result);
    void Release();

    // The fields as the last successful read showed them, to tell a changed field.
    std::array<std::string, VarCount> read_;
    std::array<TControl*, VarCount> Fields() const;

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
