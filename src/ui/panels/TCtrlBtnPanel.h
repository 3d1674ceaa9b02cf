#pragma once

#include "ui/toolkit/TPanel.h"

#include <vector>

class TBitBtn;
class TControl;
class TLabel;
class TStaticText;

// The column of command buttons on the right of every generated page: the row count of a list
// page above its caption "Samples", then Refresh, Edit, Set Checked, Add, Delete, Check All,
// Clear Checks and Close. The column has no behaviour of its own: the panel that creates it
// attaches the click handlers and decides which buttons show, then lays the column out again.
//
// A button shows a picture instead of its caption when a bitmap of its name lies in the
// process's current folder ("Get.bmp" for Refresh, "Close.bmp" for Close, and so on).
class TCtrlBtnPanel : public TPanel {
public:
    explicit TCtrlBtnPanel(QWidget* owner);

    // Places the controls of the column top to bottom: each 96 wide at the left margin, 5
    // pixels apart; a hidden control takes no room.
    void ArrangeButtons();

    TLabel* captionLabel = nullptr;
    TStaticText* countText = nullptr;
    TBitBtn* refreshButton = nullptr;
    TBitBtn* editButton = nullptr;
    TBitBtn* setCheckedButton = nullptr;
    TBitBtn* addButton = nullptr;
    TBitBtn* deleteButton = nullptr;
    TBitBtn* checkAllButton = nullptr;
    TBitBtn* clearChecksButton = nullptr;
    TBitBtn* closeButton = nullptr;
    int leftMargin = 10;
    int topMargin = 10;

private:
    // The controls in column order.
    std::vector<TControl*> layout_;
};
