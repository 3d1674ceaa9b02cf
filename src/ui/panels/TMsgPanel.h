#pragma once

#include "ui/toolkit/TPanel.h"

class TMemo;

// The result area of a page: a memo filling a panel 50 pixels high. The page's binding writes
// its one-line reports into the memo.
class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(QWidget* owner);

    TMemo* memo = nullptr;
};
