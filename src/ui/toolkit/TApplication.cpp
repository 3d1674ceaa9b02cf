#include "ui/toolkit/TApplication.h"

#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

TApplication* theApplication = nullptr;

bool TakesTabFocus(const QWidget* w, const QWidget* window) {
    return w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           w->isVisible() && w->isEnabled();
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    theApplication = this;
    // The arguments as the bytes they were given in, not decoded: a community or pass phrase in
    // another 8-bit encoding must reach the device unchanged. The constructor above has taken
    // Qt's own options out of argv.
    for (int i = 1; i < argc; ++i) {
        arguments_.emplace_back(argv[i]);
    }
    title_ = ExeFileName();
}

TApplication::~TApplication() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

std::string TApplication::ExeName() const {
    return ToStdString(QCoreApplication::applicationFilePath());
}

std::string TApplication::ExeFolder() const {
    std::string folder = ToStdString(QCoreApplication::applicationDirPath());
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string TApplication::ExeFileName() const {
    return ToStdString(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

int TApplication::Run() {
    if (terminated_) {
        return exitCode_;
    }
    const int status = exec();
    return terminated_ ? exitCode_ : status;
}

void TApplication::Terminate(int exitCode) {
    terminated_ = true;
    exitCode_ = exitCode;
    // exit() ends every event loop running on this thread, modal ones included, once control
    // returns to them.
    QCoreApplication::exit(exitCode);
}

void TApplication::ResetTerminated() {
    if (!terminated_) {
        return;
    }
    terminated_ = false;
    exitCode_ = 0;
    // After exit() Qt ends every new event loop at once until its main loop has run again; one
    // short turn of the main loop clears that.
    QMetaObject::invokeMethod(
        this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    exec();
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ShowException(const std::exception& error) {
    ShowException(error.what());
}

void TApplication::ShowException(const std::string& text) {
    MessageBox(text, title_, mbOK, miError);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::string("Unknown error"));
    }
    return false;
}

TApplication& Application() {
    if (theApplication == nullptr) {
        std::fputs("TApplication used before it was created\n", stderr);
        std::abort();
    }
    return *theApplication;
}

void CallGuarded(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& error) {
        Application().ShowException(error);
    } catch (...) {
        Application().ShowException(std::string("Unknown error"));
    }
}

void PostCall(QObject* context, std::function<void()> call) {
    auto shared = std::make_shared<std::function<void()>>(std::move(call));
    QMetaObject::invokeMethod(
        context, [shared] { CallGuarded(*shared); }, Qt::QueuedConnection);
}

namespace {

int waitDepth = 0;

} // namespace

bool WaitWithoutInput(const std::function<bool()>& done,
                      std::chrono::steady_clock::time_point deadline) {
    if (done()) {
        return true;
    }
    ++waitDepth;
    struct Leave {
        ~Leave() { --waitDepth; }
    } leave;
    QTimer wake; // the wait below sleeps until an event comes, or this timer
    wake.start(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool InWaitWithoutInput() {
    return waitDepth > 0;
}

namespace {

// Runs the call now, or, within a wait, tries again a little later.
void RunOutsideWaits(const QPointer<QObject>& guard,
                     const std::shared_ptr<std::function<void()>>& call) {
    if (guard == nullptr) {
        return;
    }
    if (InWaitWithoutInput()) {
        QTimer::singleShot(20, guard.data(), [guard, call] { RunOutsideWaits(guard, call); });
        return;
    }
    CallGuarded(*call);
}

} // namespace

void PostOutsideWaits(QObject* context, std::function<void()> call) {
    auto shared = std::make_shared<std::function<void()>>(std::move(call));
    QPointer<QObject> guard(context);
    QMetaObject::invokeMethod(
        context, [guard, shared] { RunOutsideWaits(guard, shared); }, Qt::QueuedConnection);
}

void PostFocusNext(QWidget* widget) {
    QPointer<QWidget> window(widget != nullptr ? widget->window() : nullptr);
    if (window == nullptr) {
        return;
    }
    PostCall(window, [window] {
        QWidget* from = window->focusWidget();
        if (from == nullptr) {
            from = window;
        }
        for (QWidget* w = from->nextInFocusChain(); w != nullptr && w != from;
             w = w->nextInFocusChain()) {
            if (TakesTabFocus(w, window)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    });
}

void Beep() {
    QApplication::beep();
}
