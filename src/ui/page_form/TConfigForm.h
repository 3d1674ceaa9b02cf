#pragma once

#include "ui/toolkit/TForm.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QxSNMPRequest2Edits;
class TPageControl;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

// What a page form holds; fixed by the first page-building call.
enum ConfigFormType : std::uint8_t {
    cftNone = 0,       // nothing built yet
    cftEditor = 1,     // one scalar page
    cftListView = 2,   // one table page
    cftMultiPage = 3,  // pages on tabs
};

// The modal window of a generated page. The page code builds one binding per page and hands it
// over; the form owns the bindings from then on. Once the form runs its modal loop it reads the
// shown page, reads a tab again whenever the user switches to it, and on closing stops every
// request, waits for the ones still busy and frees the bindings. A form is shown once and then
// freed by the page code.
class TConfigForm : public TForm {
public:
    explicit TConfigForm(QWidget* owner = nullptr);
    ~TConfigForm() override;

    // One scalar page. Raises "Can not change Type of a Config Form!" once a shape is chosen.
    TSNMPEditorPanel* SetEditorPage(std::unique_ptr<QxSNMPRequest2Edits> binding);
    // One table page with its row-status column and create and destroy texts (column -1 and
    // an empty text where rows are not created or destroyed).
    TSNMPListViewPanel* SetListViewPage(std::unique_ptr<QxSNMPRequest2Edits> binding,
                                        int addStatusColumn, const std::string& addStatus,
                                        int deleteStatusColumn, const std::string& deleteStatus);
    // Pages on tabs, added by AddEditorPage and AddListViewPage.
    void SetMultiPage();
    TSNMPEditorPanel* AddEditorPage(const std::string& title,
                                    std::unique_ptr<QxSNMPRequest2Edits> binding);
    TSNMPListViewPanel* AddListViewPage(const std::string& title,
                                        std::unique_ptr<QxSNMPRequest2Edits> binding,
                                        int addStatusColumn, const std::string& addStatus,
                                        int deleteStatusColumn, const std::string& deleteStatus);

    // Reads the shown page; the page read before it stops after the answer in hand. A reading
    // error goes to the page's result area.
    void RefreshPage();
    // Stops every request for good; the bindings are freed with the form, once its modal loop
    // has returned. The form's close runs it; a page that takes the close over runs it first.
    void FormClose();
    bool IsClosing() const { return closing_; }

    ConfigFormType PageType() const { return pageType_; }
    TPageControl* PageControl() const { return pageControl_; }
    int BindingCount() const { return static_cast<int>(bindings_.size()); }
    QxSNMPRequest2Edits* Binding(int i) const;
    QxSNMPRequest2Edits* CurrentBinding() const { return current_; }

private:
    void CheckUnbuilt();
    void GrowClientTo(int width, int height);
    // Appends a tab sheet for the next page and returns it.
    QWidget* AddSheet(const std::string& title, const char* error);
    // Sizes sheet, page control and form around the panel just built on the last sheet.
    void FitSheet(TControl* panel);
    void AdoptBinding(std::unique_ptr<QxSNMPRequest2Edits> binding);

    ConfigFormType pageType_ = cftNone;
    std::vector<std::unique_ptr<QxSNMPRequest2Edits>> bindings_;
    TPageControl* pageControl_ = nullptr;
    QxSNMPRequest2Edits* current_ = nullptr;
    bool closing_ = false;
};
