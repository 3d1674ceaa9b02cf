#pragma once

#include "ui/toolkit/TForm.h"

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
struct PageDefinition;

// Finding one of the menu's entries by words of its path.
//
// The entries whose full menu path ("<menu> / <sub-menu> / <entry>") contains every one of the
// blank-separated words, in any order and without regard to letter case, in menu order; every
// entry for no words.
std::vector<const PageDefinition*> FindEntries(const std::string& words);

// Ctrl+F in the main window: a field for the words and the list of the entries they find;
// Return (or a double click) chooses the selected entry, the first one when none is selected.
// Up and Down move through the list while the field keeps the focus.
class TEntrySearch : public TForm {
public:
    explicit TEntrySearch(QWidget* owner);

    void SetWords(const std::string& words);
    // The entries the list shows now.
    const std::vector<const PageDefinition*>& Found() const { return found_; }
    // The entry chosen when the window closed with OK; none otherwise.
    const PageDefinition* Chosen() const { return chosen_; }
    // Chooses the selected entry (the first when none is) and closes with OK; nothing when the
    // list is empty.
    void Choose();

    QLineEdit* WordsEdit() const { return edit_; }
    QListWidget* EntryList() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search();

    QLineEdit* edit_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<const PageDefinition*> found_;
    const PageDefinition* chosen_ = nullptr;
};
