#include "ui/toolkit/TPageControl.h"

#include "ui/toolkit/TText.h"

#include <QTabBar>

TTabSheet::TTabSheet(TPageControl* pageControl)
    : TControlT<QWidget>(nullptr), pageControl_(pageControl) {
    if (pageControl_ != nullptr) {
        pageControl_->Attach(this);
    }
}

TTabSheet::~TTabSheet() = default;

void TTabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (pageControl_ != nullptr) {
        const int index = pageControl_->indexOf(this);
        if (index >= 0) {
            pageControl_->setTabText(index, ToQString(caption));
        }
    }
}

int TTabSheet::PageIndex() const {
    return pageControl_ != nullptr ? pageControl_->indexOf(const_cast<TTabSheet*>(this)) : -1;
}

TPageControl::TPageControl(QWidget* parent) : TControlT<QTabWidget>(parent) {
    resize(289, 193);
    Track(connect(this, &QTabWidget::currentChanged, this, [this] {
        if (!programmatic_) {
            Fire(OnChange);
        }
    }));
}

void TPageControl::Attach(TTabSheet* sheet) {
    programmatic_ = true;
    addTab(sheet, QString());
    programmatic_ = false;
}

TTabSheet* TPageControl::Page(int i) const {
    return dynamic_cast<TTabSheet*>(widget(i));
}

TTabSheet* TPageControl::ActivePage() const {
    return dynamic_cast<TTabSheet*>(currentWidget());
}

void TPageControl::SetActivePage(TTabSheet* page) {
    programmatic_ = true;
    setCurrentWidget(page);
    programmatic_ = false;
}

void TPageControl::SetActivePageIndex(int i) {
    programmatic_ = true;
    setCurrentIndex(i);
    programmatic_ = false;
}

void TPageControl::SetTabHeight(int height) {
    tabHeight_ = height;
    tabBar()->setMinimumHeight(height > 0 ? height : 0);
    if (height > 0) {
        tabBar()->setMaximumHeight(height);
    } else {
        tabBar()->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

int TPageControl::TabBarHeight() const {
    return tabBar()->sizeHint().height();
}
