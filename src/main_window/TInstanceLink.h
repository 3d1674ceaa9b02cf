#pragma once

#include <QObject>

#include <memory>
#include <string>

class QLocalServer;
class QWidget;

// Finds a running instance by its main window's title and brings that window to the front.
// Each main window answers on a local socket named after its title; a later start for the same
// title connects, asks it to come to the front and ends.
//
// The sockets live in the abstract namespace: no file, so their names depend neither on TMPDIR
// nor on its length, and an instance that ended abnormally leaves nothing behind that a later
// start would have to remove. Taking a name either succeeds or finds it taken, atomically, so it
// is also the lock between starts: of two starts racing for one title exactly one gets it. Only
// instances of the same user are asked or answered.
class TInstanceLink : public QObject {
public:
    explicit TInstanceLink(QWidget* window = nullptr);
    ~TInstanceLink() override;

    // The window brought to the front when a later start asks.
    void SetWindow(QWidget* window) { window_ = window; }

    // The start-up check for a title. True: no running instance holds the title and this link
    // now does, until Listen moves it to the window's own title (or no name could be had at
    // all: the start goes on). False: a running instance holds it and has been asked to come to
    // the front; this start ends.
    bool Claim(const std::string& title, int waitMs = 2000);

    // Answers under the window's title from now on, giving up a title claimed at start-up if it
    // is another one. False when another instance holds this title: that one keeps it.
    bool Listen(const std::string& title);

    // Gives the title up: a later start for it goes on with its own window.
    void Release();

    // The title this link answers under; empty when none.
    const std::string& Title() const { return title_; }

    // True when a running instance holds the title: it has been asked to come to the front.
    static bool RaiseExisting(const std::string& title, int waitMs = 2000);

    // True when a running instance holds the title; it is asked nothing.
    static bool Held(const std::string& title, int waitMs = 500);

    // The local socket name for a window title.
    static std::string ServerName(const std::string& title);

private:
    std::unique_ptr<QLocalServer> Bind(const std::string& title);
    void Answer(QLocalServer* server);

    QWidget* window_;
    std::string title_;
    std::unique_ptr<QLocalServer> server_;
};
