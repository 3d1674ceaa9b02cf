#include "ui/toolkit/TListView.h"

#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TText.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

// The column header of a list, with the filter field and its count above the column captions:
// inside the header, the list's rows, scrolling and geometry stay as they are.
class TListHeader : public QHeaderView {
public:
    explicit TListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        bar_ = new QWidget(this);
        auto* layout = new QHBoxLayout(bar_);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->setSpacing(6);
        edit_ = new QLineEdit(bar_);
        edit_->setObjectName(QStringLiteral("FilterEdit"));
        edit_->setPlaceholderText(QStringLiteral("Filter"));
        edit_->setClearButtonEnabled(true);
        count_ = new QLabel(bar_);
        count_->setObjectName(QStringLiteral("FilterCount"));
        layout->addWidget(edit_, 1);
        layout->addWidget(count_);
        PlaceBar();
    }

    QLineEdit* Edit() const { return edit_; }
    QLabel* Count() const { return count_; }

    void SetBarShown(bool shown) {
        bar_->setVisible(shown);
        PlaceBar();
        updateGeometry();
    }

    QSize sizeHint() const override {
        QSize hint = QHeaderView::sizeHint();
        hint.rheight() += BarHeight();
        return hint;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QHeaderView::resizeEvent(event);
        PlaceBar();
    }

private:
    int BarHeight() const { return bar_->isHidden() ? 0 : bar_->sizeHint().height(); }

    void PlaceBar() {
        setViewportMargins(0, BarHeight(), 0, 0);
        bar_->setGeometry(0, 0, width(), BarHeight());
    }

    QWidget* bar_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QLabel* count_ = nullptr;
};

namespace {

// Draws each cell as usual, and its border when the list shows grid lines.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(TListView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (view_->GridLines()) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }

private:
    TListView* view_;
};

} // namespace

TListItem::TListItem(TListView* view) : QTreeWidgetItem(view, QTreeWidgetItem::UserType) {}

TListItem::TListItem() : QTreeWidgetItem(QTreeWidgetItem::UserType) {}

void TListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    ShowText(0, caption);
}

void TListItem::ShowText(int column, const std::string& text) {
    TListView* view = ListView();
    setText(column, ToQString(view != nullptr ? view->ShowForm(column, text) : text));
    keyColumn_ = -1;
    if (view != nullptr) {
        view->CellChanged(this, column);
    }
}

std::string TListItem::Text(int column) const {
    return ToStdString(text(column));
}

const QxCellSortKey& TListItem::SortKey(int column) const {
    if (keyColumn_ != column) {
        key_ = QxCellSortKey(text(column).toStdString());
        keyColumn_ = column;
    }
    return key_;
}

bool TListItem::operator<(const QTreeWidgetItem& other) const {
    const TListView* view = ListView();
    const auto* row = dynamic_cast<const TListItem*>(&other);
    if (view == nullptr || row == nullptr) {
        return QTreeWidgetItem::operator<(other);
    }
    return view->ItemBefore(*this, *row);
}

std::string TListItem::SubItem(int i) const {
    return i >= 0 && i < SubItemCount() ? subItems_[static_cast<size_t>(i)] : std::string();
}

void TListItem::AddSubItem(const std::string& text) {
    SetSubItem(SubItemCount(), text);
}

void TListItem::SetSubItem(int i, const std::string& text) {
    if (i < 0) {
        return;
    }
    while (SubItemCount() <= i) {
        subItems_.emplace_back();
    }
    subItems_[static_cast<size_t>(i)] = text;
    ShowText(i + 1, text);
}

void TListItem::ClearSubItems() {
    const int count = SubItemCount();
    subItems_.clear();
    for (int i = 0; i < count; ++i) {
        ShowText(i + 1, std::string());
    }
}

void TListItem::SetSelected(bool selected) {
    TListView* view = ListView();
    if (view == nullptr) {
        return;
    }
    const QModelIndex index = view->indexFromItem(this);
    QItemSelectionModel::SelectionFlags how = QItemSelectionModel::Rows;
    if (selected) {
        how |=
            view->MultiSelect() ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect;
    } else {
        how |= QItemSelectionModel::Deselect;
    }
    view->selectionModel()->select(index, how);
}

void TListItem::MakeCurrent() {
    if (TListView* view = ListView()) {
        view->selectionModel()->setCurrentIndex(view->indexFromItem(this),
                                                QItemSelectionModel::NoUpdate);
    }
}

int TListItem::Index() const {
    TListView* view = ListView();
    return view != nullptr ? view->indexOfTopLevelItem(const_cast<TListItem*>(this)) : -1;
}

TListView* TListItem::ListView() const {
    return dynamic_cast<TListView*>(treeWidget());
}

std::string TListColumn::Caption() const {
    return ToStdString(view_->headerItem()->text(index_));
}

void TListColumn::SetCaption(const std::string& caption) {
    view_->headerItem()->setText(index_, ToQString(caption));
}

int TListColumn::Width() const {
    return view_->header()->sectionSize(index_);
}

void TListColumn::SetWidth(int width) {
    const QScopedValueRollback<bool> sizing(view_->sizing_, true);
    if (width == -1) {
        view_->resizeColumnToContents(index_);
    } else if (width == -2) {
        view_->header()->resizeSection(index_, view_->header()->sectionSizeHint(index_));
    } else {
        view_->header()->resizeSection(index_, std::max(0, width));
    }
}

std::function<std::string(QWidget*, const std::string&)> TListView::AskExportFile =
    [](QWidget* owner, const std::string& suggested) {
        return ToStdString(QFileDialog::getSaveFileName(owner, QStringLiteral("Export"),
                                                        ToQString(suggested),
                                                        QStringLiteral("CSV files (*.csv)")));
    };

TListView::TListView(QWidget* parent) : TControlT<QTreeWidget>(parent, clWindow, clWindowText) {
    header_ = new TListHeader(this);
    setHeader(header_);
    // Sorting is ours (TListItem::operator<); the view's own would turn the clicks off again.
    setSortingEnabled(false);
    header_->setSectionsClickable(true);
    header_->setSortIndicatorShown(false);
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new GridDelegate(this));
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    header()->setSectionsMovable(false);
    viewport()->setMouseTracking(true);
    resize(250, 150);
    SetReadOnly(false);
    SetHideSelection(true);

    // A text changed in place (a re-read filling the rows it had) is measured like a new row.
    const auto changed = [this](const QModelIndex& topLeft) {
        if (topLeft.isValid() && topLeft.row() < fittedRows_) {
            fittedRows_ = topLeft.row();
            ScheduleFit();
        }
        Fire(OnChange);
    };
    const auto removed = [this] {
        fittedRows_ = std::min(fittedRows_, ItemCount());
        RecountHidden();
        Fire(OnChange);
    };
    const auto inserted = [this] {
        ScheduleFit();
        Fire(OnChange);
    };
    Track(connect(model(), &QAbstractItemModel::rowsInserted, this, inserted));
    Track(connect(header_, &QHeaderView::sectionResized, this, [this](int column) {
        if (!sizing_ && column >= 0) {
            if (userSized_.size() <= static_cast<size_t>(column)) {
                userSized_.resize(static_cast<size_t>(column) + 1, false);
            }
            userSized_[static_cast<size_t>(column)] = true;
        }
    }));
    Track(connect(model(), &QAbstractItemModel::rowsRemoved, this, removed));
    Track(connect(model(), &QAbstractItemModel::modelReset, this, removed));
    Track(connect(model(), &QAbstractItemModel::dataChanged, this, changed));
    Track(connect(header_, &QHeaderView::sectionClicked, this,
                  [this](int column) { HeaderClicked(column); }));
    Track(connect(header_->Edit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_ = text;
        FilterChanged();
    }));
    ShowCount();
    Track(connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
                  [this](const QItemSelection& selected, const QItemSelection& deselected) {
                      ReportSelection(selected, deselected);
                  }));
}

TListView::~TListView() {
    DropConnections();
}

TListColumn* TListView::AddColumn(const std::string& caption, int width) {
    const int index = ColumnCount();
    setColumnCount(index + 1);
    columns_.push_back(std::make_unique<TListColumn>(this, index));
    TListColumn* column = columns_.back().get();
    column->SetCaption(caption);
    column->SetWidth(width);
    return column;
}

TListColumn* TListView::Column(int i) const {
    return i >= 0 && i < ColumnCount() ? columns_[static_cast<size_t>(i)].get() : nullptr;
}

void TListView::ClearColumns() {
    userSized_.clear();
    columns_.clear();
    formats_.clear();
    sortColumn_ = -1;
    header_->setSortIndicatorShown(false);
    setColumnCount(0);
}

void TListView::PrepareItem(TListItem* item) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!readOnly_) {
        flags |= Qt::ItemIsEditable;
    }
    if (checkBoxes_) {
        flags |= Qt::ItemIsUserCheckable;
    }
    item->setFlags(flags);
    if (checkBoxes_ && item->data(0, Qt::CheckStateRole).isNull()) {
        item->setCheckState(0, Qt::Unchecked);
    } else if (!checkBoxes_) {
        item->setData(0, Qt::CheckStateRole, QVariant());
    }
}

TListItem* TListView::AddItem() {
    auto* item = new TListItem(this);
    item->origin_ = nextOrigin_++;
    PrepareItem(item);
    ShowCount();
    return item;
}

void TListView::AddRows(const std::vector<std::vector<std::string>>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::vector<std::string>& row : rows) {
        auto* item = new TListItem();
        item->origin_ = nextOrigin_++;
        if (!row.empty()) {
            item->caption_ = row[0];
            item->setText(0, ToQString(ShowForm(0, row[0])));
        }
        for (size_t c = 1; c < row.size(); ++c) {
            item->subItems_.push_back(row[c]);
            item->setText(static_cast<int>(c), ToQString(ShowForm(static_cast<int>(c), row[c])));
        }
        PrepareItem(item);
        items.append(item);
    }
    // The new rows go to the end as one change; a sorted list then sorts once, which keeps a
    // long walk whose rows arrive in many small batches cheap.
    addTopLevelItems(items);
    if (!filter_.isEmpty()) {
        for (QTreeWidgetItem* item : items) {
            ApplyFilter(static_cast<TListItem*>(item)); // new rows are not selected
        }
    }
    if (sortColumn_ >= 0) {
        Resort();
    }
    ShowCount();
}

// Rows usually arrive in batches (a walk's timer, a form's loop adding rows): one fit after the
// batch, when its texts are in place, measures them together.
void TListView::ScheduleFit() {
    if (fitPending_) {
        return;
    }
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        fitPending_ = false;
        FitColumnsToRows();
    });
}

// The width a cell needs for a text. An address or a MAC address gets room for the longest of
// its kind, so that the column does not cut the next one that is longer.
int TListView::CellWidth(int column, const QString& text) const {
    static const QRegularExpression address(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    static const QRegularExpression mac(QStringLiteral("^[0-9A-Fa-f]{2}([-: ][0-9A-Fa-f]{2}){5}$"));
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.horizontalAdvance(text);
    if (address.match(text).hasMatch()) {
        width = std::max(width, metrics.horizontalAdvance(QStringLiteral("255.255.255.255")));
    } else if (mac.match(text).hasMatch()) {
        QString zeros = text;
        for (QChar& c : zeros) {
            if (c.isLetterOrNumber()) {
                c = QLatin1Char('0');
            }
        }
        width = std::max(width, metrics.horizontalAdvance(zeros));
    }
    // The item's text margins each side, and the grid line.
    width += 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    if (column == 0 && checkBoxes_) {
        width += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
                 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
    }
    return width;
}

void TListView::FitColumnsToRows() {
    const int count = ItemCount();
    if (fittedRows_ >= count || ColumnCount() == 0) {
        fittedRows_ = std::min(fittedRows_, count);
        return;
    }
    // The texts of a column in a long batch look alike (numbers, addresses, names): a sample
    // spread over the batch finds its widest ones without measuring every row.
    const int fresh = count - fittedRows_;
    const int step = std::max(1, fresh / FitSampleRows);
    const QScopedValueRollback<bool> sizing(sizing_, true);
    for (int c = 0; c < ColumnCount(); ++c) {
        const int now = header_->sectionSize(c);
        if (now == 0 || header_->isSectionHidden(c) ||
            (static_cast<size_t>(c) < userSized_.size() && userSized_[static_cast<size_t>(c)])) {
            continue;
        }
        // The longest texts by characters are measured; the widest of them counts.
        QString longest;
        QString sample;
        for (int r = fittedRows_; r < count; r += step) {
            const QString text = topLevelItem(r)->text(c);
            if (text.size() > longest.size()) {
                longest = text;
            }
            if (sample.isEmpty() && !text.isEmpty()) {
                sample = text;
            }
        }
        if (longest.isEmpty()) {
            continue;
        }
        const int wanted =
            std::min(MaxFitWidth, std::max(CellWidth(c, longest), CellWidth(c, sample)));
        if (wanted > now) {
            header_->resizeSection(c, wanted);
        }
    }
    fittedRows_ = count;
}

TListItem* TListView::Item(int i) const {
    return dynamic_cast<TListItem*>(topLevelItem(i));
}

void TListView::DeleteItem(int i) {
    if (i >= 0 && i < ItemCount()) {
        delete takeTopLevelItem(i);
    }
}

void TListView::ClearItems() {
    clear();
    nextOrigin_ = 0;
    hiddenCount_ = 0;
    ShowCount();
}

TListItem* TListView::ItemByOrigin(int origin) const {
    if (sortColumn_ < 0) {
        TListItem* item = Item(origin);
        if (item != nullptr && item->origin_ == origin) {
            return item;
        }
    }
    for (int i = 0; i < ItemCount(); ++i) {
        if (TListItem* item = Item(i); item->origin_ == origin) {
            return item;
        }
    }
    return nullptr;
}

TListItem* TListView::ItemAt(int x, int y) const {
    return dynamic_cast<TListItem*>(itemAt(QPoint(x, y)));
}

TListItem* TListView::Selected() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : dynamic_cast<TListItem*>(items.first());
}

void TListView::SetSelected(TListItem* item) {
    if (item == nullptr) {
        ClearSelection();
    } else {
        item->SetSelected(true);
    }
}

void TListView::ClearSelection() {
    clearSelection();
}

void TListView::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    setEditTriggers(readOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    for (int i = 0; i < ItemCount(); ++i) {
        PrepareItem(Item(i));
    }
}

void TListView::SetRowSelect(bool rows) {
    setSelectionBehavior(rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void TListView::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    QPalette p = palette();
    const QPalette::ColorRole shown = hide ? QPalette::Base : QPalette::Highlight;
    const QPalette::ColorRole text = hide ? QPalette::Text : QPalette::HighlightedText;
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, shown));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, text));
    setPalette(p);
}

void TListView::SetGridLines(bool on) {
    gridLines_ = on;
    viewport()->update();
}

void TListView::SetMultiSelect(bool on) {
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection);
}

void TListView::SetCheckBoxes(bool on) {
    checkBoxes_ = on;
    for (int i = 0; i < ItemCount(); ++i) {
        PrepareItem(Item(i));
    }
}

void TListView::ReportSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    // Rows (not cells) changed: each row once, the deselected ones first.
    const auto report = [this](const QItemSelection& range, bool isSelected) {
        for (const QModelIndex& index : range.indexes()) {
            if (index.column() != 0) {
                continue;
            }
            if (auto* item = dynamic_cast<TListItem*>(itemFromIndex(index))) {
                Fire(OnSelectItem, item, isSelected);
            }
        }
    };
    report(deselected, false);
    report(selected, true);
}

std::string TListView::ShowForm(int column, const std::string& text) const {
    if (column >= 0 && column < static_cast<int>(formats_.size()) &&
        formats_[static_cast<size_t>(column)]) {
        return formats_[static_cast<size_t>(column)](text);
    }
    return text;
}

void TListView::SetColumnFormat(int column, std::function<std::string(const std::string&)> format) {
    if (column < 0) {
        return;
    }
    if (static_cast<int>(formats_.size()) <= column) {
        formats_.resize(static_cast<size_t>(column) + 1);
    }
    formats_[static_cast<size_t>(column)] = std::move(format);
    for (int i = 0; i < ItemCount(); ++i) {
        TListItem* item = Item(i);
        item->ShowText(column, column == 0 ? item->Caption() : item->SubItem(column - 1));
    }
}

// The current order: by the sort column's key (ties in the order the rows were added), or
// the order the rows were added.
bool TListView::ItemBefore(const TListItem& a, const TListItem& b) const {
    if (sortColumn_ >= 0) {
        const int c = a.SortKey(sortColumn_).Compare(b.SortKey(sortColumn_));
        if (c != 0) {
            return sortAscending_ ? c < 0 : c > 0;
        }
    }
    return a.origin_ < b.origin_;
}

void TListView::HeaderClicked(int column) {
    SortBy(column, column == sortColumn_ ? !sortAscending_ : true);
}

void TListView::SortBy(int column, bool ascending) {
    if (column >= ColumnCount()) {
        return;
    }
    sortColumn_ = column < 0 ? -1 : column;
    sortAscending_ = ascending;
    if (sortColumn_ >= 0) {
        header_->setSortIndicator(sortColumn_,
                                  ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        header_->setSortIndicatorShown(true);
    } else {
        header_->setSortIndicatorShown(false);
    }
    Resort();
    if (TListItem* selected = Selected()) {
        scrollToItem(selected);
    }
}

// The model sorts ascending by TListItem::operator<, which is ItemBefore: the direction and the
// ties are ours. Selection and current row follow their rows.
void TListView::Resort() {
    resortPending_ = false;
    if (ColumnCount() == 0 || ItemCount() < 2) {
        return;
    }
    model()->sort(0, Qt::AscendingOrder);
}

void TListView::CellChanged(TListItem* item, int column) {
    bool hidSelected = false;
    if (!filter_.isEmpty()) {
        hidSelected = ApplyFilter(item);
        ShowCount();
    }
    // A value that changes in the sort column moves its row once the changes of this round
    // are in (a monitor sets many cells at a time).
    if (column == sortColumn_ && !resortPending_) {
        resortPending_ = true;
        QTimer::singleShot(0, this, [this] {
            if (resortPending_) {
                Resort();
            }
        });
    }
    if (hidSelected) {
        Fire(OnClick);
    }
}

std::vector<int> TListView::ShownColumns() const {
    std::vector<int> shown;
    for (int c = 0; c < ColumnCount(); ++c) {
        if (Column(c)->Width() > 0) {
            shown.push_back(c);
        }
    }
    return shown;
}

bool TListView::Matches(const TListItem* item) const {
    if (filter_.isEmpty()) {
        return true;
    }
    for (int c : ShownColumns()) {
        if (item->text(c).contains(filter_, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool TListView::ApplyFilter(TListItem* item) {
    const bool hide = !Matches(item);
    if (item->isHidden() == hide) {
        return false;
    }
    const bool wasSelected = hide && item->isSelected();
    if (wasSelected) {
        item->setSelected(false);
    }
    item->setHidden(hide);
    hiddenCount_ += hide ? 1 : -1;
    return wasSelected;
}

void TListView::SetFilterText(const std::string& text) {
    // The field's change signal filters.
    header_->Edit()->setText(ToQString(text));
}

std::string TListView::FilterText() const {
    return ToStdString(filter_);
}

void TListView::FilterChanged() {
    bool hidSelected = false;
    for (int i = 0; i < ItemCount(); ++i) {
        hidSelected = ApplyFilter(Item(i)) || hidSelected;
    }
    ShowCount();
    if (hidSelected) {
        Fire(OnClick);
    }
}

void TListView::RecountHidden() {
    hiddenCount_ = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        hiddenCount_ += Item(i)->isHidden() ? 1 : 0;
    }
    ShowCount();
}

bool TListView::ItemVisible(const TListItem* item) const {
    return item != nullptr && !item->isHidden();
}

std::string TListView::CountText() const {
    return std::to_string(VisibleCount()) + " of " + std::to_string(ItemCount());
}

void TListView::ShowCount() {
    QLabel* count = header_->Count();
    count->setText(ToQString(CountText()));
    // The count keeps the room its text needs; the filter field gives way. The bar is laid out
    // at once, so that a count that grew while rows arrive is never shown cut.
    count->setMinimumWidth(count->sizeHint().width());
    if (count->parentWidget()->layout() != nullptr) {
        count->parentWidget()->layout()->activate();
    }
}

void TListView::SetFilterBar(bool shown) {
    if (!shown) {
        SetFilterText("");
    }
    header_->SetBarShown(shown);
}

QLineEdit* TListView::FilterEdit() const {
    return header_->Edit();
}

QLabel* TListView::CountLabel() const {
    return header_->Count();
}

std::vector<std::string> TListView::Captions(const std::vector<int>& columns) const {
    std::vector<std::string> captions;
    for (int c : columns) {
        captions.push_back(Column(c)->Caption());
    }
    return captions;
}

std::vector<std::string> TListView::RowTexts(const TListItem* item,
                                             const std::vector<int>& columns) const {
    std::vector<std::string> texts;
    for (int c : columns) {
        texts.push_back(item->Text(c));
    }
    return texts;
}

std::string TListView::SelectionText() const {
    const std::vector<int> columns = ShownColumns();
    std::string text;
    for (int i = 0; i < ItemCount(); ++i) {
        const TListItem* item = Item(i);
        if (item->isSelected() && !item->isHidden()) {
            text += TabLine(RowTexts(item, columns));
        }
    }
    return text.empty() ? text : TabLine(Captions(columns)) + text;
}

std::string TListView::ShownRowsText() const {
    const std::vector<int> columns = ShownColumns();
    std::string text = TabLine(Captions(columns));
    for (int i = 0; i < ItemCount(); ++i) {
        if (!Item(i)->isHidden()) {
            text += TabLine(RowTexts(Item(i), columns));
        }
    }
    return text;
}

void TListView::CopySelection() const {
    const std::string text = SelectionText();
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(ToQString(text));
    }
}

std::string TListView::CsvText() const {
    const std::vector<int> columns = ShownColumns();
    std::string csv = CsvLine(Captions(columns));
    for (int i = 0; i < ItemCount(); ++i) {
        csv += CsvLine(RowTexts(Item(i), columns));
    }
    return csv;
}

bool TListView::ExportCsv(const std::string& path, std::string& error) const {
    QSaveFile file(ToQString(path));
    const std::string csv = CsvText();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        error = ToStdString(file.errorString());
        return false;
    }
    return true;
}

void TListView::ExportAction() {
    // The window's title up to its device address names the file.
    std::string suggested = ToStdString(window()->windowTitle().section(QLatin1Char(':'), 0, 0));
    while (!suggested.empty() && suggested.back() == ' ') {
        suggested.pop_back();
    }
    for (char& c : suggested) {
        if (c == '/' || c == '\\') {
            c = '-';
        }
    }
    QPointer<TListView> self(this);
    const std::string path =
        AskExportFile(this, (suggested.empty() ? "table" : suggested) + ".csv");
    if (!self || path.empty()) {
        return;
    }
    std::string error;
    if (!ExportCsv(path, error)) {
        MessageBox("Could not write " + path + ": " + error, "Export", mbOK, miError, this);
    }
}

QMenu* TListView::CreateContextMenu() {
    auto* menu = new QMenu(this);
    QPointer<TListView> self(this);
    QAction* copy = menu->addAction(QStringLiteral("&Copy"), [self] {
        if (self) {
            self->CopySelection();
        }
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!SelectionText().empty());
    menu->addAction(QStringLiteral("Copy &All"), [self] {
        if (self) {
            QGuiApplication::clipboard()->setText(ToQString(self->ShownRowsText()));
        }
    });
    menu->addAction(QStringLiteral("&Export..."), [self] {
        if (self) {
            self->ExportAction();
        }
    });
    menu->addSeparator();
    QAction* original = menu->addAction(QStringLiteral("&Original Order"), [self] {
        if (self) {
            self->SortBy(-1);
        }
    });
    original->setEnabled(sortColumn_ >= 0);
    return menu;
}

void TListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Find) && header_->Edit()->isVisibleTo(header_)) {
        header_->Edit()->setFocus(Qt::ShortcutFocusReason);
        header_->Edit()->selectAll();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void TListView::mousePressEvent(QMouseEvent* event) {
    if (itemAt(event->position().toPoint()) == nullptr) {
        clearSelection();
    }
    QTreeWidget::mousePressEvent(event);
}

void TListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        Fire(OnClick);
    }
}

void TListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        Fire(OnDblClick);
    }
}

void TListView::mouseMoveEvent(QMouseEvent* event) {
    QTreeWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    Fire(OnMouseMove, at.x(), at.y());
}
