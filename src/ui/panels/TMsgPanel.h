#pragma once

#include "ui/toolkit/TPanel.h"

class TMemo;

// The result area of a page: a read-only memo filling a panel tall enough for the last four
// report lines (at least 50 pixels). The page's binding writes its one-line reports into the
// memo, errors marked, the last error kept in view.
class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(QWidget* owner);

    static constexpr int VisibleLines = 4;

    TMemo* memo = nullptr;
};
