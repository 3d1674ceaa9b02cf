#pragma once

#include "ui/toolkit/TForm.h"

#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TLabel;

// The dialog that edits an octet string as a list of bits: one numbered check box per position
// (1 to count), columnsPerLine to a line, and the buttons OK, Cancel, Check All and Clear
// Checks below. For a value that cannot be written the boxes are disabled and only OK shows.
// The boxes are bound to the value by the caller.
class TBitListForm : public TForm {
public:
    TBitListForm(QWidget* owner, const std::string& caption, int columnsPerLine, int count,
                 bool editable);

    // The bit positions the boxes show, "0,1,...,count-1".
    std::string Positions() const;
    void SetAllChecked(bool checked);

    std::vector<TLabel*> labels;
    std::vector<TCheckBox*> boxes;
    TButton* okButton = nullptr;
    TButton* cancelButton = nullptr;
    TButton* checkAllButton = nullptr;
    TButton* clearChecksButton = nullptr;
};
