#pragma once

#include "ui/panels/TSNMPPanel.h"

#include <string>

class TControl;
class TEditsPanel;

// The page of a list of scalar variables (or of one table row, in the add and edit dialogs of
// a list page): one row per variable, and the write of the checked rows with its check-box
// helpers.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(QWidget* owner, QxSNMPRequest2Edits* binding);

    // Gives every value control the width and fits panel and form again.
    void SetEditorWidth(int width);
    // Binds the row's edit again with another edit-constraint format. A drop-down row raises
    // "Can not set Var format to a ComboBox!", a row of no known kind "Unknow UI Control type!".
    void SetVarFormat(int aIdx, const std::string& format);

    // Writes the variables of the checked rows, synchronously. A checked row without a value
    // stops the write with a warning. After a write from a button whose Tag is 1 (the add and
    // edit dialogs of list pages) the form holding that button closes.
    void SetCheckedAction(TControl* sender);
    // Check or uncheck every row with an enabled check box, hidden rows included, and enable
    // or disable Set Checked by the visible checked rows.
    void CheckAllAction();
    void ClearChecksAction();

    TEditsPanel* EditsPanel() const { return editsPanel_; }

    // Set on pages whose write resets or clears the device: the write first asks this
    // question (Yes/No), and No sends nothing.
    std::string confirmSetQuestion;

private:
    TEditsPanel* editsPanel_ = nullptr;
};
