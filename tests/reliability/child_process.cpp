#include "child_process.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tesselka::testing {
namespace {

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, const std::string& folder,
             const std::vector<std::pair<std::string, std::string>>& env,
             const std::string& error_file)
    : error_file_(error_file)
{
    // Everything the child needs is built before fork: after it, only system calls.
    std::vector<std::string> env_strings;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto& [n, v] : env)
            replaced = replaced || n == name;
        if (!replaced)
            env_strings.push_back(entry);
    }
    for (const auto& [n, v] : env)
        if (v != "-")
            env_strings.push_back(n + "=" + v);
    std::vector<char*> envp, args;
    for (auto& s : env_strings)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argv_copy = argv;
    for (auto& s : argv_copy)
        args.push_back(s.data());
    args.push_back(nullptr);

    started_ = now();
    pid_ = fork();
    if (pid_ == 0) {
        const int err = open(error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_RDWR);
        if (err < 0 || null < 0 || chdir(folder.c_str()) != 0)
            _exit(126);
        dup2(null, 0);
        dup2(null, 1);
        dup2(err, 2);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
}

Child::~Child()
{
    if (pid_ > 0)
        stop(SIGKILL);
}

ChildResult Child::finish(int status, const struct rusage& usage, bool finished)
{
    ChildResult r;
    r.finished = finished;
    r.seconds = now() - started_;
    if (WIFEXITED(status))
        r.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        r.signal = WTERMSIG(status);
    r.peak_kb = usage.ru_maxrss;
    std::ifstream in(error_file_);
    std::stringstream text;
    text << in.rdbuf();
    r.error_output = text.str();
    pid_ = -1;
    return r;
}

ChildResult Child::wait(int ms)
{
    const double limit = now() + ms / 1000.0;
    int status = 0;
    struct rusage usage {};
    while (now() < limit) {
        const pid_t done = wait4(pid_, &status, WNOHANG, &usage);
        if (done == pid_)
            return finish(status, usage, true);
        if (done < 0)
            return finish(0, usage, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    wait4(pid_, &status, 0, &usage);
    return finish(status, usage, false);
}

ChildResult Child::stop(int sig)
{
    int status = 0;
    struct rusage usage {};
    kill(pid_, sig);
    wait4(pid_, &status, 0, &usage);
    return finish(status, usage, false);
}

}  // namespace tesselka::testing
