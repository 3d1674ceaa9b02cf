#pragma once

#include "ui/toolkit/TControl.h"
#include "vocab/QxCellText.h"

#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class TListHeader;
class TListView;

// One row of a list view: the caption (first column) and the sub-items (one per further
// column, as texts). Caption and sub-items keep the texts given; a column may show them in a
// readable form (TListView::SetColumnFormat), which is what Text, copying and exporting see.
class TListItem : public QTreeWidgetItem {
public:
    explicit TListItem(TListView* view);
    // A row not yet in a list (TListView::AddRows puts it there).
    TListItem();

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int SubItemCount() const { return static_cast<int>(subItems_.size()); }
    // Sub-item i from 0 (the second column); "" beyond the last one.
    std::string SubItem(int i) const;
    const std::vector<std::string>& SubItems() const { return subItems_; }
    void AddSubItem(const std::string& text);
    // Sets sub-item i, adding empty ones before it where needed.
    void SetSubItem(int i, const std::string& text);
    void ClearSubItems();

    bool Selected() const { return isSelected(); }
    void SetSelected(bool selected);
    bool Checked() const { return checkState(0) == Qt::Checked; }
    void SetChecked(bool checked) { setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); }
    // Makes this the row that has the keyboard focus within the list (selection unchanged).
    void MakeCurrent();
    int Index() const;
    TListView* ListView() const;
    // The text column `column` shows (0 the caption).
    std::string Text(int column) const;
    // Counts the rows added to the list before this one (since the list was last emptied).
    int Origin() const { return origin_; }
    // The order of the list's current sort.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    friend class TListView;
    void ShowText(int column, const std::string& text);
    const QxCellSortKey& SortKey(int column) const;

    std::string caption_;
    std::vector<std::string> subItems_;
    int origin_ = 0;
    mutable int keyColumn_ = -1;
    mutable QxCellSortKey key_;
};

// One column of a list view.
class TListColumn {
public:
    TListColumn(TListView* view, int index) : view_(view), index_(index) {}

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Width() const;
    // Pixels; -1 sizes the column to its contents, -2 to its header caption; 0 hides it.
    void SetWidth(int width);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    int Index() const { return index_; }

private:
    TListView* view_;
    int index_;
    bool autoSize_ = false;
};

enum TViewStyle : int { vsIcon, vsSmallIcon, vsList, vsReport };

// A list of rows with columns (report style; the other view styles show the same way).
//
// Events: OnClick after a click anywhere in the list (a click on empty space clears the
// selection first), OnDblClick, OnSelectItem(row, selected) for every change of a row's
// selection (also from code; removing rows reports nothing), OnChange after rows were added,
// removed or changed, OnMouseMove with the pointer's position in the rows area (the same
// coordinates ItemAt takes).
//
// What administrators expect of a table: a click on a column header sorts by that column
// (numbers, addresses and dotted indexes by value), a second click reverses the order; the
// filter field above the rows keeps those that contain its text in any column and shows
// "n of m"; Ctrl+C and the context menu copy the selected rows as tab-separated lines under the
// column captions; "Export..." saves every row as CSV. Sorting and filtering move and hide rows
// but never change them: the selected row stays the selected row, and a row the filter hides is
// no longer selected (OnClick follows, as after a click on empty space).
class TListView : public TControlT<QTreeWidget> {
public:
    explicit TListView(QWidget* parent);
    ~TListView() override;

    // Columns.
    TListColumn* AddColumn(const std::string& caption, int width = 50);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TListColumn* Column(int i) const;
    void ClearColumns();

    // Rows.
    TListItem* AddItem();
    // Appends rows, each its caption followed by its sub-items, as one change of the list:
    // far cheaper than row by row when a long table arrives.
    void AddRows(const std::vector<std::vector<std::string>>& rows);
    int ItemCount() const { return topLevelItemCount(); }
    TListItem* Item(int i) const;
    void DeleteItem(int i);
    void ClearItems();
    // The row at a point of the rows area; none.
    TListItem* ItemAt(int x, int y) const;
    // The row added `origin`-th since the list was last emptied, wherever sorting moved it.
    TListItem* ItemByOrigin(int origin) const;

    // Readable form of a column's texts (a port list, a MAC address); the rows keep the texts
    // they were given. Applies to the rows already there.
    void SetColumnFormat(int column, std::function<std::string(const std::string&)> format);

    // Sorting. Column -1 is the order in which the rows were added.
    void SortBy(int column, bool ascending = true);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }

    // Filtering: rows that contain the text (letter case ignored) in a shown column stay.
    void SetFilterText(const std::string& text);
    std::string FilterText() const;
    int VisibleCount() const { return ItemCount() - hiddenCount_; }
    bool ItemVisible(const TListItem* item) const;
    // "n of m".
    std::string CountText() const;
    // The filter field and its count (hidden: no field, as for a list of a few fixed rows).
    void SetFilterBar(bool shown);
    QLineEdit* FilterEdit() const;
    QLabel* CountLabel() const;

    // The shown columns' captions and the selected rows, tab-separated, one line each.
    std::string SelectionText() const;
    void CopySelection() const;
    // The captions and every row the filter lets through, tab-separated ("Copy All").
    std::string ShownRowsText() const;
    // The captions and every row (also those the filter hides) as CSV, in the list's order.
    std::string CsvText() const;
    // Writes CsvText as UTF-8; false and the reason when the file cannot be written.
    bool ExportCsv(const std::string& path, std::string& error) const;
    // Asks for a file and exports to it; a failure shows a message box.
    void ExportAction();
    // The context menu: Copy, Copy All (the rows shown), Export..., Original Order. The caller
    // owns it.
    QMenu* CreateContextMenu();
    // Asks for the file to export to ("" cancels); tests replace it.
    static std::function<std::string(QWidget* owner, const std::string& suggested)> AskExportFile;

    // The (first) selected row; none.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    void ClearSelection();

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
    // No in-place editing of captions.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool RowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }
    void SetRowSelect(bool rows);
    // Hide the selection while the list has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on);
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void SetMultiSelect(bool on);
    bool CheckBoxes() const { return checkBoxes_; }
    void SetCheckBoxes(bool on);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width) { borderWidth_ = width; }

    // Columns widen to the texts of the rows that arrive (never beyond MaxFitWidth, and never
    // narrower than they are); a column the user has sized, or one of width 0, stays as it is.
    // The rows are measured once after each batch, from a sample of at most FitSampleRows.
    static constexpr int MaxFitWidth = 400;
    static constexpr int FitSampleRows = 256;
    // Widens the columns for the rows that came since the last fit, now.
    void FitColumnsToRows();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnChange;
    std::function<void(TListItem* item, bool selected)> OnSelectItem;
    std::function<void(int x, int y)> OnMouseMove;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole FrontRole() const override { return QPalette::Text; }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class TListItem;
    friend class TListColumn;
    void ScheduleFit();
    int CellWidth(int column, const QString& text) const;
    void PrepareItem(TListItem* item) const;
    void ReportSelection(const QItemSelection& selected, const QItemSelection& deselected);
    std::string ShowForm(int column, const std::string& text) const;
    bool ItemBefore(const TListItem& a, const TListItem& b) const;
    void HeaderClicked(int column);
    void Resort();
    void CellChanged(TListItem* item, int column);
    bool Matches(const TListItem* item) const;
    // Hides or shows a row for the filter; true when a selected row was hidden.
    bool ApplyFilter(TListItem* item);
    void FilterChanged();
    void RecountHidden();
    void ShowCount();
    std::vector<int> ShownColumns() const;
    std::vector<std::string> Captions(const std::vector<int>& columns) const;
    std::vector<std::string> RowTexts(const TListItem* item, const std::vector<int>& columns) const;

    std::vector<std::unique_ptr<TListColumn>> columns_;
    TViewStyle viewStyle_ = vsIcon;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool gridLines_ = false;
    bool checkBoxes_ = false;
    int borderWidth_ = 0;
    TListHeader* header_ = nullptr;
    std::vector<std::function<std::string(const std::string&)>> formats_;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    bool resortPending_ = false;
    QString filter_;
    int hiddenCount_ = 0;
    int nextOrigin_ = 0;
    // Rows before this one have been measured for the column widths.
    int fittedRows_ = 0;
    bool fitPending_ = false;
    bool sizing_ = false;
    std::vector<bool> userSized_;
};
