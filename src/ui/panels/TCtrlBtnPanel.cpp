#include "ui/panels/TCtrlBtnPanel.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TText.h"

#include <QDir>

#include <string>

namespace {

constexpr int ControlWidth = 96;
constexpr int Gap = 5;

TBitBtn* NewButton(TCtrlBtnPanel* panel, const char* name, const char* caption) {
    auto* button = new TBitBtn(panel);
    button->SetName(name);
    button->SetCaption(caption);
    return button;
}

// A button whose bitmap lies in the current folder shows the picture and no caption; a missing
// or unreadable file leaves the caption.
void LoadOptionalGlyph(TBitBtn* button, const std::string& folder, const char* fileName) {
    if (button->LoadGlyph(folder + "/" + fileName)) {
        button->SetCaption("");
    }
}

} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : TPanel(owner) {
    countText = new TStaticText(this);
    countText->SetName("CountText");
    countText->SetAutoSize(false);
    countText->SetAlignment(taCenter);
    countText->SetBorderStyle(sbsSunken);
    countText->SetCaption("0");
    captionLabel = new TLabel(this);
    captionLabel->SetName("CaptionLabel");
    captionLabel->SetAlignment(taCenter);
    captionLabel->SetCaption("Samples");
    refreshButton = NewButton(this, "RefreshButton", "Refresh");
    editButton = NewButton(this, "EditButton", "Edit");
    setCheckedButton = NewButton(this, "SetCheckedButton", "Set Checked");
    addButton = NewButton(this, "AddButton", "Add");
    deleteButton = NewButton(this, "DeleteButton", "Delete");
    checkAllButton = NewButton(this, "CheckAllButton", "Check All");
    clearChecksButton = NewButton(this, "ClearChecksButton", "Clear Checks");
    closeButton = NewButton(this, "CloseButton", "Close");
    // Escape closes the page as Close does.
    closeButton->SetCancel(true);
    layout_ = {countText, captionLabel, refreshButton,  editButton,        setCheckedButton,
               addButton, deleteButton, checkAllButton, clearChecksButton, closeButton};

    const std::string folder = ToStdString(QDir::currentPath());
    const struct {
        TBitBtn* button;
        const char* file;
    } glyphs[] = {
        {refreshButton, "Get.bmp"},
        {editButton, "Set.bmp"},
        {setCheckedButton, "SetCheck.bmp"},
        {addButton, "Add.bmp"},
        {deleteButton, "Delete.bmp"},
        {checkAllButton, "SelectAll.bmp"},
        {clearChecksButton, "SelectNone.bmp"},
        {closeButton, "Close.bmp"},
    };
    for (const auto& glyph : glyphs) {
        LoadOptionalGlyph(glyph.button, folder, glyph.file);
    }

    addButton->Hide();
    deleteButton->Hide();
    captionLabel->SetWidth(refreshButton->Width());
    countText->SetWidth(refreshButton->Width());
    ArrangeButtons();
    SetWidth(2 * leftMargin + refreshButton->Width());
    SetAlign(alRight);
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = topMargin;
    for (TControl* control : layout_) {
        control->SetBounds(leftMargin, top, ControlWidth, control->Height());
        if (control->Visible()) {
            top += control->Height() + Gap;
        }
    }
}
