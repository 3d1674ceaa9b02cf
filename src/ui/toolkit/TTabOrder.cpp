#include "ui/toolkit/TTabOrder.h"

#include <QAbstractItemView>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

bool TakesFocus(const QWidget* w) {
    return w->focusPolicy() != Qt::NoFocus;
}

std::vector<QWidget*> ChildWidgets(QWidget* parent) {
    std::vector<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (w != nullptr && !w->isWindow()) {
            children.push_back(w);
        }
    }
    return children;
}

void Collect(QWidget* container, std::vector<QWidget*>& order);

// Fields a list keeps inside itself (its filter field) take the focus of their own; they stand
// above the rows, so they come first. Inner widgets that hand their focus on to another widget
// belong to that one.
void CollectInner(QWidget* control, std::vector<QWidget*>& order) {
    if (qobject_cast<QAbstractItemView*>(control) == nullptr) {
        return;
    }
    for (QWidget* inner : control->findChildren<QWidget*>()) {
        if (!inner->isWindow() && inner->focusProxy() == nullptr &&
            (inner->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            qobject_cast<QAbstractItemView*>(inner) == nullptr) {
            order.push_back(inner);
        }
    }
}

void Collect(QWidget* container, std::vector<QWidget*>& order) {
    std::vector<QWidget*> children = ChildWidgets(container);
    TTabOrder::SortReadingOrder(children);
    for (QWidget* w : children) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            if (tabs->tabBar() != nullptr && TakesFocus(tabs->tabBar())) {
                order.push_back(tabs->tabBar());
            }
            for (int i = 0; i < tabs->count(); ++i) {
                if (QWidget* page = tabs->widget(i)) {
                    Collect(page, order);
                }
            }
        } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
            if (TakesFocus(area)) {
                order.push_back(area);
            }
            if (area->widget() != nullptr) {
                Collect(area->widget(), order);
            }
        } else if (TakesFocus(w)) {
            CollectInner(w, order);
            order.push_back(w);
        } else {
            Collect(w, order);
        }
    }
}

} // namespace

namespace TTabOrder {

void SortReadingOrder(std::vector<QWidget*>& siblings) {
    std::stable_sort(siblings.begin(), siblings.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    const auto middle = [](const QWidget* w) {
        return w->geometry().top() + w->geometry().height() / 2;
    };
    for (auto line = siblings.begin(); line != siblings.end();) {
        int limit = middle(*line);
        auto end = line + 1;
        while (end != siblings.end() && (*end)->geometry().top() < limit) {
            limit = std::min(limit, middle(*end));
            ++end;
        }
        std::stable_sort(line, end, [](const QWidget* a, const QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        line = end;
    }
}

std::vector<QWidget*> ReadingOrder(QWidget* window) {
    std::vector<QWidget*> order;
    if (window != nullptr) {
        Collect(window, order);
    }
    return order;
}

void Apply(QWidget* window) {
    const std::vector<QWidget*> order = ReadingOrder(window);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace TTabOrder
