#pragma once

#include <memory>

// The pump that lets the global session do its work on the window thread: a 20 ms timer for
// time-outs and retransmissions, and a watcher on every socket of the session so that an
// answer is processed as soon as it arrives. Both call the global session's
// ProcessPendingEvents, never nested: while processing runs (a completion may open a modal
// loop) the timer is stopped and a socket that becomes readable is put aside until the
// processing has returned.
//
// Constructed stopped and without Qt objects, so it can live in a static before any
// application object exists; the timer and the socket watchers are created once a
// QCoreApplication exists (on Start, when a socket is watched, or on Attach), and are owned
// by that application object, so a pump outlives the application without dangling.
class SnmpEventProcessor {
public:
    static constexpr int IntervalMs = 20;

    SnmpEventProcessor();
    ~SnmpEventProcessor();
    SnmpEventProcessor(const SnmpEventProcessor&) = delete;
    SnmpEventProcessor& operator=(const SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    bool IsRunning() const;

    // Creates the timer and the socket watchers if an application object now exists.
    void Attach();

    // The sockets of the session's transports. A socket is unwatched before it is closed.
    void WatchSocket(int fd);
    void UnwatchSocket(int fd);

    // Processes the session's pending events as soon as the event loop runs again (an outcome
    // posted without an exchange), instead of at the next tick.
    void Wake();

    // True while a tick or a socket event is being processed.
    bool IsProcessing() const;

private:
    void Tick();
    void SocketReady(int fd);
    // Runs the session's processing; `readableSocket` is a socket just seen readable, or -1.
    void Process(int readableSocket = -1);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
