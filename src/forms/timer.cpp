#include "timer.h"

#include "error_report.h"

#include <vector>

namespace tesselka::forms {

namespace {

// Every timer of the program. The error report stops them all before its message shows.
std::vector<Timer*>& all_timers()
{
    static std::vector<Timer*> timers = [] {
        before_report([] {
            for (Timer* timer : all_timers())
                timer->set_enabled(false);
        });
        return std::vector<Timer*>();
    }();
    return timers;
}

}  // namespace

Timer::Timer(QObject* parent, int interval_ms) : QObject(parent)
{
    timer_.setInterval(interval_ms);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
    all_timers().push_back(this);
}

Timer::~Timer() { std::erase(all_timers(), this); }

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
