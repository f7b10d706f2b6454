#include "process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tesselka::testing {
namespace {

// Strings as exec takes them: their bytes, and pointers to those ended by a null.
struct ExecStrings {
    explicit ExecStrings(const QStringList& strings)
    {
        for (const QString& s : strings)
            bytes.push_back(s.toLocal8Bit());
        for (QByteArray& b : bytes)
            pointers.push_back(b.data());
        pointers.push_back(nullptr);
    }
    std::vector<QByteArray> bytes;
    std::vector<char*> pointers;
};

QString read_all(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

QProcessEnvironment environment(const QString& platform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The lesson in Japanese, whatever the language of the machine the tests run on.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ja"));
    if (platform.isEmpty())
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    else
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    return env;
}

QProcessEnvironment no_display()
{
    QProcessEnvironment env = environment({});
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("DISPLAY"), QString());
    return env;
}

QProcessEnvironment display_without_server()
{
    // Far above the numbers xvfb-run -a takes (from 99 up, perhaps in a suite running beside
    // this one), and with neither a server's lock file nor its socket.
    int n = 4000;
    while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
           QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
        ++n;
    QProcessEnvironment env = no_display();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(n));
    return env;
}

Process::Process(const QStringList& command, const QString& folder, const QProcessEnvironment& env)
{
    ExecStrings argv(command), envp(env.toStringList());
    const QByteArray dir = QFile::encodeName(folder),
                     out = QFile::encodeName(files_.filePath(QStringLiteral("out"))),
                     err = QFile::encodeName(files_.filePath(QStringLiteral("err")));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    clock_.start();
    // A name is looked for on PATH; a failed exec, or a folder it cannot enter, is the answer.
    const int e = posix_spawnp(&pid_, argv.pointers[0], &actions, nullptr, argv.pointers.data(),
                               envp.pointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (e == 0)
        return;
    pid_ = -1;
    ADD_FAILURE() << "cannot start " << command.join(' ').toStdString() << " in "
                  << folder.toStdString() << ": " << std::strerror(e);
}

bool Process::reap(int options)
{
    int status = 0;
    struct rusage usage {};
    pid_t done = -1;
    while (pid_ > 0 && (done = wait4(pid_, &status, options, &usage)) < 0 && errno == EINTR) {
    }
    if (done == 0)
        return false;
    reaped_ = true;
    outcome_.seconds = clock_.elapsed() / 1000.0;
    if (done == pid_) {
        if (WIFEXITED(status))
            outcome_.exit_code = WEXITSTATUS(status);
        if (WIFSIGNALED(status))
            outcome_.signal = WTERMSIG(status);
        outcome_.peak_kb = usage.ru_maxrss;
    }
    outcome_.output = read_all(files_.filePath(QStringLiteral("out")));
    outcome_.error_output = read_all(files_.filePath(QStringLiteral("err")));
    return done == pid_;
}

bool Process::ended(int ms)
{
    const QDeadlineTimer limit(ms);
    while (!reaped_) {
        outcome_.finished = reap(WNOHANG);
        if (reaped_ || limit.hasExpired())
            break;
        QThread::msleep(10);
    }
    return reaped_;
}

const Outcome& Process::wait(int ms)
{
    ended(ms);
    return stop();
}

const Outcome& Process::stop(int sig)
{
    if (!ended()) {
        kill(pid_, sig);
        reap(0);
    }
    return outcome_;
}

Outcome run(const QStringList& command, const QString& folder, const QProcessEnvironment& env,
            int ms)
{
    return Process(command, folder, env).wait(ms);
}

}  // namespace tesselka::testing
