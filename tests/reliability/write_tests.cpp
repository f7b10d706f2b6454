// The program writes nothing: traced with strace through a whole lesson (tesselka_whole_run)
// and through the real program's intro, no file is opened for writing, created, renamed, cut
// or removed outside the system's own runtime and cache folders, and the folder it runs in and
// its home are left as they were.

#include "support/copied_program.h"
#include "support/process.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iostream>
#include <thread>

namespace tesselka::testing {
namespace {

const QString kProgram = QStringLiteral(TESSELKA_EXE);
const QString kWholeRun = QStringLiteral(WHOLE_RUN_EXE);
const QString kStrace = QStringLiteral(STRACE_EXE);

// Every call that can make, change or remove a file by its name.
const char* const kTraced =
    "trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,"
    "rmdir,truncate,link,linkat,symlink,symlinkat,mknod,mknodat";

struct FileCall {
    QString call;
    QString path;  // absolute
    bool writes;
};

// Reads strace's quoted string starting at `at` (the opening quote); moves `at` past it.
QString quoted(const QString& line, qsizetype& at)
{
    QByteArray bytes;
    for (++at; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] != '\\' || at + 1 >= line.size()) {
            bytes += line[at].toLatin1();
            continue;
        }
        const QChar e = line[++at];
        if (e == 'x' && at + 2 < line.size()) {
            bytes += static_cast<char>(line.mid(at + 1, 2).toInt(nullptr, 16));
            at += 2;
        } else if (e == 'n') {
            bytes += '\n';
        } else if (e == 't') {
            bytes += '\t';
        } else {
            bytes += e.toLatin1();
        }
    }
    ++at;
    return QString::fromUtf8(bytes);
}

// One traced line, as written with -f -y: "PID call(DIRFD</dir>, "path", FLAGS...) = ...".
// Lines that resume a call, signals and exits carry no path and give nothing.
std::vector<FileCall> parse(const QString& line, const QString& cwd)
{
    static const QRegularExpression head(QStringLiteral("^\\d+\\s+([a-z0-9_]+)\\((.*)$"));
    const auto m = head.match(line);
    if (!m.hasMatch())
        return {};
    const QString call = m.captured(1), args = m.captured(2);
    const bool at_call = call.endsWith(QStringLiteral("at")) || call == QStringLiteral("openat2") ||
                         call == QStringLiteral("renameat2");
    std::vector<FileCall> out;
    QString base = cwd;
    qsizetype at = 0;
    while (at < args.size()) {
        // A directory descriptor shown as "3</some/dir>" or "AT_FDCWD</cwd>" sets the base.
        if (args[at] == '<' && at_call) {
            const qsizetype end = args.indexOf('>', at);
            if (end < 0)
                break;
            base = args.mid(at + 1, end - at - 1);
            at = end + 1;
            continue;
        }
        if (args[at] == '"') {
            const QString path = quoted(args, at);
            const QString full = QDir::isAbsolutePath(path) ? path : base + '/' + path;
            out.push_back({call, QDir::cleanPath(full), false});
            continue;
        }
        if (args[at] == ')')
            break;
        ++at;
    }
    const bool opens = call.startsWith(QStringLiteral("open"));
    static const QRegularExpression writing(
        QStringLiteral("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE"));
    for (auto& f : out)
        f.writes = !opens || writing.match(args).hasMatch();
    if (call == QStringLiteral("symlink") && !out.empty())
        out.erase(out.begin());  // the link's content, not a file
    return out;
}

struct Snapshot {
    QMap<QString, QString> entries;  // path -> size and time
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const QString& folder)
{
    Snapshot s;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        s.entries[f.absoluteFilePath()] =
            QString::number(f.size()) + ' ' +
            QString::number(f.lastModified().toMSecsSinceEpoch());
    }
    return s;
}

class NothingWritten : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(kStrace).isExecutable())
            << "strace is needed: scripts/install-deps.sh installs it";
        ASSERT_TRUE(work_.isValid() && home_.isValid() && runtime_.isValid() && logs_.isValid());
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(copy_pictures(kProgram, work_.path()));
        allowed_ = {runtime_.path(), home_.filePath(QStringLiteral(".cache/fontconfig")),
                    QStringLiteral("/dev"), QStringLiteral("/proc")};
        before_work_ = snapshot(work_.path());
    }

    std::unique_ptr<Process> traced(const QString& program)
    {
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("HOME"), home_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        for (const char* name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            env.remove(QLatin1String(name));
        // LeakSanitizer cannot stop the world under a tracer.
        if (kSlowdown > 1)
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        return std::make_unique<Process>(
            QStringList{kStrace, "-f", "--seccomp-bpf", "-qq", "-y", "-e", kTraced, "-o", trace_file(),
                        program},
            work_.path(), env);
    }

    QString trace_file() const { return logs_.filePath(QStringLiteral("trace.txt")); }

    bool allowed(const QString& path) const
    {
        for (const QString& folder : allowed_)
            if (path == folder || path.startsWith(folder + '/'))
                return true;
        // Making the cache folder's parents inside the home is part of making the cache folder.
        return allowed_[1].startsWith(path + '/') && path.startsWith(home_.path());
    }

    // Checks the trace; returns how many named files the program touched.
    int check_trace(const QStringList& must_read)
    {
        std::ifstream in(trace_file().toStdString());
        EXPECT_TRUE(in.good()) << "no trace";
        std::string raw;
        int calls = 0, writes = 0;
        QStringList read, written;
        while (std::getline(in, raw)) {
            for (const FileCall& f : parse(QString::fromStdString(raw), work_.path())) {
                ++calls;
                if (!f.writes) {
                    read << f.path;
                    continue;
                }
                ++writes;
                if (!written.contains(f.path))
                    written << f.path;
                EXPECT_TRUE(allowed(f.path)) << "written: " << raw;
            }
        }
        // The trace saw the program at work: it read every picture from its folder.
        for (const QString& name : must_read)
            EXPECT_TRUE(read.contains(work_.filePath(name))) << name.toStdString() << " never read";
        std::cout << calls << " file calls traced, " << writes << " of them writing:";
        for (const QString& path : written)
            std::cout << ' ' << path.toStdString();
        std::cout << std::endl;
        return calls;
    }

    static QString in_tmp(const char* what)
    {
        return QDir::temp().filePath(QStringLiteral("tesselka-%1-XXXXXX").arg(QLatin1String(what)));
    }
    QTemporaryDir work_{in_tmp("work")}, home_{in_tmp("home")}, runtime_{in_tmp("runtime")},
        logs_{in_tmp("logs")};
    QStringList allowed_;
    Snapshot before_work_;
};

QStringList all_pictures()
{
    QStringList names;
    for (int i = 0; i < 6; ++i)
        names << picture_name(i);
    return names;
}

TEST_F(NothingWritten, AWholeLessonThroughBothWindows)
{
    const Outcome r = traced(kWholeRun)->wait(120000 * kSlowdown);
    ASSERT_TRUE(r.finished) << "still running after " << r.seconds << " s";
    EXPECT_EQ(r.exit_code, 0) << r.error_output.toStdString();
    EXPECT_GT(check_trace(all_pictures()), 0);
    EXPECT_TRUE(snapshot(work_.path()) == before_work_) << "the work folder changed";
    for (const QString& entry : snapshot(home_.path()).entries.keys())
        EXPECT_TRUE(allowed(entry)) << "left in the home: " << entry.toStdString();
}

TEST_F(NothingWritten, TheRealProgramThroughItsIntro)
{
    auto strace = traced(kProgram);
    // The intro turns a page every 0.8 s; let it turn a few, then end the program (not strace,
    // which would let it go on untraced).
    std::this_thread::sleep_for(std::chrono::milliseconds(3500 * kSlowdown));
    const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(strace->pid());
    QFile list(children);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const pid_t program = QString::fromLatin1(list.readAll()).split(' ').first().toInt();
    ASSERT_GT(program, 0) << "strace has no child";
    ASSERT_EQ(::kill(program, SIGTERM), 0);
    const Outcome r = strace->wait(20000 * kSlowdown);
    ASSERT_TRUE(r.finished);
    check_trace(all_pictures());
    EXPECT_TRUE(snapshot(work_.path()) == before_work_) << "the work folder changed";
    for (const QString& entry : snapshot(home_.path()).entries.keys())
        EXPECT_TRUE(allowed(entry)) << "left in the home: " << entry.toStdString();
}

// The trace reader must see what it is looking for, or the checks above prove nothing.
TEST(TraceLines, WritesAreToldFromReads)
{
    const QString cwd = QStringLiteral("/w");
    auto one = [&](const char* line) {
        const auto calls = parse(QString::fromUtf8(line), cwd);
        return calls.size() == 1 ? calls[0] : FileCall{QStringLiteral("none"), {}, false};
    };
    auto f = one(R"(12 openat(AT_FDCWD</w>, "0.jpg", O_RDONLY|O_CLOEXEC) = 3</w/0.jpg>)");
    EXPECT_EQ(f.path, QStringLiteral("/w/0.jpg"));
    EXPECT_FALSE(f.writes);
    f = one(R"(12 openat(5</home/x/.cache>, "fontconfig/a", O_WRONLY|O_CREAT|O_TRUNC, 0644 <unfinished ...>)");
    EXPECT_EQ(f.path, QStringLiteral("/home/x/.cache/fontconfig/a"));
    EXPECT_TRUE(f.writes);
    f = one(R"(12 open("rel/\x61b", O_RDWR) = -1 ENOENT (No such file or directory))");
    EXPECT_EQ(f.path, QStringLiteral("/w/rel/ab"));
    EXPECT_TRUE(f.writes);
    f = one(R"(12 mkdir("/tmp/d", 0700) = 0)");
    EXPECT_TRUE(f.writes);
    EXPECT_EQ(parse(QStringLiteral("12 renameat2(AT_FDCWD</w>, \"a\", AT_FDCWD</w>, \"b\", 0) = 0"), cwd)
                  .size(),
              2u);
    EXPECT_TRUE(parse(QStringLiteral("12 <... openat resumed>) = 3"), cwd).empty());
    EXPECT_TRUE(parse(QStringLiteral("12 +++ exited with 0 +++"), cwd).empty());
}

}  // namespace
}  // namespace tesselka::testing
