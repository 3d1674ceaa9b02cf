#include "ui/toolkit/TCompositePanel.h"

#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TPanel.h"

void TCompositePanel::ClearFrame() {
    panel_.SetCaption("");
    panel_.SetBevelInner(bvNone);
    panel_.SetBevelOuter(bvNone);
}

int TCompositePanel::AddLabel(const std::string& text, int left) {
    auto* label = new TLabel(&panel_);
    label->SetCaption(text);
    label->SetBounds(left, 0, label->Width(), label->Height());
    return label->Width();
}

QxTextField& TCompositePanel::AddField(int left) {
    auto* edit = new TEdit(&panel_);
    edit->SetBounds(left, 0, edit->Width(), edit->Height());
    if (!edits_.empty()) {
        QWidget::setTabOrder(edits_.back(), edit);
    }
    edits_.push_back(edit);
    return *edit;
}
