#pragma once

#include "ui/toolkit/TForm.h"

#include <memory>

class QxSNMPRequest2Edits;
class TButton;
class TListView;
class TPanel;
class TStatusBar;

// The device's IP routing table, one row per route, read by walking the route table. The
// window only reads: Refresh walks the table again, Close closes the window.
class TIP_Routing : public TForm {
public:
    // Starts reading the table at once; the rows arrive while the window is shown, and an
    // error goes to the status bar.
    explicit TIP_Routing(QWidget* owner);
    // Stops a walk still running and waits for it before the list goes.
    ~TIP_Routing() override;

    // Walks the table again; ignored while a walk is running.
    void BT_GetClick();

    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    TListView* LV_IP_Routing = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* BT_Get = nullptr;
    TButton* Button1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;

private:
    void BuildControls();
    void FitColumns();
    void Read();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
