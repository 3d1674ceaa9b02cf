#include "ui/toolkit/TTimer.h"

#include "ui/toolkit/TApplication.h"

#include <QPointer>

TTimer::TTimer(QObject* owner) : QObject(owner) {
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    Update();
}

TTimer::~TTimer() {
    timer_.stop();
}

void TTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::Update() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

void TTimer::Tick() {
    if (running_) {
        return;
    }
    if (!OnTimer) {
        return;
    }
    QPointer<TTimer> alive(this);
    running_ = true;
    // A copy runs, so that the handler may replace OnTimer.
    const std::function<void()> handler = OnTimer;
    CallGuarded(handler);
    if (alive) {
        running_ = false;
    }
}
