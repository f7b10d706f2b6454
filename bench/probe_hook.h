#pragma once
// A hook for measuring a program from the outside. Installed before the application object is
// made, it watches every event from then on and prints on standard output, one line each:
//
//   mark NAME NANOSECONDS    CLOCK_MONOTONIC, comparable with the parent's clock
//   cpu NAME NANOSECONDS     the process's CPU time so far
//   mem NAME HWM_KB RSS_KB   VmHWM and VmRSS from /proc/self/status
//   tick FIRE_NS PAINT_NS    one tick on the second window: its handler, then the repaint
//
// Milestones: "app" (the application object is being made), "first_shown", "first_painted"
// (the first window's first paint is over and the event loop is back), "next" (the second
// window asked for, PROBE_NEXT_MS after that, 500 by default: no pupil reads and clicks
// sooner), "second_shown", "second_painted", then PROBE_TICKS ticks and "done". The process
// then leaves its event loop.

#include <functional>

class QWidget;

namespace probe {

struct Roles {
    std::function<bool(QWidget*)> is_first;    // the window the program opens with
    std::function<bool(QWidget*)> is_second;   // the window that "next" opens
    std::function<void(QWidget*)> next;        // presses "next" on the first window
    std::function<void(QWidget*, int)> tick;   // one tick on the second window
    std::function<void(QWidget*)> first_shown = [](QWidget*) {};  // the first window is shown
};

// Call before the application object is made.
void install(Roles roles);

void mark(const char* name);
void cpu(const char* name);
void memory(const char* name);

}  // namespace probe
