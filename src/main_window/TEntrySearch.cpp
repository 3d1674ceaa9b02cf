#include "main_window/TEntrySearch.h"

#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageDefinition.h"
#include "ui/toolkit/TText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

std::vector<QString> Words(const std::string& text) {
    std::vector<QString> words;
    for (const QString& word : ToQString(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty()) {
            words.push_back(word.trimmed());
        }
    }
    return words;
}

} // namespace

std::vector<const PageDefinition*> FindEntries(const std::string& words) {
    const std::vector<QString> wanted = Words(words);
    std::vector<const PageDefinition*> found;
    for (const PageDefinition& entry : Catalogue) {
        const QString path = ToQString(TMenuCatalogue::FullPath(entry));
        bool all = true;
        for (const QString& word : wanted) {
            all = all && path.contains(word, Qt::CaseInsensitive);
        }
        if (all) {
            found.push_back(&entry);
        }
    }
    return found;
}

TEntrySearch::TEntrySearch(QWidget* owner) : TForm(owner) {
    SetName("EntrySearch");
    SetCaption("Find Entry");
    SetPosition(poOwnerFormCenter);
    auto* layout = new QVBoxLayout(this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("WordsEdit"));
    edit_->setPlaceholderText(QStringLiteral("Words of the menu path"));
    edit_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("EntryList"));
    // Typing always goes to the words; the field moves through the list (Up, Down).
    list_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(edit_);
    layout->addWidget(list_);
    resize(520, 360);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this] { Search(); });
    connect(edit_, &QLineEdit::returnPressed, this, [this] { Choose(); });
    connect(list_, &QListWidget::itemActivated, this, [this] { Choose(); });
    Search();
    edit_->setFocus();
}

void TEntrySearch::SetWords(const std::string& words) {
    edit_->setText(ToQString(words));
}

void TEntrySearch::Search() {
    found_ = FindEntries(ToStdString(edit_->text()));
    list_->clear();
    for (const PageDefinition* entry : found_) {
        list_->addItem(ToQString(TMenuCatalogue::FullPath(*entry)));
    }
    if (!found_.empty()) {
        list_->setCurrentRow(0);
    }
}

void TEntrySearch::Choose() {
    const int row = list_->currentRow() >= 0 ? list_->currentRow() : 0;
    if (row >= static_cast<int>(found_.size())) {
        return;
    }
    chosen_ = found_[static_cast<size_t>(row)];
    SetModalResult(mrOk);
}

// Up, Down, Page Up and Page Down in the field move through the list.
bool TEntrySearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return TForm::eventFilter(watched, event);
}
