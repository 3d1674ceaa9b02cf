#include "ui/toolkit/TMessageBox.h"

#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TText.h"

#include <QMessageBox>

#include <deque>

namespace {

struct ScriptState {
    std::deque<TModalResult> queue;
    std::vector<MessageScript::Entry> log;
    int unanswered = 0;
    bool scriptMode = false;
};

ScriptState& Script() {
    static ScriptState state;
    return state;
}

// The answer a user gets by dismissing the box without choosing.
TModalResult EscapeAnswer(TMsgButtons buttons) {
    switch (buttons) {
    case mbOK:
        return mrOk;
    case mbYesNo:
        return mrNo;
    case mbAbortRetryIgnore:
        return mrAbort;
    default:
        return mrCancel;
    }
}

QMessageBox::StandardButtons QtButtons(TMsgButtons buttons) {
    switch (buttons) {
    case mbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case mbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case mbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case mbRetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case mbAbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon QtIcon(TMsgIcon icon) {
    switch (icon) {
    case miInformation:
        return QMessageBox::Information;
    case miWarning:
        return QMessageBox::Warning;
    case miError:
        return QMessageBox::Critical;
    case miQuestion:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

TModalResult FromQt(int button, TMsgButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return mrOk;
    case QMessageBox::Cancel:
        return mrCancel;
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Abort:
        return mrAbort;
    case QMessageBox::Retry:
        return mrRetry;
    case QMessageBox::Ignore:
        return mrIgnore;
    default:
        return EscapeAnswer(buttons);
    }
}

} // namespace

void MessageScript::Push(TModalResult answer) {
    Script().queue.push_back(answer);
}

void MessageScript::SetScriptMode(bool on) {
    Script().scriptMode = on;
}

bool MessageScript::ScriptMode() {
    return Script().scriptMode;
}

const std::vector<MessageScript::Entry>& MessageScript::Log() {
    return Script().log;
}

int MessageScript::Unanswered() {
    return Script().unanswered;
}

int MessageScript::Pending() {
    return static_cast<int>(Script().queue.size());
}

void MessageScript::Clear() {
    ScriptState& s = Script();
    s.queue.clear();
    s.log.clear();
    s.unanswered = 0;
}

bool MessageScript::Answer(const std::string& text, const std::string& caption, TMsgButtons buttons,
                           TMsgIcon icon, TModalResult& answer) {
    ScriptState& s = Script();
    if (s.queue.empty() && !s.scriptMode) {
        return false;
    }
    Entry entry{caption, text, buttons, icon, mrNone, !s.queue.empty()};
    if (entry.scripted) {
        answer = s.queue.front();
        s.queue.pop_front();
    } else {
        answer = EscapeAnswer(buttons);
        ++s.unanswered;
    }
    entry.answer = answer;
    s.log.push_back(entry);
    return true;
}

TModalResult MessageBox(const std::string& text, const std::string& caption, TMsgButtons buttons,
                        TMsgIcon icon, QWidget* owner) {
    TModalResult answer = mrNone;
    if (MessageScript::Answer(text, caption, buttons, icon, answer)) {
        return answer;
    }
    QWidget* parent = owner != nullptr ? owner->window() : QApplication::activeWindow();
    QMessageBox box(QtIcon(icon), ToQString(caption), ToQString(text), QtButtons(buttons), parent);
    // Texts come from message files, device values and exceptions: never guess markup in them.
    box.setTextFormat(Qt::PlainText);
    return FromQt(box.exec(), buttons);
}

void ShowMessage(const std::string& text, QWidget* owner) {
    MessageBox(text, Application().Title(), mbOK, miNone, owner);
}
