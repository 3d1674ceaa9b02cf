#pragma once

#include "ui/toolkit/TPanel.h"

#include <string>

class QxSNMPRequest2Edits;
class TCtrlBtnPanel;
class TListView;

// The list part of a table page: a report-style list of the table's rows, filled by the
// binding, and which row-status column and option labels create and destroy a row.
class TListViewPanel : public TPanel {
public:
    // Hands the list to the binding, which builds one column per shown variable; the panel is
    // as wide as the column captions need (8 pixels a character, at most 450) and 350 high.
    TListViewPanel(QWidget* owner, QxSNMPRequest2Edits* binding);

    // Chooses the buttons of a list page: count, "Samples", Refresh, Edit and Close; Add and
    // Delete only where the page can add or delete rows.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttonPanel);

    // The row-status column and the option label that destroy a row (column -1: no deleting).
    void SetDeleteStatus(int column, const std::string& text);
    // The row-status column and the option label that create a row (column -1: no adding).
    void SetAddStatus(int column, const std::string& text);

    TListView* ListView() const { return listView_; }
    int DeleteStatusColumn() const { return deleteStatusColumn_; }
    int AddStatusColumn() const { return addStatusColumn_; }
    const std::string& AddStatusValue() const { return addStatusValue_; }
    const std::string& DeleteStatusValue() const { return deleteStatusValue_; }

    static constexpr int MaxWidth = 450;
    static constexpr int ListHeight = 350;

private:
    TListView* listView_ = nullptr;
    int deleteStatusColumn_ = -1;
    int addStatusColumn_ = -1;
    std::string addStatusValue_;
    std::string deleteStatusValue_;
};
