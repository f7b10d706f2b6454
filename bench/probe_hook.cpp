#include "probe_hook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace probe {
namespace {

long long clock_ns(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

Roles& roles()
{
    static Roles r;
    return r;
}

}  // namespace

void mark(const char* name)
{
    std::printf("mark %s %lld\n", name, clock_ns(CLOCK_MONOTONIC));
    std::fflush(stdout);
}

void cpu(const char* name)
{
    std::printf("cpu %s %lld\n", name, clock_ns(CLOCK_PROCESS_CPUTIME_ID));
}

void memory(const char* name)
{
    long hwm = -1, rss = -1;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                hwm = std::strtol(line + 6, nullptr, 10);
            else if (std::strncmp(line, "VmRSS:", 6) == 0)
                rss = std::strtol(line + 6, nullptr, 10);
        }
        std::fclose(f);
    }
    std::printf("mem %s %ld %ld\n", name, hwm, rss);
}

}  // namespace probe

// Named plainly, and kept out of line, so that a profiler can collect only inside the loop and
// tell the tick's handler from its repaint.
extern "C" __attribute__((noinline)) void probe_tick_fire(QWidget* window, int i)
{
    probe::roles().tick(window, i);
}

extern "C" __attribute__((noinline)) void probe_tick_paint()
{
    QCoreApplication::sendPostedEvents();  // the repaint the tick asked for
    QCoreApplication::processEvents();
}

extern "C" __attribute__((noinline)) void probe_tick_loop(QWidget* window, int ticks)
{
    for (int i = 1; i <= ticks; ++i) {
        const long long a = probe::clock_ns(CLOCK_MONOTONIC);
        probe_tick_fire(window, i);
        const long long b = probe::clock_ns(CLOCK_MONOTONIC);
        probe_tick_paint();
        const long long c = probe::clock_ns(CLOCK_MONOTONIC);
        std::printf("tick %lld %lld\n", b - a, c - b);
        if (i == 200)
            probe::memory("ticks_200");
    }
}

namespace probe {
namespace {

// Marks `name` once the paint that is under way and its flush are over.
void after_paint(QObject* context, const char* name, std::function<void()> then)
{
    QMetaObject::invokeMethod(
        context, [name, then] { mark(name); cpu(name); then(); }, Qt::QueuedConnection);
}

class Watcher : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if ((event->type() != QEvent::Show && event->type() != QEvent::Paint) ||
            !object->isWidgetType())
            return false;
        // A window drawn while hidden (the program prepares the second so) is not on screen yet.
        QWidget* window = static_cast<QWidget*>(object)->window();
        if (!window->isVisible())
            return false;
        const bool first = stage_ == 0 && roles().is_first(window);
        if (!first && !(stage_ == 1 && roles().is_second(window)))
            return false;
        if (event->type() == QEvent::Show && object == window && !shown_) {
            shown_ = true;
            mark(first ? "first_shown" : "second_shown");
            if (first)
                roles().first_shown(window);
        } else if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QPointer<QWidget> w(window);
            if (first)
                after_paint(this, "first_painted", [this, w] { press_next(w); });
            else
                after_paint(this, "second_painted", [this, w] { run_ticks(w); });
        }
        return false;
    }

private:
    void press_next(QPointer<QWidget> window)
    {
        memory("first");
        stage_ = 1;
        shown_ = painted_ = false;
        const char* delay = std::getenv("PROBE_NEXT_MS");
        QTimer::singleShot(delay ? std::atoi(delay) : 500, this, [window] {
            if (!window)
                return;
            mark("next");
            cpu("next");
            roles().next(window);
        });
    }

    void run_ticks(QPointer<QWidget> window)
    {
        memory("loaded");
        stage_ = 2;
        const int ticks = std::atoi(qgetenv("PROBE_TICKS").constData());
        if (ticks > 0 && window) {
            probe_tick_loop(window, ticks);
            memory("ticks");
        }
        mark("done");
        QCoreApplication::exit(0);
    }

    int stage_ = 0;  // 0: the first window, 1: the second, 2: done
    bool shown_ = false, painted_ = false;
};

void start()
{
    mark("app");
    QCoreApplication::instance()->installEventFilter(new Watcher);
}

}  // namespace

void install(Roles r)
{
    roles() = std::move(r);
    qAddPreRoutine(start);
}

}  // namespace probe
