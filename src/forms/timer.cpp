#include "timer.h"

#include "error_report.h"

namespace tesselka::forms {

Timer::Timer(QObject* parent, int interval_ms) : QObject(parent)
{
    timer_.setInterval(interval_ms);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void Timer::set_enabled(bool enabled)
{
    if (!enabled)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

void Timer::fire()
{
    if (handler_)
        run_guarded(handler_);
}

}  // namespace tesselka::forms
