#pragma once

#include "vocab/QxCompositePanel.h"
#include "vocab/QxConstraintOwner.h"
#include "vocab/QxTextField.h"

#include <deque>
#include <string>
#include <vector>

// A text field that behaves like the toolkit's edit: setting a different text runs the change
// handler at once, typing stops at the maximum length, and a Tag of -1 left by a handler lasts
// for that one event.
class FakeTextField : public QxTextField {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override {
        if (t == text) {
            return;
        }
        text = t;
        ++changes;
        Fire(onChange);
    }
    int MaxLength() const override { return maxLength; }
    void SetMaxLength(int length) override { maxLength = length; }
    int Width() const override { return width; }
    void SetWidth(int w) override { width = w; }
    int Tag() const override { return tag; }
    bool Focused() const override { return focused; }
    void SetFocus() override {
        focused = true;
        ++focusRequests;
    }
    Handler& ChangeHandler() override { return onChange; }
    Handler& ExitHandler() override { return onExit; }

    // The user types the characters one by one at the end of the text.
    void Type(const std::string& typed) {
        focused = true;
        for (char c : typed) {
            if (maxLength > 0 && static_cast<int>(text.size()) >= maxLength) {
                continue;
            }
            SetText(text + c);
        }
    }
    // The focus goes to another control of the window.
    void Leave() {
        focused = false;
        Fire(onExit);
    }

    std::string text;
    int maxLength = 0;
    int width = 121;
    int tag = 0;
    bool focused = false;
    int focusRequests = 0;
    int changes = 0;
    Handler onChange;
    Handler onExit;

private:
    void Fire(const Handler& handler) {
        if (!handler) {
            return;
        }
        const int saved = tag;
        const Handler call = handler;
        call();
        if (tag == -1) {
            tag = saved;
        }
    }
};

// The owning form: records messages, beeps and focus-advance requests.
class FakeConstraintOwner : public QxConstraintOwner {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void Beep() override { ++beeps; }
    void PostFocusNext() override { ++advances; }

    std::vector<std::string> messages;
    int beeps = 0;
    int advances = 0;
};

// A panel that records the row laid out on it; a label is 6 pixels per character wide.
class FakeCompositePanel : public QxCompositePanel {
public:
    struct Item {
        bool isField = false;
        std::string text; // a label's text
        int left = 0;
    };

    void ClearFrame() override { frameCleared = true; }
    int AddLabel(const std::string& text, int left) override {
        items.push_back({false, text, left});
        return 6 * static_cast<int>(text.size());
    }
    QxTextField& AddField(int left) override {
        items.push_back({true, "", left});
        return fields.emplace_back();
    }

    bool frameCleared = false;
    std::vector<Item> items;
    std::deque<FakeTextField> fields; // stable addresses
};
