#pragma once

#include "ui/toolkit/TControl.h"

#include <QTabWidget>
#include <QWidget>

#include <string>

class TPageControl;

// One page of a page control; created on its page control and shown as one tab.
class TTabSheet : public TControlT<QWidget> {
public:
    explicit TTabSheet(TPageControl* pageControl);
    ~TTabSheet() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;

private:
    TPageControl* pageControl_;
    std::string caption_;
};

// Pages on tabs. OnChange runs when the user shows another page; setting ActivePage from code
// runs nothing.
class TPageControl : public TControlT<QTabWidget> {
public:
    explicit TPageControl(QWidget* parent);

    int PageCount() const { return count(); }
    TTabSheet* Page(int i) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePageIndex(int i);

    // Tabs on several rows when they do not fit: Qt offers scroll buttons instead.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) { multiLine_ = on; }
    // Height of the tabs as set (0: the style's own); TabBarHeight is the height in use.
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);
    int TabBarHeight() const;

    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    void Attach(TTabSheet* sheet);

    bool multiLine_ = false;
    int tabHeight_ = 0;
    bool programmatic_ = false;
};
