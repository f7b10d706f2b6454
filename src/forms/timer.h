#pragma once
// An interval timer driven by the event loop, as the windows use it: an enabled flag and an
// interval in milliseconds. Its handler runs through the error report's guard.

#include <QObject>
#include <QTimer>

#include <functional>

namespace tesselka::forms {

class Timer : public QObject {
public:
    explicit Timer(QObject* parent, int interval_ms);
    ~Timer() override;

    bool enabled() const { return timer_.isActive(); }
    // Enabling a timer that is already running leaves its countdown alone.
    void set_enabled(bool enabled);
    int interval() const { return timer_.interval(); }
    // A running timer starts counting the new interval afresh.
    void set_interval(int ms) { timer_.setInterval(ms); }

    void on_timer(std::function<void()> handler) { handler_ = std::move(handler); }
    // Runs the handler as a tick would; tests drive the timer with it.
    void fire();

private:
    QTimer timer_;
    std::function<void()> handler_;
};

}  // namespace tesselka::forms
