#include "ui/panels/TListViewPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Pixels given to each character of the column captions.
constexpr int PixelsPerCaptionChar = 8;

} // namespace

TListViewPanel::TListViewPanel(QWidget* owner, QxSNMPRequest2Edits* binding) : TPanel(owner) {
    listView_ = new TListView(this);
    listView_->SetName("ListView1");
    if (binding != nullptr) {
        // The page enables its edits itself: they show in the add and edit dialogs only.
        binding->AttachListView(listView_, false);
    }

    SetAlign(alNone);
    int captionChars = 0;
    for (int i = 0; i < listView_->ColumnCount(); ++i) {
        captionChars += static_cast<int>(listView_->Column(i)->Caption().size());
    }
    SetWidth(
        std::min(PixelsPerCaptionChar * captionChars + 2 * listView_->BorderWidth(), MaxWidth));
    SetHeight(ListHeight);
    listView_->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttonPanel) {
    for (TControl* shown : std::initializer_list<TControl*>{
             buttonPanel->countText, buttonPanel->captionLabel, buttonPanel->refreshButton,
             buttonPanel->editButton, buttonPanel->deleteButton, buttonPanel->closeButton}) {
        shown->Show();
    }
    buttonPanel->captionLabel->SetCaption("Samples");
    buttonPanel->editButton->SetEnabled(false);
    buttonPanel->deleteButton->SetEnabled(false);
    buttonPanel->addButton->SetVisible(addStatusColumn_ != -1);
    buttonPanel->deleteButton->SetVisible(deleteStatusColumn_ != -1);
    for (TControl* hidden : std::initializer_list<TControl*>{buttonPanel->setCheckedButton,
                                                             buttonPanel->checkAllButton,
                                                             buttonPanel->clearChecksButton}) {
        hidden->Hide();
    }
    buttonPanel->ArrangeButtons();
}

void TListViewPanel::SetDeleteStatus(int column, const std::string& text) {
    deleteStatusColumn_ = column;
    deleteStatusValue_ = text;
}

void TListViewPanel::SetAddStatus(int column, const std::string& text) {
    addStatusColumn_ = column;
    addStatusValue_ = text;
}
