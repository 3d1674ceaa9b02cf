#pragma once

#include "ui/toolkit/TControl.h"

#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TListView;

// One row of a list view: the caption (first column) and the sub-items (one per further
// column, as texts).
class TListItem : public QTreeWidgetItem {
public:
    explicit TListItem(TListView* view);
    // A row not yet in a list (TListView::AddRows puts it there).
    TListItem();

    std::string Caption() const;
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

private:
    std::vector<std::string> subItems_;
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

private:
    friend class TListItem;
    void PrepareItem(TListItem* item) const;
    void ReportSelection(const QItemSelection& selected, const QItemSelection& deselected);

    std::vector<std::unique_ptr<TListColumn>> columns_;
    TViewStyle viewStyle_ = vsIcon;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool gridLines_ = false;
    bool checkBoxes_ = false;
    int borderWidth_ = 0;
};
