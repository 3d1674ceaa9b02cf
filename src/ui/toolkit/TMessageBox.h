#pragma once

#include <string>
#include <vector>

class QWidget;

// The result of a modal form or message box: the button that ended it.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

// The button sets and icons of a message box.
enum TMsgButtons : int {
    mbOK,
    mbOKCancel,
    mbYesNo,
    mbYesNoCancel,
    mbRetryCancel,
    mbAbortRetryIgnore
};
enum TMsgIcon : int { miNone, miInformation, miWarning, miError, miQuestion };

// Every message box of the program goes through here: a modal box with the text (always plain
// text), the caption, the buttons and the icon, owned by `owner`'s window (the active window
// when none is given).
// Returns the button pressed. With the script below active, no box is shown.
TModalResult MessageBox(const std::string& text, const std::string& caption,
                        TMsgButtons buttons = mbOK, TMsgIcon icon = miNone,
                        QWidget* owner = nullptr);

// A box with an OK button and the application's title as caption.
void ShowMessage(const std::string& text, QWidget* owner = nullptr);

// Answers for message boxes, so that tests never block on one.
//
// A box is answered by the script instead of being shown when an answer is queued or script
// mode is on. It is then recorded in the log and takes the next queued answer. In script mode
// with no answer queued it takes the answer a user gets by closing the box (OK for an OK box,
// No for Yes/No, Cancel where there is a Cancel button, Abort for Abort/Retry/Ignore) and is
// counted as unanswered, which a test can check.
class MessageScript {
public:
    struct Entry {
        std::string caption;
        std::string text;
        TMsgButtons buttons = mbOK;
        TMsgIcon icon = miNone;
        TModalResult answer = mrNone;
        bool scripted = false; // false: the box had no queued answer
    };

    // Queues the answer of the next box.
    static void Push(TModalResult answer);
    static void SetScriptMode(bool on);
    static bool ScriptMode();

    static const std::vector<Entry>& Log();
    // Boxes that came in script mode without a queued answer.
    static int Unanswered();
    // Queued answers no box has taken yet.
    static int Pending();
    // Forgets the queue, the log and the unanswered count (script mode stays as it is).
    static void Clear();

    // Used by MessageBox: true when the script answered, with the answer.
    static bool Answer(const std::string& text, const std::string& caption, TMsgButtons buttons,
                       TMsgIcon icon, TModalResult& answer);
};
