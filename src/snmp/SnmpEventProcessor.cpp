#include "snmp/SnmpEventProcessor.h"

#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

struct SnmpEventProcessor::Impl {
    bool started = false;
    bool busy = false;
    bool wakePending = false;
    QPointer<QTimer> timer;
    std::map<int, QPointer<QSocketNotifier>> sockets;
    // Sockets that became readable while processing ran; their watchers are off until it ends.
    std::vector<int> putAside;
    // Short waits for an answer still to be skipped, and how many a miss skips now.
    int waitsToSkip = 0;
    int skipAfterMiss = 0;
};

namespace {

// The longest one processing round keeps the window thread while answers come quickly, the
// longest it waits for one answer, and the most waits a run of misses skips.
constexpr std::chrono::milliseconds BurstSlice{8};
constexpr std::chrono::microseconds QuickWait{1000};
constexpr int MaxWaitsSkipped = 63;

// Runs a function when the scope is left, also by an exception.
template <class F> struct AtExit {
    F f;
    ~AtExit() { f(); }
};
template <class F> AtExit(F) -> AtExit<F>;

void Retire(QSocketNotifier* notifier) {
    if (notifier != nullptr) {
        // Off at once (the socket is about to be closed), deleted once control is back in the
        // event loop, as it may be the very watcher whose signal is being handled.
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
}

} // namespace

SnmpEventProcessor::SnmpEventProcessor() : impl_(std::make_unique<Impl>()) {}

SnmpEventProcessor::~SnmpEventProcessor() {
    Stop();
    delete impl_->timer.data();
    for (auto& [fd, notifier] : impl_->sockets) {
        delete notifier.data();
    }
}

void SnmpEventProcessor::Start() {
    impl_->started = true;
    Attach();
    if (impl_->timer) {
        impl_->timer->start();
    }
    for (auto& [fd, notifier] : impl_->sockets) {
        if (notifier) {
            notifier->setEnabled(true);
        }
    }
    impl_->putAside.clear();
}

void SnmpEventProcessor::Stop() {
    impl_->started = false;
    if (impl_->timer) {
        impl_->timer->stop();
    }
    for (auto& [fd, notifier] : impl_->sockets) {
        if (notifier) {
            notifier->setEnabled(false);
        }
    }
}

bool SnmpEventProcessor::IsRunning() const {
    return impl_->started;
}

void SnmpEventProcessor::Attach() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    if (!impl_->timer) {
        auto* timer = new QTimer(app);
        timer->setInterval(IntervalMs);
        QObject::connect(timer, &QTimer::timeout, timer, [this] { Tick(); });
        impl_->timer = timer;
        if (impl_->started) {
            timer->start();
        }
    }
    for (auto& [fd, notifier] : impl_->sockets) {
        if (!notifier) {
            auto* created = new QSocketNotifier(fd, QSocketNotifier::Read, app);
            int socket = fd;
            QObject::connect(created, &QSocketNotifier::activated, created,
                             [this, socket] { SocketReady(socket); });
            created->setEnabled(impl_->started);
            notifier = created;
        }
    }
}

void SnmpEventProcessor::WatchSocket(int fd) {
    if (fd < 0) {
        return;
    }
    auto it = impl_->sockets.find(fd);
    if (it != impl_->sockets.end()) {
        Retire(it->second.data()); // a closed socket's number given out again
        it->second.clear();
    } else {
        impl_->sockets.emplace(fd, nullptr);
    }
    Attach();
}

void SnmpEventProcessor::UnwatchSocket(int fd) {
    auto it = impl_->sockets.find(fd);
    if (it == impl_->sockets.end()) {
        return;
    }
    Retire(it->second.data());
    impl_->sockets.erase(it);
    std::erase(impl_->putAside, fd);
}

bool SnmpEventProcessor::IsProcessing() const {
    const QxSNMPSession* session = QxSNMPSession::Global();
    return impl_->busy || (session != nullptr && session->IsProcessing());
}

void SnmpEventProcessor::Wake() {
    Attach();
    if (!impl_->started || !impl_->timer || impl_->wakePending) {
        return;
    }
    impl_->wakePending = true;
    QMetaObject::invokeMethod(
        impl_->timer.data(),
        [this] {
            impl_->wakePending = false;
            if (impl_->started && !IsProcessing()) {
                Process();
            }
        },
        Qt::QueuedConnection);
}

void SnmpEventProcessor::Tick() {
    // The timer stays off for the whole processing, including any event loop a completion
    // runs, so the tick is never entered twice.
    if (impl_->timer) {
        impl_->timer->stop();
    }
    AtExit restart{[this] {
        if (impl_->started && impl_->timer) {
            impl_->timer->start();
        }
    }};
    if (!IsProcessing()) {
        Process();
    }
}

void SnmpEventProcessor::SocketReady(int fd) {
    if (IsProcessing()) {
        // A level-triggered watcher would fire again at once; it stays off until the
        // processing that is running now has returned and read the socket anyway.
        auto it = impl_->sockets.find(fd);
        if (it != impl_->sockets.end() && it->second) {
            it->second->setEnabled(false);
            impl_->putAside.push_back(fd);
        }
        return;
    }
    Process(fd);
}

void SnmpEventProcessor::Process(int readableSocket) {
    impl_->busy = true;
    AtExit done{[this] {
        impl_->busy = false;
        std::vector<int> putAside;
        putAside.swap(impl_->putAside);
        for (int fd : putAside) {
            auto it = impl_->sockets.find(fd);
            if (it != impl_->sockets.end() && it->second && impl_->started) {
                it->second->setEnabled(true);
            }
        }
    }};
    QxSNMPSession* session = QxSNMPSession::Global();
    if (session == nullptr) {
        return;
    }
    // A walk sends its next request from the completion of the last one. An agent nearby
    // answers that within a fraction of a millisecond, so the answer is waited for here, within
    // a bounded slice, rather than through another round of the event loop for every
    // exchange. After a wait that saw no answer (a slow or distant device) the next ones are
    // skipped, more of them each time, so a slow device never holds up the window.
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        session->ProcessPendingEvents(readableSocket);
        if (impl_->waitsToSkip > 0) {
            --impl_->waitsToSkip;
            return;
        }
        if (std::chrono::steady_clock::now() - start >= BurstSlice) {
            return;
        }
        readableSocket = session->AwaitAnswer(QuickWait);
        if (readableSocket < 0) {
            impl_->skipAfterMiss = std::min(impl_->skipAfterMiss * 2 + 1, MaxWaitsSkipped);
            impl_->waitsToSkip = impl_->skipAfterMiss;
            return;
        }
        impl_->skipAfterMiss = 0;
    }
}
