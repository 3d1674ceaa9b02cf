#include "ui/page_form/TConfigForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TPageControl.h"


#include <stdexcept>

namespace {

constexpr const char* ChangeTypeError = "Can not change Type of a Config Form!";
constexpr const char* AddEditorError = "Can not add editor page to a none-page pannel!";
constexpr const char* AddListViewError = "Can not add listview page to a none-page pannel!";
constexpr const char* UnknownTypeError = "Refresh a Form with unknown Form Type!";

void SetStatus(TSNMPListViewPanel* panel, int addColumn, const std::string& addStatus,
               int deleteColumn, const std::string& deleteStatus) {
    if (!addStatus.empty()) {
        panel->SetAddStatus(addColumn, addStatus);
    }
    if (!deleteStatus.empty()) {
        panel->SetDeleteStatus(deleteColumn, deleteStatus);
    }
}

} // namespace

TConfigForm::TConfigForm(QWidget* owner) : TForm(owner) {
    SetCaption("ConfigForm");
    SetClientWidth(159);
    SetClientHeight(105);
    SetPosition(poMainFormCenter);
    OnClose = [this] { FormClose(); };
    // Queued until the form runs its modal loop: the shown page is read right after the window
    // appears, not while the page code is still building it.
    PostCall(this, [this] { RefreshPage(); });
}

// Only here, once the form's modal loop has returned and no frame of a binding or panel is on
// the stack any more, are the bindings freed. Each request still waits for its exchanges in
// flight within their bounds, taking no user input meanwhile.
TConfigForm::~TConfigForm() {
    FormClose();
    current_ = nullptr;
    bindings_.clear();
}

QxSNMPRequest2Edits* TConfigForm::Binding(int i) const {
    return bindings_.at(static_cast<std::size_t>(i)).get();
}

void TConfigForm::CheckUnbuilt() {
    if (pageType_ != cftNone) {
        throw std::logic_error(ChangeTypeError);
    }
}

void TConfigForm::AdoptBinding(std::unique_ptr<QxSNMPRequest2Edits> binding) {
    bindings_.push_back(std::move(binding));
}

void TConfigForm::GrowClientTo(int width, int height) {
    if (ClientWidth() < width) {
        SetClientWidth(width);
    }
    if (ClientHeight() < height) {
        SetClientHeight(height);
    }
}

TSNMPEditorPanel* TConfigForm::SetEditorPage(std::unique_ptr<QxSNMPRequest2Edits> binding) {
    CheckUnbuilt();
    pageType_ = cftEditor;
    QxSNMPRequest2Edits* page = binding.get();
    AdoptBinding(std::move(binding));
    auto* panel = new TSNMPEditorPanel(this, page);
    panel->FitForm(this);
    GrowClientTo(panel->Width(), panel->Height());
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetListViewPage(std::unique_ptr<QxSNMPRequest2Edits> binding,
                                                 int addStatusColumn, const std::string& addStatus,
                                                 int deleteStatusColumn,
                                                 const std::string& deleteStatus) {
    CheckUnbuilt();
    pageType_ = cftListView;
    QxSNMPRequest2Edits* page = binding.get();
    AdoptBinding(std::move(binding));
    auto* panel = new TSNMPListViewPanel(this, page);
    panel->FitForm(this);
    SetStatus(panel, addStatusColumn, addStatus, deleteStatusColumn, deleteStatus);
    GrowClientTo(panel->Width(), panel->Height());
    return panel;
}

void TConfigForm::SetMultiPage() {
    CheckUnbuilt();
    pageType_ = cftMultiPage;
    pageControl_ = new TPageControl(this);
    pageControl_->SetName("PageControl");
    pageControl_->SetMultiLine(true);
    pageControl_->OnChange = [this] { RefreshPage(); };
}

QWidget* TConfigForm::AddSheet(const std::string& title, const char* error) {
    if (pageType_ != cftMultiPage) {
        throw std::logic_error(error);
    }
    auto* sheet = new TTabSheet(pageControl_);
    sheet->SetCaption(title);
    sheet->SetTag(pageControl_->PageCount() - 1);
    sheet->SetAlign(alNone);
    return sheet;
}

void TConfigForm::FitSheet(TControl* panel) {
    // The panel's own size, taken before it is made to fill its sheet.
    const int width = panel->Width();
    const int height = panel->Height();
    pageControl_->SetAlign(alNone);
    // The tab bar in use, so that the page below it keeps its full height.
    const int tabs = pageControl_->TabHeight() > 0 ? pageControl_->TabHeight()
                                                   : pageControl_->TabBarHeight();
    const int frame = pageControl_->Width() - pageControl_->Page(0)->Width();
    if (pageControl_->Width() < width + (frame > 0 ? frame : 0)) {
        pageControl_->SetWidth(width + (frame > 0 ? frame : 0));
    }
    if (pageControl_->Height() < height + tabs + (frame > 0 ? frame : 0)) {
        pageControl_->SetHeight(height + tabs + (frame > 0 ? frame : 0));
    }
    GrowClientTo(pageControl_->Width(), pageControl_->Height());
    pageControl_->SetAlign(alClient);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const std::string& title,
                                            std::unique_ptr<QxSNMPRequest2Edits> binding) {
    QWidget* sheet = AddSheet(title, AddEditorError);
    QxSNMPRequest2Edits* page = binding.get();
    AdoptBinding(std::move(binding));
    auto* panel = new TSNMPEditorPanel(sheet, page);
    const int width = panel->Width();
    const int height = panel->Height();
    panel->FitForm(this);
    panel->SetBounds(0, 0, width, height);
    FitSheet(panel);
    panel->SetAlign(alClient);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const std::string& title,
                                                std::unique_ptr<QxSNMPRequest2Edits> binding,
                                                int addStatusColumn, const std::string& addStatus,
                                                int deleteStatusColumn,
                                                const std::string& deleteStatus) {
    QWidget* sheet = AddSheet(title, AddListViewError);
    QxSNMPRequest2Edits* page = binding.get();
    AdoptBinding(std::move(binding));
    auto* panel = new TSNMPListViewPanel(sheet, page);
    const int width = panel->Width();
    const int height = panel->Height();
    panel->FitForm(this);
    SetStatus(panel, addStatusColumn, addStatus, deleteStatusColumn, deleteStatus);
    panel->SetBounds(0, 0, width, height);
    FitSheet(panel);
    panel->SetAlign(alClient);
    return panel;
}

void TConfigForm::RefreshPage() {
    if (closing_) {
        return;
    }
    QxSNMPRequest2Edits* page = nullptr;
    switch (pageType_) {
    case cftNone:
        return;
    case cftEditor:
    case cftListView:
        page = bindings_.empty() ? nullptr : bindings_.front().get();
        break;
    case cftMultiPage: {
        if (pageControl_ == nullptr || pageControl_->PageCount() == 0) {
            return;
        }
        TTabSheet* shown = pageControl_->ActivePage();
        const int index = shown != nullptr ? shown->Tag() : -1;
        if (index < 0 || index >= BindingCount()) {
            return;
        }
        page = bindings_[static_cast<std::size_t>(index)].get();
        break;
    }
    default:
        throw std::logic_error(UnknownTypeError);
    }
    if (page == nullptr) {
        return;
    }
    if (current_ != nullptr && current_ != page) {
        current_->request.active = false;
    }
    current_ = page;
    page->request.active = true;
    // A walk of this page that was stopped when the user left it, but whose answer has not
    // come yet, simply goes on: starting a second walk on the same request would interleave
    // the two.
    if (page->busy) {
        return;
    }
    try {
        page->Get();
    } catch (const std::exception& e) {
        page->Report(e.what());
    }
}

void TConfigForm::FormClose() {
    // The close may come while a binding's own code waits further down the stack: the
    // bindings are only stopped here (a walk ends after the answer in hand, nothing new
    // starts, late answers are dropped) and freed with the form.
    closing_ = true;
    for (auto& binding : bindings_) {
        binding->Close();
    }
}
