#include "ui/panels/TCtrlsList.h"

#include "ui/toolkit/TControl.h"

#include <stdexcept>

namespace {

const std::string IndexError = "List index out of bounds (%d)";

QWidget* WidgetOf(TControl* control) {
    return control != nullptr ? control->Widget() : nullptr;
}

} // namespace

void TCtrlsList::Error(const std::string& text, int value) const {
    std::string message = text;
    if (const size_t at = message.find("%d"); at != std::string::npos) {
        message.replace(at, 2, std::to_string(value));
    }
    throw std::out_of_range(message);
}

void TCtrlsList::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) {
        Error(IndexError, index);
    }
}

int TCtrlsList::Add(TControl* control) {
    items_.emplace_back(WidgetOf(control));
    return Count() - 1;
}

void TCtrlsList::Insert(int index, TControl* control) {
    CheckIndex(index, Count() + 1);
    items_.emplace(items_.begin() + index, WidgetOf(control));
}

void TCtrlsList::Delete(int index) {
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

int TCtrlsList::Remove(TControl* control) {
    const int index = IndexOf(control);
    if (index >= 0) {
        items_.erase(items_.begin() + index);
    }
    return index;
}

int TCtrlsList::IndexOf(const TControl* control) const {
    const QWidget* wanted = control != nullptr ? control->Widget() : nullptr;
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<size_t>(i)].data() == wanted) {
            return i;
        }
    }
    return -1;
}

TControl* TCtrlsList::Item(int index) const {
    CheckIndex(index, Count());
    return ControlOf(items_[static_cast<size_t>(index)].data());
}
