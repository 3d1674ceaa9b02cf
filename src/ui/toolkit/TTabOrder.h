#pragma once

#include <vector>

class QWidget;

// The order in which Tab visits the controls of a window: reading order, top to bottom and, on
// one line, left to right, so that a window placed with fixed pixel positions reads as it looks
// whatever order its controls were created in. Containers (panels, group boxes, tab sheets, the
// inside of a scroll box) are read as a whole where they stand, their controls in reading order
// within them; a tab control's tabs come before its pages.
namespace TTabOrder {

// The controls of `window` that can take the focus, in reading order (controls inside a
// compound control, such as a combo box's edit, are the compound control's own business; the
// filter field of a list comes before its rows).
std::vector<QWidget*> ReadingOrder(QWidget* window);

// Sorts sibling widgets into reading order: lines from top to bottom, where a widget belongs to
// a line when its top lies above the middle of every widget already on it; left to right on a
// line. Widgets at the same place keep their order.
void SortReadingOrder(std::vector<QWidget*>& siblings);

// Chains the focus of `window` in reading order.
void Apply(QWidget* window);

} // namespace TTabOrder
