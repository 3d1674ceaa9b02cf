#include "ui/toolkit/TMenu.h"

#include <cctype>

#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(const std::string& name, const std::string& caption) {
    action_ = new QAction(this);
    SetName(name);
    SetCaption(caption);
    connect(action_, &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem() {
    // The entries go first, while the sub-menu they are shown in still exists.
    items_.clear();
    menu_.reset();
}

std::string TMenuItem::Name() const {
    return ToStdString(objectName());
}

void TMenuItem::SetName(const std::string& name) {
    setObjectName(ToQString(name));
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    action_->setSeparator(caption == "-");
    action_->setText(ToQString(caption));
    if (menu_ != nullptr) {
        menu_->setTitle(ToQString(caption));
    }
}

void TMenuItem::SetMnemonic(char letter) {
    std::string text = caption_;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) ==
            std::tolower(static_cast<unsigned char>(letter))) {
            text.insert(i, 1, '&');
            break;
        }
    }
    action_->setText(ToQString(text));
    if (menu_ != nullptr) {
        menu_->setTitle(ToQString(text));
    }
}

std::string TMenuItem::ShownText() const {
    return ToStdString(action_->text());
}

bool TMenuItem::Enabled() const {
    return action_->isEnabled();
}

void TMenuItem::SetEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

bool TMenuItem::Visible() const {
    return action_->isVisible();
}

void TMenuItem::SetVisible(bool visible) {
    action_->setVisible(visible);
}

QMenu* TMenuItem::SubMenu() {
    if (menu_ == nullptr) {
        menu_ = std::make_unique<QMenu>(ToQString(caption_));
        action_->setMenu(menu_.get());
    }
    return menu_.get();
}

TMenuItem* TMenuItem::Add(const std::string& name, const std::string& caption) {
    auto item = std::make_unique<TMenuItem>(name, caption);
    item->parent_ = this;
    SubMenu()->addAction(item->action_);
    items_.push_back(std::move(item));
    return items_.back().get();
}

TMenuItem* TMenuItem::Item(int i) const {
    return i >= 0 && i < Count() ? items_[static_cast<size_t>(i)].get() : nullptr;
}

TMenuItem* TMenuItem::Find(const std::string& name) {
    if (Name() == name) {
        return this;
    }
    for (const auto& item : items_) {
        if (TMenuItem* found = item->Find(name)) {
            return found;
        }
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (OnClick) {
        const std::function<void()> handler = OnClick;
        CallGuarded(handler);
    }
}

TMainMenu::TMainMenu(TForm* form) : QObject(form) {
    bar_ = new QMenuBar();
    if (form != nullptr) {
        form->SetMenuBar(bar_);
    }
}

TMainMenu::~TMainMenu() {
    items_.clear();
    // The bar belongs to the form once it is shown there; without a form it is ours.
    if (bar_->parent() == nullptr) {
        delete bar_;
    }
}

TMenuItem* TMainMenu::Add(const std::string& name, const std::string& caption) {
    auto item = std::make_unique<TMenuItem>(name, caption);
    bar_->addAction(item->action_);
    items_.push_back(std::move(item));
    return items_.back().get();
}

TMenuItem* TMainMenu::Item(int i) const {
    return i >= 0 && i < Count() ? items_[static_cast<size_t>(i)].get() : nullptr;
}

TMenuItem* TMainMenu::Find(const std::string& name) const {
    for (const auto& item : items_) {
        if (TMenuItem* found = item->Find(name)) {
            return found;
        }
    }
    return nullptr;
}
