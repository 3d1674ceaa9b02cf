#pragma once

#include <QApplication>

#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <vector>

class TForm;

// The application object: the program's path and arguments, its title, the main form, and
// the event loop with processing of pending events and termination. Exactly one exists; the
// process entry (and the UI tests' entry) creates it on the stack before any window.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The program file with its full path, its folder ending in "/", and its name alone.
    std::string ExeName() const;
    std::string ExeFolder() const;
    std::string ExeFileName() const;
    // The command-line arguments after the program name, as given: the bytes, not decoded.
    const std::vector<std::string>& Arguments() const { return arguments_; }

    // Caption of the standard boxes; the program file's name at first.
    std::string Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The main form: closing it ends the program; forms centred on "the main form" use it.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Runs the event loop until Terminate; returns at once if Terminate came first.
    int Run();
    // Ends the event loop, and any modal loop, once the current handler has returned. Event
    // loops started after this (a modal form, a message box) return at once. Run then returns
    // `exitCode`.
    void Terminate(int exitCode = 0);
    bool Terminated() const { return terminated_; }
    int ExitCode() const { return exitCode_; }
    // Tests only: forget an earlier Terminate, so that event loops run again.
    void ResetTerminated();
    // Handles the events that are waiting, once, and returns.
    static void ProcessMessages();

    // The standard error box: the exception's text, the title as caption, an OK button.
    void ShowException(const std::exception& error);
    void ShowException(const std::string& text);

    // The backstop for exceptions that escape an event outside the toolkit's handlers.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::vector<std::string> arguments_;
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
};

// The one application object. Using it before it exists is a programming error (aborts).
TApplication& Application();

// Runs a call; an exception escaping it is shown in the standard error box.
void CallGuarded(const std::function<void()>& call);

// Queues a call to run on the window thread once the event loop - the main one, a modal one,
// or ProcessMessages - next handles events; it is dropped if `context` is destroyed first.
void PostCall(QObject* context, std::function<void()> call);

// Waits, handling every event but the user's input (clicks and keys stay queued for later),
// until `done` holds or `deadline` has passed; sleeps while nothing happens, waking at least
// every 20 ms. No window can be closed and no button pressed while it waits, so the caller's
// objects are still there when it returns. True when `done` held.
bool WaitWithoutInput(const std::function<bool()>& done,
                      std::chrono::steady_clock::time_point deadline);

// True while a WaitWithoutInput runs anywhere below on the stack.
bool InWaitWithoutInput();

// Like PostCall, but the call runs only outside every WaitWithoutInput: a call that opens a
// dialog (whose loop takes the user's input) must not run inside a wait that relies on none.
void PostOutsideWaits(QObject* context, std::function<void()> call);

// Queues moving the focus of the window that holds `widget` to the next control in tab order
// (skipping controls that are hidden, disabled or no tab stop).
void PostFocusNext(QWidget* widget);

// The short warning sound of refused input.
void Beep();
