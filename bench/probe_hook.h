#pragma once
// A hook for measuring a program's start-up from the outside. Installed before the application
// object is made, it watches every event from then on and prints each milestone on standard
// output, one line each:
//
//   mark NAME NANOSECONDS      CLOCK_MONOTONIC, comparable with the parent's clock
//   mem NAME HWM_KB RSS_KB     VmHWM and VmRSS from /proc/self/status
//
// Milestones: "app" (the application object is being made), "first_shown", "first_expose",
// "first_paint_begin", "first_painted" (the first paint of the first window has finished and the
// event loop is back), "next" (just before "next" is pressed), the same four for the second
// window, then, when PROBE_TICKS is set, that many ticks on the second window, each with its
// repaint, and "done". The process then leaves its event loop.

#include <functional>

class QWidget;

namespace probe {

struct Roles {
    std::function<bool(QWidget*)> is_first;    // the window the program opens with
    std::function<bool(QWidget*)> is_second;   // the window that "next" opens
    std::function<void(QWidget*)> next;        // presses "next" on the first window
    std::function<void(QWidget*, int)> tick;   // one tick on the second window
};

// Call before the application object is made.
void install(Roles roles);

long long now_ns();
void mark(const char* name);
void memory(const char* name);

}  // namespace probe
