#pragma once
// A program started as a child process with its own folder and environment, watched for a time
// limit, with its exit, its error output and its peak memory (from wait4's resource usage).

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace tesselka::testing {

struct ChildResult {
    bool finished = false;  // ended by itself before the time limit
    int exit_code = -1;     // when it exited
    int signal = 0;         // when a signal ended it
    long peak_kb = 0;       // peak resident memory
    double seconds = 0;
    std::string error_output;
};

class Child {
public:
    // Starts `argv[0]` (a path) in `folder`; `env` is added to this process's environment, and a
    // value of "-" removes the variable. Error output goes to `error_file`.
    Child(const std::vector<std::string>& argv, const std::string& folder,
          const std::vector<std::pair<std::string, std::string>>& env,
          const std::string& error_file);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    // Waits up to `ms` for the end; kills it with SIGKILL past that.
    ChildResult wait(int ms);
    // Ends it with `sig` now and waits for the end.
    ChildResult stop(int sig);

private:
    ChildResult finish(int status, const ::rusage& usage, bool finished);

    pid_t pid_ = -1;
    std::string error_file_;
    double started_ = 0;
};

// Runs a program to its end, or kills it after `ms`.
inline ChildResult run_child(const std::vector<std::string>& argv, const std::string& folder,
                             const std::vector<std::pair<std::string, std::string>>& env,
                             const std::string& error_file, int ms)
{
    return Child(argv, folder, env, error_file).wait(ms);
}

// How long a program may take here: sanitizer builds run several times slower.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kSlowdown = 4;
#else
inline constexpr int kSlowdown = 1;
#endif

}  // namespace tesselka::testing
