#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A repeating timer on the window thread. It runs while Enabled and Interval > 0 (an interval
// of 0 stops it instead of firing without pause) and calls OnTimer at each tick. OnTimer never
// runs inside itself: a handler that processes events gets no nested tick. A new timer is
// enabled with an interval of 1000 ms; changing the interval starts the count again.
class TTimer : public QObject {
public:
    explicit TTimer(QObject* owner = nullptr);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // True while the underlying timer counts.
    bool Active() const { return timer_.isActive(); }

    std::function<void()> OnTimer;

private:
    void Update();
    void Tick();

    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = true;
    bool running_ = false;
};
