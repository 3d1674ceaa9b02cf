#pragma once

#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/toolkit/TColors.h"
#include "ui/toolkit/TPanel.h"

#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QxSNMPRequest2Edits;
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TLabel;
class TScrollBox;

// What a row shows: text or a choice of named values, editable or not.
enum EditRowKind : int {
    NoRow = 0,
    ReadOnlyText = 1,   // not editable, no option list: an edit
    EditableText = 2,   // editable, no option list: an edit
    EditableChoice = 3, // editable, with an option list: a drop-down list
    ReadOnlyChoice = 4, // not editable, with an option list: an edit showing the label
};

// A row's edit as a bit-list editor: the bits shown columnsPerLine to a line.
struct OctetItem {
    int columnsPerLine = 0;
    int count = 0;
};

// One row of an edits panel: check box, label and value control of one variable.
struct EditRow {
    EditRowKind kind = NoRow;
    // The edit-constraint format the row's edit is bound with.
    std::string format;
    TEdit* edit = nullptr;         // kinds 1, 2 and 4
    TComboBox* comboBox = nullptr; // kind 3
    TCheckBox* checkBox = nullptr;
    TLabel* label = nullptr;
    std::optional<OctetItem> octetItem;
    // Whether the check box shows once the row does: a hidden row keeps all its controls out
    // of sight, whatever look it is given meanwhile.
    bool checkBoxShown = false;

    TControl* ValueControl() const;
};

// The rows of a page: one per variable of the binding's list, each a check box (is the
// variable written?), its label and a value control, inside a scroll box filling the panel.
// Editable rows are black on white with a check box; read-only rows and index rows have the
// read-only colours and no check box. The panel owns the three controls of each row.
class TEditsPanel : public TPanel {
public:
    enum Arrangement : int { Vertical };

    // Builds the rows of the binding's variable list. Without a binding the panel has no rows.
    TEditsPanel(QWidget* owner, QxSNMPRequest2Edits* editCtrl);
    ~TEditsPanel() override;

    // Rebuilds the rows for the binding's variables, freeing the previous ones.
    void BuildRows(QxSNMPRequest2Edits* editCtrl);
    void SetReadOnlyColors(TColor fontColor, TColor backColor);
    // The check state editable rows start with; applies the looks to every row again.
    void SetCheckDefault(bool state);
    void MakeRowReadOnly(int aIdx);
    void MakeRowEditable(int aIdx);
    // Gives every value control the width and arranges the rows again, resizing the panel.
    void SetEditWidth(int width, Arrangement arrangement);
    // Places the rows one per line; with `resize` the panel takes the size of its rows.
    void ArrangeRows(Arrangement arrangement, bool resize);
    // Hide and show a row, marking the variable hidden; the caller arranges the rows again.
    void HideRow(int aIdx);
    void ShowRow(int aIdx);
    void CheckRow(int aIdx);
    // Shows or hides the row's check box; a hidden checked box still marks the row for writing.
    void SetCheckBoxShown(int aIdx, bool shown);
    void UncheckRow(int aIdx);
    // Empties the value control and the variable's value text.
    void ClearRow(int aIdx);
    void ClearRows();
    // Puts a text into the value control (a drop-down list chooses the equal item, letter case
    // ignored, or none) and into the variable's value text.
    void SetRowText(int aIdx, const std::string& text);
    std::string RowText(int aIdx) const;
    bool IsRowEmpty(int aIdx) const;
    // Makes the row's edit a read-only bit-list editor: a click or a key opens the bit dialog.
    void AssignOctetItem(int aIdx, int columnsPerLine, int count);
    // Keeps the format of a row for later bindings of its edit (the caller binds it).
    void SetRowFormat(int aIdx, const std::string& format);

    // Chooses the buttons of an editor page's column and lays it out; the column becomes the one
    // whose Set Checked button follows the check boxes.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttonPanel);
    // The column whose Set Checked button the check boxes enable and disable (the column of the
    // page or dialog that shows this panel); none at first.
    void SetButtonColumn(TCtrlBtnPanel* buttonPanel) { buttonColumn_ = buttonPanel; }
    TCtrlBtnPanel* ButtonColumn() const { return buttonColumn_; }

    bool AllRowsReadOnly() const;
    int CountEnabledChecks() const;
    int CountCheckedRows() const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const EditRow& Row(int aIdx) const;
    TScrollBox* ScrollBox() const { return scrollBox_; }
    int EditWidth() const { return editWidth_; }
    bool CheckDefault() const { return checkDefault_; }
    TColor ReadOnlyFontColor() const { return readOnlyFontColor_; }
    TColor ReadOnlyBackColor() const { return readOnlyBackColor_; }

    QxSNMPRequest2Edits* EditCtrl = nullptr;

    // The value controls are never narrower than their texts need in the panel's font (the
    // longest item of a drop-down list, the text of an edit, the longest address or MAC
    // address for an edit of that syntax), up to MaxValueWidth; all rows keep one width. The
    // limit lets a page of short captions show a device description whole and still fit the
    // largest page window.
    static constexpr int MaxValueWidth = 540;
    // Called once after values arrived whose text a read-only row's edit cannot show whole;
    // the page arranges the rows again and grows its window.
    std::function<void()> OnValuesWiden;

private:
    int FittingWidth() const;
    int NeededWidth(int aIdx) const;
    void ValueShown(const TEdit* edit);
    // Operations on a row that does not exist raise std::out_of_range.
    void CheckRowIndex(int aIdx) const;
    EditRow& At(int aIdx);
    // False (after the message) when the index lies outside the rows.
    bool CheckLookIndex(int aIdx) const;
    bool IsEditable(int aIdx) const;
    bool IsIndexRow(int aIdx) const;
    bool IsHidden(int aIdx) const;
    void FreeRows();
    void CheckBoxClicked();
    void EditOctetItem(int aIdx);

    std::vector<EditRow> rows_;
    TScrollBox* scrollBox_ = nullptr;
    TColor readOnlyFontColor_ = clBlack;
    TColor readOnlyBackColor_ = clBtnFace;
    bool checkDefault_ = false;
    int editWidth_ = 121;
    bool widenPending_ = false;
    QPointer<TCtrlBtnPanel> buttonColumn_;
};
