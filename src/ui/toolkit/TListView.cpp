#include "ui/toolkit/TListView.h"

#include "ui/toolkit/TText.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

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

std::string TListItem::Caption() const {
    return ToStdString(text(0));
}

void TListItem::SetCaption(const std::string& caption) {
    setText(0, ToQString(caption));
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
    setText(i + 1, ToQString(text));
}

void TListItem::ClearSubItems() {
    for (int i = 0; i < SubItemCount(); ++i) {
        setText(i + 1, QString());
    }
    subItems_.clear();
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
    if (width == -1) {
        view_->resizeColumnToContents(index_);
    } else if (width == -2) {
        view_->header()->resizeSection(index_, view_->header()->sectionSizeHint(index_));
    } else {
        view_->header()->resizeSection(index_, std::max(0, width));
    }
}

TListView::TListView(QWidget* parent) : TControlT<QTreeWidget>(parent, clWindow, clWindowText) {
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

    const auto changed = [this] { Fire(OnChange); };
    Track(connect(model(), &QAbstractItemModel::rowsInserted, this, changed));
    Track(connect(model(), &QAbstractItemModel::rowsRemoved, this, changed));
    Track(connect(model(), &QAbstractItemModel::modelReset, this, changed));
    Track(connect(model(), &QAbstractItemModel::dataChanged, this, changed));
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
    columns_.clear();
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
    PrepareItem(item);
    return item;
}

void TListView::AddRows(const std::vector<std::vector<std::string>>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::vector<std::string>& row : rows) {
        auto* item = new TListItem();
        if (!row.empty()) {
            item->SetCaption(row[0]);
        }
        for (size_t c = 1; c < row.size(); ++c) {
            item->AddSubItem(row[c]);
        }
        PrepareItem(item);
        items.append(item);
    }
    addTopLevelItems(items);
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
