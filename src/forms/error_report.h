#pragma once
// The one path of a run-time error. Every event handler runs through run_guarded, so no
// exception ever crosses Qt's event loop: an error ends the handler at the step where it arose
// (what was set before keeps its value) and goes to the uncaught-error report.

#include "model/runtime_error.h"

#include <QString>

#include <functional>

namespace tesselka::forms {

// The report's text, in Japanese: the error's number, what it means, and what failed.
QString error_message(const RuntimeError& error);

// The report. By default it writes the message to standard error, stops every timer, shows the
// message in one message box and ends the program with exit status 1; an error raised while
// that box is up goes to standard error only. Tests put their own in place; returns the one
// before.
using ErrorReporter = std::function<void(const RuntimeError&)>;
ErrorReporter set_error_reporter(ErrorReporter reporter);

// How the default report shows its message: a modal message box where one can be seen. Tests
// put their own in place; returns the one before.
using ReportDialog = std::function<void(const QString& text)>;
ReportDialog set_report_dialog(ReportDialog dialog);

// Adds a step the default report takes before its message shows, so that nothing runs on behind
// the message box: the timers stop there.
void before_report(std::function<void()> action);

// Whether a message box can be seen: not on the offscreen platform, where nobody could close it.
bool can_show_dialogs();

// Runs an event handler; an error it raises goes to the report.
void run_guarded(const std::function<void()>& handler) noexcept;

// Wraps a handler for connecting to a Qt signal (whose arguments it ignores).
template <class F>
auto guarded(F handler)
{
    return [handler](auto&&...) { run_guarded(handler); };
}

}  // namespace tesselka::forms
