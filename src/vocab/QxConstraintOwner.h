#pragma once

#include <string>

// The form that owns the edit constraints of its fields: it shows their messages, sounds the
// warning of a refused character and takes the requests to move the focus on. The toolkit
// implements it over a form.
class QxConstraintOwner {
public:
    virtual ~QxConstraintOwner() = default;

    // A modal box with the text and an OK button, owned by the form's window, with the program
    // file's name as caption.
    virtual void ShowMessage(const std::string& text) = 0;
    // The short warning sound of refused input.
    virtual void Beep() = 0;
    // Queues moving the focus to the next control in tab order. Posted, not done at once, so
    // that it happens after the change event that asked for it has returned.
    virtual void PostFocusNext() = 0;
};
