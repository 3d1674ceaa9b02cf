#include "ui/panels/TMsgPanel.h"

#include "ui/toolkit/TMemo.h"

namespace {

constexpr int PanelHeight = 50;

} // namespace

TMsgPanel::TMsgPanel(QWidget* owner) : TPanel(owner) {
    SetHeight(PanelHeight);
    memo = new TMemo(this);
    memo->SetName("ResultMemo");
    memo->SetAlign(alClient);
}
