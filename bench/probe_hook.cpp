#include "probe_hook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <chrono>

namespace probe {

long long now_ns()
{
    // CLOCK_MONOTONIC, the same clock in every process.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void mark(const char* name)
{
    std::printf("mark %s %lld\n", name, now_ns());
    std::fflush(stdout);
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
    std::fflush(stdout);
}

namespace {

Roles& roles()
{
    static Roles r;
    return r;
}

}  // namespace

}  // namespace probe

// Named plainly so that a profiler can be told to collect only inside it.
extern "C" __attribute__((noinline)) void probe_tick_loop(QWidget* window, int ticks)
{
    for (int i = 1; i <= ticks; ++i) {
        probe::roles().tick(window, i);
        QCoreApplication::processEvents();
        if (i == 200)
            probe::memory("ticks_200");
    }
}

namespace probe {
namespace {

class Watcher : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Expose && object->isWindowType()) {
            if (stage_ == 0 && seen_first_show_ && !seen_first_expose_) {
                seen_first_expose_ = true;
                mark("first_expose");
            } else if (stage_ == 1 && seen_second_show_ && !seen_second_expose_) {
                seen_second_expose_ = true;
                mark("second_expose");
            }
            return false;
        }
        if ((type != QEvent::Show && type != QEvent::Paint) || !object->isWidgetType())
            return false;
        QWidget* window = static_cast<QWidget*>(object)->window();
        if (stage_ == 0 && roles().is_first(window)) {
            if (type == QEvent::Show && object == window && !seen_first_show_) {
                seen_first_show_ = true;
                mark("first_shown");
            } else if (type == QEvent::Paint && !seen_first_paint_) {
                seen_first_paint_ = true;
                mark("first_paint_begin");
                QPointer<QWidget> w(window);
                // Runs once this paint, its siblings' and the flush are over.
                QMetaObject::invokeMethod(
                    this, [this, w] { first_painted(w); }, Qt::QueuedConnection);
            }
        } else if (stage_ == 1 && roles().is_second(window)) {
            if (type == QEvent::Show && object == window && !seen_second_show_) {
                seen_second_show_ = true;
                mark("second_shown");
            } else if (type == QEvent::Paint && !seen_second_paint_) {
                seen_second_paint_ = true;
                mark("second_paint_begin");
                QPointer<QWidget> w(window);
                QMetaObject::invokeMethod(
                    this, [this, w] { second_painted(w); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void first_painted(QPointer<QWidget> window)
    {
        mark("first_painted");
        memory("first");
        stage_ = 1;
        mark("next");
        if (window)
            roles().next(window);
    }

    void second_painted(QPointer<QWidget> window)
    {
        mark("second_painted");
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

    int stage_ = 0;
    bool seen_first_show_ = false, seen_first_expose_ = false, seen_first_paint_ = false;
    bool seen_second_show_ = false, seen_second_expose_ = false, seen_second_paint_ = false;
};

void start()
{
    mark("app");
    auto* watcher = new Watcher;
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace

void install(Roles r)
{
    roles() = std::move(r);
    qAddPreRoutine(start);
}

}  // namespace probe
