#pragma once

#include "ui/panels/TSNMPEditorPanel.h"

#include <functional>
#include <string>

class TControl;
class TListViewPanel;

// The page of an SNMP table: the rows in a list, and Add, Edit and Delete. Rows are created
// and destroyed through the table's row-status column. The page's edits panel stays out of
// sight and is lent to the modal add and edit dialogs, which write the row it holds.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    // Called with the button that was pressed, before and after the add and edit dialogs.
    using PageHook = std::function<void(TControl* button)>;

    TSNMPListViewPanel(QWidget* owner, QxSNMPRequest2Edits* binding);

    // The row-status variable and its option label that create a row (letter case ignored).
    // Raises "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" followed by the text
    // when the row is no drop-down list holding that label; the buttons stay as they were.
    void SetAddStatus(int aIdx, const std::string& text);
    // The same for the label that destroys a row; the Delete button appears.
    void SetDeleteStatus(int aIdx, const std::string& text);

    // Reads the table again, unless an asynchronous read is still running.
    void ListRefreshAction();
    void UpdateRowButtons();
    void EditIfSelected();
    void UpdateCount();
    // The hint of the row under the pointer: one line per column, caption and text.
    void ShowRowHint(int x, int y);

    void AddAction(TControl* sender);
    void EditAction(TControl* sender);
    // Asks first; then writes the delete-status label to the selected row only.
    void DeleteAction();

    TListViewPanel* ListViewPanel() const { return listViewPanel_; }

    // Set by page code after construction.
    bool readOnly = false;
    PageHook beforeAdd;
    PageHook afterAdd;
    PageHook beforeEdit;
    PageHook afterEdit;

    static constexpr int DialogEditWidth = 200;

private:
    // The dialog's frame over this page's edits panel; the caller shows it modally.
    TSNMPPanel* BuildDialog(TForm& dialog);
    // Gives the edits panel back to the page and reads the table again.
    void EndDialog();
    // Stops a running read after the answer in hand and waits for it; false when the page
    // closes or the read does not end within its bound (the result area says so).
    bool StopRead();
    std::string PageCaption() const;

    TListViewPanel* listViewPanel_ = nullptr;
};
