#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class TForm;

// One entry of a menu: a command (OnClick) or, once it has entries of its own, a sub-menu.
// The caption "-" makes a separator. Entries belong to the entry (or menu) they were added to.
class TMenuItem : public QObject {
public:
    explicit TMenuItem(const std::string& name = {}, const std::string& caption = {});
    ~TMenuItem() override;

    std::string Name() const;
    void SetName(const std::string& name);
    std::string Caption() const { return caption_; }
    // Underlines the first letter of the caption that is `letter` (letter case ignored) as the
    // entry's Alt key; Caption() stays as it is.
    void SetMnemonic(char letter);
    // The text the menu shows, with "&" before the Alt letter.
    std::string ShownText() const;
    void SetCaption(const std::string& caption);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    // Appends a new entry and returns it.
    TMenuItem* Add(const std::string& name, const std::string& caption);
    int Count() const { return static_cast<int>(items_.size()); }
    // Entry i; none outside the entries.
    TMenuItem* Item(int i) const;
    TMenuItem* ParentItem() const { return parent_; }
    // This entry or the first entry below it with the name; none.
    TMenuItem* Find(const std::string& name);

    // Runs OnClick, as choosing the entry does (also when it is disabled).
    void Click();

    std::function<void()> OnClick;

    QAction* Action() const { return action_; }

private:
    friend class TMainMenu;
    QMenu* SubMenu();

    std::string caption_;
    QAction* action_ = nullptr;
    std::unique_ptr<QMenu> menu_;
    TMenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The menu bar of a form; its top-level entries are the bar's menus.
class TMainMenu : public QObject {
public:
    explicit TMainMenu(TForm* form);
    ~TMainMenu() override;

    TMenuItem* Add(const std::string& name, const std::string& caption);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int i) const;
    // The first entry anywhere in the menu with the name; none.
    TMenuItem* Find(const std::string& name) const;
    QMenuBar* Bar() const { return bar_; }

private:
    QMenuBar* bar_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};
