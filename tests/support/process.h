#pragma once
// A program started as a process of its own: its folder, its environment, a time limit, and how
// it ended: exit or signal, peak memory (from wait4's resource usage) and what it wrote. Output
// goes to files, so a chatty program never stalls on a full pipe.

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

namespace tesselka::testing {

// How long a program may take here: sanitizer builds run several times slower.
#if defined(TESSELKA_SANITIZED)
inline constexpr int kSlowdown = 4;
#else
inline constexpr int kSlowdown = 1;
#endif

// This process's environment with QT_QPA_PLATFORM set to `platform`; without it if empty.
QProcessEnvironment environment(const QString& platform = QStringLiteral("offscreen"));
// As over SSH or on a text console: no display and no platform asked for.
QProcessEnvironment no_display();
// As no_display(), but DISPLAY names an X display that no server holds.
QProcessEnvironment display_without_server();

struct Outcome {
    bool finished = false;  // ended by itself, not stopped
    int exit_code = -1;     // when it exited
    int signal = 0;         // when a signal ended it
    long peak_kb = 0;       // peak resident memory
    double seconds = 0;
    QString output, error_output;
};

class Process {
public:
    // Starts `command` (a path, or a name on PATH, then the arguments) in `folder`. A start that
    // fails is a test failure.
    Process(const QStringList& command, const QString& folder, const QProcessEnvironment& env);
    ~Process() { stop(); }

    pid_t pid() const { return pid_; }
    // Whether it has ended, waiting up to `ms` for that.
    bool ended(int ms = 0);
    // Waits up to `ms` for the end; ends it with SIGKILL past that.
    const Outcome& wait(int ms);
    // Ends it with `sig` unless it has ended, and waits for the end.
    const Outcome& stop(int sig = SIGKILL);

private:
    // Collects the end, if it has come (without WNOHANG: once it comes); whether its status was
    // there to collect.
    bool reap(int options);

    QTemporaryDir files_;
    pid_t pid_ = -1;
    bool reaped_ = false;
    QElapsedTimer clock_;
    Outcome outcome_;
};

// Runs a program to its end, or kills it after `ms`.
Outcome run(const QStringList& command, const QString& folder, const QProcessEnvironment& env,
            int ms);

}  // namespace tesselka::testing
