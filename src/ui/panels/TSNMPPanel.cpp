#include "ui/panels/TSNMPPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TSplitter.h"

#include <exception>

namespace {

// Room between the content and the panel's right edge besides splitter and button column.
constexpr int ExtraWidth = 3;

} // namespace

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* sharedMsgPanel, QxSNMPRequest2Edits* binding)
    : TPanel(owner), binding_(binding) {
    buttonPanel_ = new TCtrlBtnPanel(this);
    buttonPanel_->refreshButton->OnClick = [this] { RefreshAction(); };
    buttonPanel_->closeButton->OnClick = [this] { CloseAction(); };

    // Created after the button column, so that it lies between the column and the content.
    splitter_ = new TSplitter(this);
    splitter_->SetName("Splitter1");
    splitter_->SetAlign(alRight);
    clientPanel_ = new TPanel(this);
    clientPanel_->SetName("ClientPanel");
    clientPanel_->SetAlign(alClient);

    if (sharedMsgPanel != nullptr) {
        if (binding_ != nullptr) {
            binding_->SetReportTarget(sharedMsgPanel->memo);
        }
    } else {
        msgPanel_ = new TMsgPanel(clientPanel_);
        msgPanel_->SetAlign(alBottom);
        if (binding_ != nullptr) {
            binding_->SetReportTarget(msgPanel_->memo);
        }
    }
    // The content decides the size.
    SetWidth(0);
    SetHeight(0);
}

void TSNMPPanel::SetContent(TControl* control) {
    if (content_ != nullptr) {
        content_->Hide();
        content_->SetAlign(alNone);
    }
    content_ = control;
    control->Show();
    control->SetAlign(alNone);
    control->SetParent(clientPanel_);
    SetAlign(alNone);

    const int width = control->Width() + buttonPanel_->Width() + splitter_->Width() + ExtraWidth;
    if (width != Width()) {
        SetWidth(width);
    }
    const int height = control->Height() + (msgPanel_ != nullptr ? msgPanel_->Height() : 0);
    if (height != Height()) {
        SetHeight(height);
    }
    if (Height() < buttonPanel_->Height()) {
        SetHeight(buttonPanel_->Height());
    }
    control->SetAlign(alClient);
}

void TSNMPPanel::FitForm(TForm* form) {
    SetAlign(alNone);
    form_ = form;
    if (form == nullptr) {
        return;
    }
    form->SetPosition(poMainFormCenter);
    if (form->ClientWidth() < Width()) {
        form->SetClientWidth(Width());
    }
    if (form->ClientHeight() < Height()) {
        form->SetClientHeight(Height());
    }
    // A larger page keeps the form on the screen; its rows scroll instead.
    if (form->ClientHeight() > MaxClientHeight) {
        form->SetClientHeight(MaxClientHeight);
    }
    if (form->ClientWidth() > MaxClientWidth) {
        form->SetClientWidth(MaxClientWidth);
    }
    SetAlign(alClient);
}

void TSNMPPanel::RefreshAction() {
    if (binding_ == nullptr) {
        return;
    }
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        binding_->Report(e.what());
    }
}

void TSNMPPanel::CloseAction() {
    if (form_ == nullptr) {
        ShowMessage("Please initial close form", this);
        return;
    }
    form_->Close();
}
