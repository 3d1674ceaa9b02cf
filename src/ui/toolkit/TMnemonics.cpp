#include "ui/toolkit/TMnemonics.h"

#include "ui/toolkit/TTabOrder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Set on a window once its buttons have their letters, and on a button whose "&" was added.
constexpr const char* WindowDone = "kswMnemonicsAssigned";
constexpr const char* Added = "kswMnemonicAdded";

// The same caption has the same letter in every window.
struct Preferred {
    const char* caption;
    char letter;
};
constexpr Preferred PreferredLetters[] = {
    {"OK", 'o'},    {"Cancel", 'c'}, {"Close", 'c'}, {"Set", 's'},    {"Refresh", 'r'},
    {"Apply", 'a'}, {"Add", 'a'},    {"Edit", 'e'},  {"Delete", 'd'}, {"Help", 'h'},
    {"Exit", 'x'},  {"Yes", 'y'},    {"No", 'n'},    {"Save", 's'},   {"Find", 'f'},
};

// The pages a widget lies on: for each stack of pages (the inside of a tab control) above it,
// the page. Two widgets on different pages of one stack are never seen together.
using Pages = std::vector<std::pair<const QWidget*, const QWidget*>>;

Pages PagesOf(const QWidget* w, const QWidget* window) {
    Pages pages;
    for (const QWidget* p = w; p != nullptr && p != window; p = p->parentWidget()) {
        const QWidget* parent = p->parentWidget();
        if (parent != nullptr && qobject_cast<const QStackedWidget*>(parent) != nullptr) {
            pages.emplace_back(parent, p);
        }
    }
    return pages;
}

bool NeverTogether(const Pages& a, const Pages& b) {
    for (const auto& [stackA, pageA] : a) {
        for (const auto& [stackB, pageB] : b) {
            if (stackA == stackB && pageA != pageB) {
                return true;
            }
        }
    }
    return false;
}

struct Claim {
    QChar letter;
    Pages pages;
};

bool IsButton(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) != nullptr ||
           qobject_cast<const QCheckBox*>(w) != nullptr ||
           qobject_cast<const QRadioButton*>(w) != nullptr;
}

bool IsAsciiLetterOrDigit(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

// Every letter the window's controls and menu bar already use, with where they are used.
std::vector<Claim> ExistingClaims(QWidget* window, const QAbstractButton* except) {
    std::vector<Claim> claims;
    const auto claim = [&](const QString& text, const QWidget* w) {
        const QChar letter = TMnemonics::MnemonicOf(text);
        if (!letter.isNull()) {
            claims.push_back({letter, PagesOf(w, window)});
        }
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || w == except) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            claim(button->text(), w);
        } else if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy()) {
            claim(label->text(), w);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            claim(group->title(), w);
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                claim(tabs->tabText(i), w);
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* action : bar->actions()) {
                claim(action->text(), nullptr);
            }
        }
    }
    return claims;
}

bool Free(QChar letter, const Pages& pages, const std::vector<Claim>& claims) {
    return std::none_of(claims.begin(), claims.end(), [&](const Claim& c) {
        return c.letter == letter && !NeverTogether(c.pages, pages);
    });
}

// Positions of the text's letters and digits in the order they are tried: the preferred letter
// first, then word starts, then the rest.
std::vector<int> Candidates(const QString& text, QChar preferred) {
    std::vector<int> starts;
    std::vector<int> others;
    for (int i = 0; i < text.size(); ++i) {
        if (!IsAsciiLetterOrDigit(text[i])) {
            continue;
        }
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        (wordStart ? starts : others).push_back(i);
    }
    std::vector<int> order;
    if (!preferred.isNull()) {
        for (const std::vector<int>* group : {&starts, &others}) {
            for (int i : *group) {
                if (text[i].toLower() == preferred) {
                    order.push_back(i);
                }
            }
        }
    }
    order.insert(order.end(), starts.begin(), starts.end());
    order.insert(order.end(), others.begin(), others.end());
    return order;
}

QChar PreferredLetter(const QString& text) {
    for (const Preferred& p : PreferredLetters) {
        if (text == QLatin1String(p.caption)) {
            return QChar(QLatin1Char(p.letter));
        }
    }
    return {};
}

// Gives one button a free letter; it then claims it.
void Give(QAbstractButton* button, QWidget* window, std::vector<Claim>& claims) {
    const QString text = button->text();
    if (text.isEmpty() || text.contains(u'&')) {
        return;
    }
    const Pages pages = PagesOf(button, window);
    for (int i : Candidates(text, PreferredLetter(text))) {
        const QChar letter = text[i].toLower();
        if (Free(letter, pages, claims)) {
            QString shown = text;
            shown.insert(i, u'&');
            button->setText(shown);
            button->setProperty(Added, true);
            claims.push_back({letter, pages});
            return;
        }
    }
}

} // namespace

namespace TMnemonics {

QChar MnemonicOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') {
            continue;
        }
        if (text[i + 1] == u'&') {
            ++i; // a plain "&"
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

void Assign(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setProperty(WindowDone, true);
    // Buttons in reading order, so that the first one on the window has the first pick; those
    // that take no focus after them.
    std::vector<QAbstractButton*> buttons;
    for (QWidget* w : TTabOrder::ReadingOrder(window)) {
        if (IsButton(w)) {
            buttons.push_back(static_cast<QAbstractButton*>(w));
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (IsButton(button) && button->window() == window &&
            std::find(buttons.begin(), buttons.end(), button) == buttons.end()) {
            buttons.push_back(button);
        }
    }

    struct Choice {
        QAbstractButton* button;
        QString text;
        Pages pages;
        std::vector<int> candidates;
        bool common;
        int position = -1;
    };
    std::vector<Choice> choices;
    for (QAbstractButton* button : buttons) {
        const QString text = button->text();
        if (text.isEmpty() || text.contains(u'&')) {
            continue;
        }
        const QChar preferred = PreferredLetter(text);
        choices.push_back({button, text, PagesOf(button, window), Candidates(text, preferred),
                           !preferred.isNull()});
    }
    const std::vector<Claim> fixed = ExistingClaims(window, nullptr);
    const auto letterOf = [&](const Choice& c, int position) { return c.text[position].toLower(); };
    // Whether `letter` is free for choice `self`, leaving choice `ignored` out of account.
    const auto isFree = [&](QChar letter, std::size_t self, std::size_t ignored) {
        if (!Free(letter, choices[self].pages, fixed)) {
            return false;
        }
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const Choice& other = choices[i];
            if (i != self && i != ignored && other.position >= 0 &&
                letterOf(other, other.position) == letter &&
                !NeverTogether(other.pages, choices[self].pages)) {
                return false;
            }
        }
        return true;
    };
    const auto pick = [&](std::size_t i) {
        for (int position : choices[i].candidates) {
            if (isFree(letterOf(choices[i], position), i, i)) {
                choices[i].position = position;
                return;
            }
        }
    };
    // The common captions first, so that they keep their usual letter; then the others.
    for (bool common : {true, false}) {
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (choices[i].common == common) {
                pick(i);
            }
        }
    }
    // A button left without a letter may take one from another (not a common caption) that can
    // move to a letter of its own still free.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].position >= 0) {
            continue;
        }
        for (int wanted : choices[i].candidates) {
            const QChar letter = letterOf(choices[i], wanted);
            if (!Free(letter, choices[i].pages, fixed)) {
                continue;
            }
            std::vector<std::size_t> holders;
            for (std::size_t j = 0; j < choices.size(); ++j) {
                if (j != i && choices[j].position >= 0 &&
                    letterOf(choices[j], choices[j].position) == letter &&
                    !NeverTogether(choices[j].pages, choices[i].pages)) {
                    holders.push_back(j);
                }
            }
            if (holders.size() != 1 || choices[holders[0]].common) {
                continue;
            }
            Choice& holder = choices[holders[0]];
            for (int other : holder.candidates) {
                const QChar moved = letterOf(holder, other);
                if (moved != letter && isFree(moved, holders[0], holders[0]) &&
                    (moved != letter || NeverTogether(holder.pages, choices[i].pages))) {
                    holder.position = other;
                    choices[i].position = wanted;
                    break;
                }
            }
            if (choices[i].position >= 0) {
                break;
            }
        }
    }
    for (const Choice& c : choices) {
        if (c.position < 0) {
            continue;
        }
        QString shown = c.text;
        shown.insert(c.position, u'&');
        c.button->setText(shown);
        c.button->setProperty(Added, true);
    }
}

void SetText(QAbstractButton* button, const QString& text) {
    button->setProperty(Added, false);
    button->setText(text);
    QWidget* window = button->window();
    if (window == button || !IsButton(button) || !window->property(WindowDone).toBool()) {
        return;
    }
    std::vector<Claim> claims = ExistingClaims(window, button);
    Give(button, window, claims);
}

QString PlainText(const QAbstractButton* button) {
    QString text = button->text();
    if (button->property(Added).toBool()) {
        text.remove(u'&');
    }
    return text;
}

} // namespace TMnemonics
