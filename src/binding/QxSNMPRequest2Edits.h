#pragma once

#include "binding/QxSNMPRequest2Controls.h"
#include "ui/toolkit/TListView.h"

#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QxEditConstraint;
class QxOptionList;
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TPanel;

// The binding behind every generated page and most hand-made forms: it shows the value texts
// of its request's variables in controls (edits, combo boxes, radio groups, check boxes,
// labels) after a read, turns what the user entered back into value texts before a write, and
// guards typed input with its edit constraints. A control may show a whole variable or a part
// of its octet form (a range of octets with a syntax of its own, or single bits). With a list
// view attached, a walked table fills the list, and selecting a row puts its values into the
// variables and the controls, so that the same controls edit the selected row.
class QxSNMPRequest2Edits : public QxSNMPRequest2Controls {
public:
    // One bound control or control group.
    struct FieldBinding {
        int varIndex = 0;
        int byteOffset = 0; // 0 for a whole value
        int syntax = 0;     // the syntax the part is converted with
        const QxOptionList* options = nullptr;
        std::vector<int> bitPositions; // check-box groups: the bit each box shows
        std::vector<QPointer<QWidget>> controls;
        std::vector<std::function<void()>> savedHandlers; // change or click handlers
    };

    explicit QxSNMPRequest2Edits(QWidget* ownerForm);
    ~QxSNMPRequest2Edits() override;

    void BindControl(int varIndex, TControl* control);
    void BindComboBox(int varIndex, TComboBox* comboBox);
    void BindPart(int varIndex, int byteOffset, int syntax, const QxOptionList* options,
                  TComboBox* comboBox);
    // `format` holds one edit-constraint specifier per edit.
    void BindEdit(int varIndex, const std::string& format, const std::vector<TEdit*>& edits);
    void BindEditPart(int varIndex, int byteOffset, int syntax, const QxOptionList* options,
                      const std::string& format, const std::vector<TEdit*>& edits);
    // Lays the template's labels and edits out on the panel and binds the edits as one group.
    void BindCompositeEdit(int varIndex, const std::string& templateText, TPanel* panel);
    // `positions` ("0,1,2"): box i shows bit position i of the list.
    void BindCheckBoxes(int varIndex, const std::string& positions,
                        const std::vector<TCheckBox*>& boxes);
    void UnbindControls(int varIndex);
    void SetConstraintOwner(QWidget* form);

    // Value texts -> controls, for one variable or all (-1).
    void ShowValues(int varIndex = -1);
    // Controls -> value texts, for one settable variable or all (-1).
    void ReadControls(int varIndex = -1);
    void EnableControls(bool enabled);

    // The list-view side, for table lists.
    void AttachListView(TListView* listView, bool enableEditorsOnSelect);
    void BuildColumns();
    void AddRow();
    void CopySelectedRow();
    virtual void OnSelectItem(TListItem* item, bool selected);

    const std::vector<std::unique_ptr<FieldBinding>>& Bindings() const { return bindings_; }
    QxEditConstraint& Constraints() { return *constraints_; }
    TListView* ListView() const { return listView_; }
    bool enableEditorsOnSelect = true;

protected:
    void BeforeGet() override;
    void PutAnswer() override;
    void CollectValues() override;
    void AfterGet() override;
    void GetFailed(const QxSNMPError& result) override;
    void GetAborted() override;

private:
    FieldBinding& Append(int varIndex, int byteOffset, int syntax, const QxOptionList* options);
    const QxOptionList* EffectiveOptions(const FieldBinding& b) const;
    void TakeOverHandlers(FieldBinding& b);
    void Show(const FieldBinding& b);
    // The binding's part as octets read from its controls; false for a bit group, which
    // changes `octets` itself.
    std::string ReadPart(const FieldBinding& b, std::string& octets);
    // The binding of a variable shown whole by one edit and nothing else; none otherwise.
    const FieldBinding* OnlyWholeEdit(int varIndex) const;
    // Raises the refusal of a typed part that is no number of its part's range.
    void CheckPartText(const FieldBinding& b, const std::string& text) const;
    // Raises a refusal naming the variable when a field bound to it holds a text its edit
    // constraint does not accept.
    void CheckFields(int varIndex) const;
    // The text of a group of edits, by the binding's syntax.
    std::string ReadEditGroup(const FieldBinding& b) const;
    // Columns of the list: the variables not in view, then the shown ones, in list order.
    std::vector<int> ColumnVariables() const;
    // The value texts of the variables in column order.
    std::vector<std::string> RowTexts();
    const std::vector<int>& Columns();
    std::vector<int> columnOrder_;

    std::function<void(TListItem*, bool)> listViewHook_;
    QPointer<TListView> listView_;
    std::vector<std::unique_ptr<FieldBinding>> bindings_;
    std::unique_ptr<QxEditConstraint> constraints_;
    // Rows of a walk not yet in the list view: they go in together, every few tens of
    // milliseconds, since adding a long table row by row costs far more than the walk.
    std::vector<std::vector<std::string>> pendingRows_;
    std::unique_ptr<QTimer> flushTimer_;
    void FlushRows();
};
