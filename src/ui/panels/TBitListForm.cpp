#include "ui/panels/TBitListForm.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TLabel.h"

#include <algorithm>

namespace {

constexpr int Margin = 10;
constexpr int BoxWidth = 20;
constexpr int ButtonGap = 10;

} // namespace

TBitListForm::TBitListForm(QWidget* owner, const std::string& caption, int columnsPerLine,
                           int count, bool editable)
    : TForm(owner) {
    SetName("BitListForm");
    SetCaption(caption);
    SetPosition(poOwnerFormCenter);
    SetBorderIcons(biSystemMenu);
    const int perLine = std::max(1, columnsPerLine);

    int gridRight = 0;
    int gridBottom = 0;
    for (int n = 0; n < count; ++n) {
        auto* label = new TLabel(this);
        label->SetName("BitLabel" + std::to_string(n + 1));
        label->SetCaption(std::to_string(n + 1));
        auto* box = new TCheckBox(this);
        box->SetName("BitBox" + std::to_string(n + 1));
        box->SetWidth(BoxWidth);
        box->SetTabStop(false);
        box->SetEnabled(editable);

        const int line = n / perLine;
        const int column = n % perLine;
        const int left = column * box->Width() + Margin;
        label->SetLeft(left);
        label->SetTop(line * (box->Height() + label->Height()) + Margin);
        box->SetLeft(left);
        box->SetTop(label->Height() + line * (label->Height() + box->Height()) + Margin);
        // The width reaches the last box of a full line, or the last box of a shorter list.
        if (column == perLine - 1 || n == count - 1) {
            gridRight = std::max(gridRight, box->Left() + box->Width());
        }
        gridBottom = box->Top() + box->Height();
        labels.push_back(label);
        boxes.push_back(box);
    }

    const struct {
        TButton** button;
        const char* name;
        const char* caption;
    } buttons[] = {
        {&okButton, "OKButton", "OK"},
        {&cancelButton, "CancelButton", "Cancel"},
        {&checkAllButton, "CheckAllButton", "Check All"},
        {&clearChecksButton, "ClearChecksButton", "Clear Checks"},
    };
    const int buttonTop = (boxes.empty() ? 0 : gridBottom) + Margin;
    int left = Margin;
    int buttonsRight = 0;
    for (const auto& b : buttons) {
        auto* button = new TButton(this);
        button->SetName(b.name);
        button->SetCaption(b.caption);
        // As wide as the caption needs in the dialog's font and style.
        button->SetWidth(std::max(button->Width(), button->sizeHint().width()));
        button->SetLeft(left);
        button->SetTop(buttonTop);
        left += button->Width() + ButtonGap;
        *b.button = button;
    }
    okButton->SetModalResult(mrOk);
    cancelButton->SetModalResult(mrCancel);
    checkAllButton->OnClick = [this] { SetAllChecked(true); };
    clearChecksButton->OnClick = [this] { SetAllChecked(false); };
    if (!editable) {
        cancelButton->Hide();
        checkAllButton->Hide();
        clearChecksButton->Hide();
    }
    for (TButton* button : {okButton, cancelButton, checkAllButton, clearChecksButton}) {
        if (button->Visible()) {
            buttonsRight = std::max(buttonsRight, button->Left() + button->Width());
        }
    }

    // The dialog is as wide as its grid, and wide enough for its buttons: a grid narrower
    // than the button row would cut Check All and Clear Checks off.
    SetClientWidth(std::max(gridRight, buttonsRight) + Margin);
    SetClientHeight(okButton->Top() + okButton->Height() + Margin);
}

std::string TBitListForm::Positions() const {
    std::string positions;
    for (size_t n = 0; n < boxes.size(); ++n) {
        positions += (n > 0 ? "," : "") + std::to_string(n);
    }
    return positions;
}

void TBitListForm::SetAllChecked(bool checked) {
    for (TCheckBox* box : boxes) {
        box->SetChecked(checked);
    }
}
