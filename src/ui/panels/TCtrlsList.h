#pragma once

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class TControl;

// A list of references to controls (panels, combo boxes, edits, labels) that a hand-made form
// fills and reads to treat a group of controls alike. The list owns neither its entries nor the
// controls: the form that owns the controls frees them, and an entry whose control is gone
// reads as none.
class TCtrlsList {
public:
    TCtrlsList() = default;
    virtual ~TCtrlsList() = default;
    TCtrlsList(const TCtrlsList&) = delete;
    TCtrlsList& operator=(const TCtrlsList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Appends a control; returns its position.
    int Add(TControl* control);
    // Inserts before position `index` (0 .. Count()).
    void Insert(int index, TControl* control);
    // Removes the entry at `index`.
    void Delete(int index);
    // Removes the first entry for the control; returns its former position, -1 if it had none.
    int Remove(TControl* control);
    // The first position of the control, -1 if it is not in the list.
    int IndexOf(const TControl* control) const;
    void Clear() { items_.clear(); }

    // The control at `index`; none when it has been freed.
    TControl* Item(int index) const;
    // The control at `index` as a T; none when it is freed or no T.
    template <class T> T* ItemAs(int index) const { return dynamic_cast<T*>(Item(index)); }

protected:
    // Reports a misuse of the list (a position outside it): raises std::out_of_range with the
    // text, "%d" in it replaced by the value.
    virtual void Error(const std::string& text, int value) const;

private:
    void CheckIndex(int index, int limit) const;

    std::vector<QPointer<QWidget>> items_;
};
