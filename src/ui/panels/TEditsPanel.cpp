#include "ui/panels/TEditsPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/UISnmpVar.h"
#include "ui/panels/TBitListForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TScrollBox.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr int RowMargin = 20; // left and top margin of the rows
constexpr int RowGap = 5;
constexpr int CheckBoxWidth = 20;
constexpr int MinRowHeight = 20;
constexpr int RaisedRowHeight = 21;
constexpr int PanelMargin = 40; // room right of and below the rows
const char* const DefaultFormat = "%s";

// Restores a row's edit to the binding when the bit dialog ends, however it ends.
class RebindOnExit {
public:
    RebindOnExit(QxSNMPRequest2Edits& binding, int index, TEdit* edit, std::string format)
        : binding_(binding), index_(index), edit_(edit), format_(std::move(format)) {}
    RebindOnExit(const RebindOnExit&) = delete;
    RebindOnExit& operator=(const RebindOnExit&) = delete;
    ~RebindOnExit() {
        if (done_) {
            return;
        }
        try {
            binding_.UnbindControls(index_);
            binding_.BindEdit(index_, format_, {edit_});
        } catch (const std::exception&) {
            // The format was accepted when the edit was first bound; an error leaving by
            // another road is the one that gets reported.
        }
    }
    // The normal road: unbind and bind again, letting errors through.
    void Run() {
        done_ = true;
        binding_.UnbindControls(index_);
        binding_.BindEdit(index_, format_, {edit_});
    }

private:
    QxSNMPRequest2Edits& binding_;
    int index_;
    TEdit* edit_;
    std::string format_;
    bool done_ = false;
};

} // namespace

TControl* EditRow::ValueControl() const {
    if (edit != nullptr) {
        return edit;
    }
    return comboBox;
}

TEditsPanel::TEditsPanel(QWidget* owner, QxSNMPRequest2Edits* editCtrl)
    : TPanel(owner), EditCtrl(editCtrl) {
    scrollBox_ = new TScrollBox(this);
    scrollBox_->SetName("RowsScrollBox");
    scrollBox_->SetAlign(alClient);
    BuildRows(editCtrl);
    SetReadOnlyColors(clBlack, clBtnFace);
}

// The row controls are children of the scroll box and go with the panel.
TEditsPanel::~TEditsPanel() = default;

void TEditsPanel::FreeRows() {
    for (int i = 0; i < RowCount(); ++i) {
        EditRow& row = rows_[static_cast<size_t>(i)];
        if (EditCtrl != nullptr && i < EditCtrl->request.vars.Count()) {
            EditCtrl->UnbindControls(i);
        }
        delete row.checkBox;
        delete row.label;
        delete row.edit;
        delete row.comboBox;
    }
    rows_.clear();
}

void TEditsPanel::BuildRows(QxSNMPRequest2Edits* editCtrl) {
    FreeRows();
    EditCtrl = editCtrl;
    if (EditCtrl == nullptr) {
        return;
    }
    const QxSNMPVarList& vars = EditCtrl->request.vars;
    rows_.resize(static_cast<size_t>(vars.Count()));
    for (int i = 0; i < vars.Count(); ++i) {
        EditRow& row = rows_[static_cast<size_t>(i)];
        const QxSNMPVar& v = vars.Entry(i);
        const bool editable = vars.IsSettable(i);
        const bool choice = v.options != nullptr;
        row.kind = editable ? (choice ? EditableChoice : EditableText)
                            : (choice ? ReadOnlyChoice : ReadOnlyText);
        row.format = DefaultFormat;

        row.checkBox = new TCheckBox(scrollBox_);
        row.checkBox->SetName("RowCheckBox" + std::to_string(i));
        row.checkBox->SetWidth(CheckBoxWidth);
        row.checkBox->SetTag(i);
        row.checkBox->SetTabStop(false);
        row.checkBox->OnClick = [this] { CheckBoxClicked(); };
        row.checkBoxShown = true;
        row.label = new TLabel(scrollBox_);
        row.label->SetName("RowLabel" + std::to_string(i));
        row.label->SetCaption(v.label);
        row.label->SetTag(i);

        if (row.kind == EditableChoice) {
            row.comboBox = new TComboBox(scrollBox_);
            row.comboBox->SetName("RowComboBox" + std::to_string(i));
            row.comboBox->SetTag(i);
            EditCtrl->BindComboBox(i, row.comboBox);
        } else {
            row.edit = new TEdit(scrollBox_);
            row.edit->SetName("RowEdit" + std::to_string(i));
            row.edit->SetTag(i);
            EditCtrl->BindEdit(i, row.format, {row.edit});
            QObject::connect(row.edit, &QLineEdit::textChanged, this,
                             [this, edit = row.edit] { ValueShown(edit); });
        }
        // A variable that is already marked hidden keeps its row out of sight.
        if (IsHidden(i)) {
            row.checkBox->Hide();
            row.label->Hide();
            row.ValueControl()->Hide();
        }
    }
    SetCheckDefault(false);
    ArrangeRows(Vertical, true);
}

void TEditsPanel::CheckRowIndex(int aIdx) const {
    if (aIdx < 0 || aIdx >= RowCount()) {
        throw std::out_of_range("TEditsPanel: row " + std::to_string(aIdx) + " does not exist!");
    }
}

EditRow& TEditsPanel::At(int aIdx) {
    CheckRowIndex(aIdx);
    return rows_[static_cast<size_t>(aIdx)];
}

const EditRow& TEditsPanel::Row(int aIdx) const {
    CheckRowIndex(aIdx);
    return rows_[static_cast<size_t>(aIdx)];
}

bool TEditsPanel::IsEditable(int aIdx) const {
    const EditRowKind kind = rows_[static_cast<size_t>(aIdx)].kind;
    return kind == EditableText || kind == EditableChoice;
}

bool TEditsPanel::IsIndexRow(int aIdx) const {
    return EditCtrl != nullptr && aIdx < EditCtrl->request.vars.indexCount;
}

bool TEditsPanel::IsHidden(int aIdx) const {
    return EditCtrl != nullptr && aIdx < EditCtrl->request.vars.Count() &&
           (EditCtrl->request.vars.Entry(aIdx).access & acHidden) != 0;
}

void TEditsPanel::SetCheckBoxShown(int aIdx, bool shown) {
    EditRow& row = rows_[static_cast<size_t>(aIdx)];
    row.checkBoxShown = shown;
    row.checkBox->SetVisible(shown && !IsHidden(aIdx));
}

void TEditsPanel::SetReadOnlyColors(TColor fontColor, TColor backColor) {
    readOnlyFontColor_ = fontColor;
    readOnlyBackColor_ = backColor;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsEditable(i)) {
            MakeRowReadOnly(i);
        }
    }
}

void TEditsPanel::SetCheckDefault(bool state) {
    checkDefault_ = state;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsEditable(i) || IsIndexRow(i)) {
            MakeRowReadOnly(i);
        } else {
            MakeRowEditable(i);
        }
    }
}

bool TEditsPanel::CheckLookIndex(int aIdx) const {
    if (aIdx >= 0 && aIdx < RowCount()) {
        return true;
    }
    ShowMessage("aIdx is overtop!\n you may define < " + std::to_string(RowCount()));
    return false;
}

void TEditsPanel::MakeRowReadOnly(int aIdx) {
    if (!CheckLookIndex(aIdx)) {
        return;
    }
    EditRow& row = rows_[static_cast<size_t>(aIdx)];
    row.checkBox->SetEnabled(false);
    SetCheckBoxShown(aIdx, false);
    row.checkBox->SetChecked(false);
    if (row.edit != nullptr) {
        row.edit->SetReadOnly(true);
        row.edit->SetTabStop(false);
        row.edit->SetFontColor(readOnlyFontColor_);
        row.edit->SetColor(readOnlyBackColor_);
    } else if (row.comboBox != nullptr) {
        row.comboBox->SetEnabled(false);
        row.comboBox->SetFontColor(readOnlyFontColor_);
        row.comboBox->SetColor(readOnlyBackColor_);
    }
}

void TEditsPanel::MakeRowEditable(int aIdx) {
    if (!CheckLookIndex(aIdx)) {
        return;
    }
    EditRow& row = rows_[static_cast<size_t>(aIdx)];
    row.checkBox->SetEnabled(true);
    SetCheckBoxShown(aIdx, true);
    row.checkBox->SetChecked(checkDefault_);
    if (row.edit != nullptr) {
        // A bit-list editor takes its input from the bit dialog only.
        row.edit->SetReadOnly(row.octetItem.has_value());
        row.edit->SetFontColor(clBlack);
        row.edit->SetColor(clWhite);
        row.edit->SetTabStop(true);
    } else if (row.comboBox != nullptr) {
        row.comboBox->SetEnabled(true);
        row.comboBox->SetFontColor(clBlack);
        row.comboBox->SetColor(clWhite);
    }
}

void TEditsPanel::SetEditWidth(int width, Arrangement arrangement) {
    editWidth_ = width;
    ArrangeRows(arrangement, true);
}

// The width a row's value control needs for its text, frame and margins included.
int TEditsPanel::NeededWidth(int aIdx) const {
    const EditRow& row = rows_[static_cast<size_t>(aIdx)];
    if (row.comboBox != nullptr) {
        const QFontMetrics metrics = row.comboBox->fontMetrics();
        int widest = 0;
        for (int i = 0; i < row.comboBox->count(); ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(row.comboBox->itemText(i)));
        }
        if (widest == 0) {
            return 0;
        }
        QStyleOptionComboBox opt;
        opt.initFrom(row.comboBox);
        opt.editable = row.comboBox->isEditable();
        opt.frame = row.comboBox->hasFrame();
        return row.comboBox->style()
            ->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(widest, metrics.height()),
                               row.comboBox)
            .width();
    }
    if (row.edit == nullptr) {
        return 0;
    }
    const QFontMetrics metrics = row.edit->fontMetrics();
    int text = metrics.horizontalAdvance(row.edit->text());
    if (EditCtrl != nullptr && aIdx < EditCtrl->request.vars.Count()) {
        const int syntax = EditCtrl->request.vars.Entry(aIdx).syntax;
        if (syntax == sxIpaddress) {
            text = std::max(text, metrics.horizontalAdvance(QStringLiteral("255.255.255.255")));
        } else if (syntax == sxMacaddress) {
            text = std::max(text, metrics.horizontalAdvance(QStringLiteral("00-00-00-00-00-00")));
        }
    }
    if (text == 0) {
        return 0;
    }
    QStyleOptionFrame opt;
    opt.initFrom(row.edit);
    opt.lineWidth =
        row.edit->hasFrame()
            ? row.edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, row.edit)
            : 0;
    // A line edit keeps two pixels free each side of its text, and one for the cursor.
    const QMargins margins = row.edit->textMargins();
    const QSize contents(text + margins.left() + margins.right() + 2 * 2 + 1, metrics.height());
    return row.edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, row.edit)
        .width();
}

int TEditsPanel::FittingWidth() const {
    int width = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsHidden(i)) {
            width = std::max(width, NeededWidth(i));
        }
    }
    return std::min(width, MaxValueWidth);
}

void TEditsPanel::ValueShown(const TEdit* edit) {
    if (widenPending_ || !OnValuesWiden || !edit->isReadOnly() || edit->width() >= MaxValueWidth) {
        return;
    }
    for (int i = 0; i < RowCount(); ++i) {
        if (rows_[static_cast<size_t>(i)].edit == edit) {
            if (std::min(NeededWidth(i), MaxValueWidth) <= edit->width()) {
                return;
            }
            break;
        }
    }
    // Values arrive one row after the other: the rows are arranged once they all are shown.
    widenPending_ = true;
    QTimer::singleShot(0, this, [this] {
        widenPending_ = false;
        if (OnValuesWiden) {
            OnValuesWiden();
        }
    });
}

void TEditsPanel::ArrangeRows(Arrangement, bool resize) {
    int widestLabel = 0;
    const int valueWidth = std::max(editWidth_, FittingWidth());
    for (EditRow& row : rows_) {
        row.ValueControl()->SetWidth(valueWidth);
        widestLabel = std::max(widestLabel, row.label->Width());
    }
    const int labelLeft = RowMargin + CheckBoxWidth + RowGap;
    const int valueLeft = labelLeft + widestLabel + RowGap;
    int top = RowMargin;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHidden(i)) {
            continue;
        }
        EditRow& row = rows_[static_cast<size_t>(i)];
        TControl* value = row.ValueControl();
        // Every row but the first advances by its own height, so a hidden first row leaves
        // the rows below it where they were.
        if (i != 0) {
            if (value->Height() < MinRowHeight) {
                value->SetHeight(RaisedRowHeight);
            }
            top += value->Height() + RowGap;
        }
        value->SetBounds(valueLeft, top, value->Width(), value->Height());
        row.checkBox->SetBounds(RowMargin, top + (value->Height() - row.checkBox->Height()) / 2,
                                row.checkBox->Width(), row.checkBox->Height());
        row.label->SetBounds(labelLeft, top + (value->Height() - row.label->Height()) / 2,
                             row.label->Width(), row.label->Height());
        right = std::max(right, value->Left() + value->Width());
        bottom = std::max(bottom, value->Top() + value->Height());
    }
    if (resize) {
        SetAlign(alNone);
        SetBounds(Left(), Top(), right + PanelMargin, bottom + PanelMargin);
    }
}

void TEditsPanel::HideRow(int aIdx) {
    EditRow& row = At(aIdx);
    if (!IsHidden(aIdx)) {
        row.checkBoxShown = row.checkBox->Visible();
    }
    if (EditCtrl != nullptr) {
        EditCtrl->request.vars.Entry(aIdx).access |= acHidden;
    }
    row.ValueControl()->Hide();
    row.checkBox->Hide();
    row.label->Hide();
}

void TEditsPanel::ShowRow(int aIdx) {
    EditRow& row = At(aIdx);
    if (EditCtrl != nullptr) {
        EditCtrl->request.vars.Entry(aIdx).access &= ~static_cast<std::uint32_t>(acHidden);
    }
    row.ValueControl()->Show();
    row.label->Show();
    // The check box comes back only where the row's look shows one.
    row.checkBox->SetVisible(row.checkBoxShown);
}

void TEditsPanel::CheckRow(int aIdx) {
    At(aIdx).checkBox->SetChecked(true);
}

void TEditsPanel::UncheckRow(int aIdx) {
    At(aIdx).checkBox->SetChecked(false);
}

void TEditsPanel::ClearRow(int aIdx) {
    EditRow& row = At(aIdx);
    if (row.edit != nullptr) {
        row.edit->SetText("");
    } else if (row.comboBox != nullptr) {
        row.comboBox->SetItemIndex(-1);
    }
    if (EditCtrl != nullptr && aIdx < EditCtrl->request.vars.Count()) {
        EditCtrl->request.vars.Entry(aIdx).value.clear();
    }
}

void TEditsPanel::ClearRows() {
    if (EditCtrl == nullptr) {
        return;
    }
    const int count = std::min(RowCount(), EditCtrl->request.vars.Count());
    for (int i = 0; i < count; ++i) {
        ClearRow(i);
    }
}

void TEditsPanel::SetRowText(int aIdx, const std::string& text) {
    EditRow& row = At(aIdx);
    if (row.edit != nullptr) {
        row.edit->SetText(text);
    } else if (row.comboBox != nullptr) {
        row.comboBox->SetItemIndex(row.comboBox->IndexOfItem(text));
    }
    if (EditCtrl != nullptr && aIdx < EditCtrl->request.vars.Count()) {
        EditCtrl->request.vars.Entry(aIdx).value = text;
    }
}

std::string TEditsPanel::RowText(int aIdx) const {
    const EditRow& row = Row(aIdx);
    if (row.edit != nullptr) {
        return row.edit->Text();
    }
    if (row.comboBox != nullptr) {
        return row.comboBox->Text();
    }
    return {};
}

bool TEditsPanel::IsRowEmpty(int aIdx) const {
    const EditRow& row = Row(aIdx);
    if (row.edit != nullptr) {
        return row.edit->Text().empty();
    }
    if (row.comboBox != nullptr) {
        return row.comboBox->Text().empty();
    }
    return true;
}

void TEditsPanel::SetRowFormat(int aIdx, const std::string& format) {
    At(aIdx).format = format;
}

void TEditsPanel::AssignOctetItem(int aIdx, int columnsPerLine, int count) {
    EditRow& row = At(aIdx);
    if (row.kind != ReadOnlyText && row.kind != EditableText) {
        throw std::logic_error("You can only assign Octet Item to a Edit!");
    }
    row.octetItem = OctetItem{columnsPerLine, count};
    row.edit->SetReadOnly(true);
    row.edit->OnClick = [this, aIdx] { EditOctetItem(aIdx); };
    row.edit->OnKeyPress = [this, aIdx](char32_t& key) {
        key = 0;
        EditOctetItem(aIdx);
    };
}

void TEditsPanel::EditOctetItem(int aIdx) {
    EditRow& row = At(aIdx);
    if (EditCtrl == nullptr || !row.octetItem.has_value()) {
        return;
    }
    QxSNMPRequest2Edits& binding = *EditCtrl;
    auto dialog = std::make_unique<TBitListForm>(this, binding.request.vars.Entry(aIdx).label,
                                                 row.octetItem->columnsPerLine,
                                                 row.octetItem->count, row.kind == EditableText);
    try {
        binding.ReadControls(-1);
    } catch (const std::exception&) {
        // What the other rows hold does not matter for the bits; the write reports errors.
    }

    // From here on the row's edit goes back to the binding however the dialog ends, so that a
    // failed read never leaves the edit unbound and the freed boxes bound.
    RebindOnExit rebind(binding, aIdx, row.edit, row.format);
    binding.BindCheckBoxes(aIdx, dialog->Positions(), dialog->boxes);
    try {
        binding.ShowValues(aIdx);
    } catch (const std::exception&) {
        ClearRow(aIdx);
        dialog->SetAllChecked(false);
    }

    if (dialog->ShowModal() == mrOk) {
        // Only this row's boxes: an invalid entry in a row read before it would otherwise
        // stop the read before the bits are taken. The other rows are read below.
        binding.ReadControls(aIdx);
    }
    rebind.Run();
    binding.ShowValues(aIdx);
    try {
        binding.ReadControls(-1);
    } catch (const std::exception&) {
        // Errors of the other rows are the user's to correct; the write reports them.
    }
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttonPanel) {
    if (EditCtrl == nullptr) {
        throw std::logic_error("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    SetButtonColumn(buttonPanel);
    for (TControl* shown : std::initializer_list<TControl*>{
             buttonPanel->refreshButton, buttonPanel->setCheckedButton, buttonPanel->checkAllButton,
             buttonPanel->clearChecksButton, buttonPanel->closeButton}) {
        shown->Show();
    }
    for (TControl* hidden : std::initializer_list<TControl*>{
             buttonPanel->captionLabel, buttonPanel->countText, buttonPanel->editButton,
             buttonPanel->addButton, buttonPanel->deleteButton}) {
        hidden->Hide();
    }
    if (AllRowsReadOnly()) {
        buttonPanel->setCheckedButton->Hide();
        buttonPanel->checkAllButton->Hide();
        buttonPanel->clearChecksButton->Hide();
    } else if (CountEnabledChecks() <= 1) {
        buttonPanel->checkAllButton->Hide();
        buttonPanel->clearChecksButton->Hide();
        buttonPanel->setCheckedButton->SetCaption("Set");
        buttonPanel->setCheckedButton->SetEnabled(true);
        for (EditRow& row : rows_) {
            if (row.checkBox->Visible() && row.checkBox->Enabled()) {
                row.checkBox->SetChecked(true);
            }
        }
        // A single writable row is always written: its check box says nothing.
        if (CountCheckedRows() <= 1) {
            for (int i = 0; i < RowCount(); ++i) {
                SetCheckBoxShown(i, false);
            }
        }
    } else {
        // Set Checked writes the checked rows: it is enabled while there is one.
        buttonPanel->setCheckedButton->SetEnabled(CountCheckedRows() >= 1);
    }
    buttonPanel->ArrangeButtons();
}

bool TEditsPanel::AllRowsReadOnly() const {
    for (int i = 0; i < RowCount(); ++i) {
        if (IsEditable(i) && !IsIndexRow(i)) {
            return false;
        }
    }
    return true;
}

int TEditsPanel::CountEnabledChecks() const {
    int n = 0;
    for (const EditRow& row : rows_) {
        n += row.checkBox->Visible() && row.checkBox->Enabled() ? 1 : 0;
    }
    return n;
}

int TEditsPanel::CountCheckedRows() const {
    int n = 0;
    for (const EditRow& row : rows_) {
        n += row.checkBox->Visible() && row.checkBox->Checked() ? 1 : 0;
    }
    return n;
}

void TEditsPanel::CheckBoxClicked() {
    if (buttonColumn_ != nullptr) {
        buttonColumn_->setCheckedButton->SetEnabled(CountCheckedRows() >= 1);
    }
}
