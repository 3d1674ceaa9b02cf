#pragma once

#include <functional>
#include <string>

// The few operations an edit constraint needs of a one-line text field: its text, the maximum
// number of characters the user may type, its width, the change and exit handlers it takes
// over, the Tag by which a chained handler vetoes, and the focus. The toolkit's edit
// implements it.
class QxTextField {
public:
    using Handler = std::function<void()>;

    virtual ~QxTextField() = default;

    virtual std::string Text() const = 0;
    // Runs the change handler when the text differs from the old one.
    virtual void SetText(const std::string& text) = 0;
    // 0: no limit.
    virtual int MaxLength() const = 0;
    virtual void SetMaxLength(int length) = 0;
    // In pixels.
    virtual int Width() const = 0;
    virtual void SetWidth(int width) = 0;
    // -1 after a handler means that handler vetoed the rest of the event.
    virtual int Tag() const = 0;
    virtual bool Focused() const = 0;
    virtual void SetFocus() = 0;

    // The handler fields themselves, so that a constraint can save, install and restore them.
    // The change handler runs after every change of the text, the exit handler when the focus
    // leaves the field for another control of its window.
    virtual Handler& ChangeHandler() = 0;
    virtual Handler& ExitHandler() = 0;
};
