// Runs the probes and prints the one table of the benchmarks.
//
//   tesselka_bench_report [--runs 15] [--memory-runs 3] [--ticks 2000]
//                         [--platforms offscreen,xcb] [--split FILE] [--log FILE]
//
// Every probe is started by this program: it reads CLOCK_MONOTONIC just before posix_spawn and
// the probe prints the same clock at each milestone (bench/probe_hook.h), so "start-up" runs
// from the moment the process is started to the end of its first paint. The start-up probes run
// interleaved (bare, bare with the settings, Tesselka, the font alone, in turn) after one warm-up
// round, and the median of the runs is shown. The tick figures come from the memory runs, each tick timed on
// its own. --split reads callgrind_annotate's call tree of the tick loop (scripts/bench.sh makes
// it) for the instructions of each step. Run it from the folder that holds the pictures; "xcb"
// needs a display. BENCH_DEBUG=1 prints every run's milestones on standard error.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long now_ns()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One probe run: milestones in ms from the spawn, CPU times in ms, memory in MiB, and the
// median tick in µs (whole, handler, repaint).
struct Run {
    bool ok = false;
    std::map<std::string, double> marks, cpu;
    std::map<std::string, std::pair<double, double>> mem;  // hwm, rss
    double tick = -1, fire = -1, paint = -1;
};

std::string g_bin_dir = ".";
std::string g_log = "/dev/null";

// The probe's standard output, up to its end or two minutes.
std::string output_of(const std::string& exe, const std::vector<std::string>& env, long long* start)
{
    std::vector<char*> envp;
    for (const auto& s : env)
        envp.push_back(const_cast<char*>(s.c_str()));
    envp.push_back(nullptr);
    const std::string path = g_bin_dir + "/" + exe;
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, 2, g_log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = 0;
    *start = now_ns();
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    const long long deadline = *start + 120LL * 1000000000LL;
    while (rc == 0) {
        pollfd p{out[0], POLLIN, 0};
        const int left_ms = static_cast<int>((deadline - now_ns()) / 1000000);
        char buffer[65536];
        const ssize_t n = left_ms > 0 && poll(&p, 1, left_ms) > 0 ? read(out[0], buffer, sizeof buffer) : -1;
        if (n <= 0) {
            if (n < 0)
                kill(pid, SIGKILL);
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (rc == 0)
        waitpid(pid, nullptr, 0);
    return text;
}

Run run_probe(const std::string& exe, const std::string& platform, int ticks,
              const std::vector<std::string>& extra_env = {})
{
    std::vector<std::string> env = extra_env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) && std::strncmp(*e, "PROBE_TICKS=", 12))
            env.push_back(*e);
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back("PROBE_TICKS=" + std::to_string(ticks));
    long long start = 0;
    const std::string text = output_of(exe, env, &start);

    Run run;
    std::vector<double> whole, fire, paint;
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(' ');
        const std::string name = f.value(1).toStdString();
        if (f.size() == 3 && f[0] == "mark")
            run.marks[name] = (f[2].toLongLong() - start) / 1e6;
        else if (f.size() == 3 && f[0] == "cpu")
            run.cpu[name] = f[2].toLongLong() / 1e6;
        else if (f.size() == 4 && f[0] == "mem")
            run.mem[name] = {f[2].toDouble() / 1024, f[3].toDouble()};
        else if (f.size() == 3 && f[0] == "tick") {
            fire.push_back(f[1].toDouble() / 1000);
            paint.push_back(f[2].toDouble() / 1000);
            whole.push_back(fire.back() + paint.back());
        }
    }
    run.tick = median(whole), run.fire = median(fire), run.paint = median(paint);
    run.ok = run.marks.count("done") != 0;
    if (std::getenv("BENCH_DEBUG")) {
        std::fprintf(stderr, "%s:", exe.c_str());
        for (const auto& [k, v] : run.marks)
            std::fprintf(stderr, " %s=%.1f", k.c_str(), v);
        std::fputc('\n', stderr);
    }
    if (!run.ok)
        std::fprintf(stderr, "%s on %s: ended without finishing\n", exe.c_str(), platform.c_str());
    return run;
}

// The median over the runs of a figure of one run; runs without it are left out.
template <class F>
double median_of(const std::vector<Run>& runs, F f)
{
    std::vector<double> v;
    for (const Run& r : runs)
        if (const std::optional<double> x = r.ok ? f(r) : std::nullopt; x && *x >= 0)
            v.push_back(*x);
    return median(v);
}

double span(const std::vector<Run>& runs, const char* from, const char* to)
{
    return median_of(runs, [&](const Run& r) -> std::optional<double> {
        const auto a = r.marks.find(from), b = r.marks.find(to);
        if (b == r.marks.end() || (*from && a == r.marks.end()))
            return std::nullopt;
        return b->second - (*from ? a->second : 0.0);
    });
}

// ---------------------------------------------------------------------------------------------
// The table.

struct Row {
    std::string what, ours, bare, ratio, goal, how;
};
std::vector<Row> g_rows;
bool g_all_met = true;

std::string fmt(double v, const char* unit, int decimals = 1)
{
    if (v < 0)
        return "n/a";
    char s[64];
    std::snprintf(s, sizeof s, "%.*f %s", decimals, v, unit);
    return s;
}

std::string ratio(double ours, double bare)
{
    return ours < 0 || bare <= 0 ? "" : fmt(ours / bare, "x", 2);
}

std::string verdict(bool met, const std::string& goal)
{
    g_all_met = g_all_met && met;
    return goal + (met ? " — met" : " — **missed**");
}

void section(const std::string& title) { g_rows.push_back({"**" + title + "**", "", "", "", "", ""}); }

// A row beside the bare program, with an optional goal on the ratio (0: none).
void compare(const std::string& what, double ours, double bare, const char* unit,
             const std::string& how, double ratio_goal = 0)
{
    g_rows.push_back({what, fmt(ours, unit), fmt(bare, unit), ratio(ours, bare),
                      ratio_goal > 0 ? verdict(ours > 0 && bare > 0 && ours <= ratio_goal * bare,
                                               "≤ " + fmt(ratio_goal, "x", 1))
                                     : "",
                      how});
}

void print_table()
{
    std::printf("| Measure | Tesselka | Bare Qt | Ratio | Goal | How |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    for (const Row& r : g_rows)
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.what.c_str(), r.ours.c_str(),
                    r.bare.c_str(), r.ratio.c_str(), r.goal.c_str(), r.how.c_str());
}

void startup_rows(const std::string& platform, int runs)
{
    const std::vector<std::string> probes = {"bare_probe", "setup_probe", "tesselka_probe", "font_probe"};
    std::map<std::string, std::vector<Run>> results;
    std::fprintf(stderr, "start-up on %s: %d runs of each probe", platform.c_str(), runs);
    for (int round = -1; round < runs; ++round) {  // round -1 warms the caches
        for (std::size_t k = 0; k < probes.size(); ++k) {
            const std::string& p = probes[(k + std::max(round, 0)) % probes.size()];
            Run r = run_probe(p, platform, 0);
            if (round >= 0)
                results[p].push_back(std::move(r));
        }
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    const auto& o = results["tesselka_probe"];
    const auto& b = results["bare_probe"];
    section((platform == "xcb" ? "Start-up under Xvfb (xcb)" : "Start-up, offscreen") +
            std::string(" (median of ") + std::to_string(runs) + " runs, interleaved)");
    compare("process start → intro window's first paint", span(o, "", "first_painted"),
            span(b, "", "first_painted"), "ms", "spawn → paint done and event loop back; bare: one QLabel",
            // What a pupil sees is the X window; offscreen, the bare program's start is so short
            // that the fixed costs weigh more.
            platform == "xcb" ? 1.2 : 1.5);
    compare("… start → QApplication made", span(o, "", "app"), span(b, "", "app"), "ms",
            "exec, dynamic linking, static initialisers");
    compare("… QApplication → window shown", span(o, "app", "first_shown"), span(b, "app", "first_shown"),
            "ms", "Tesselka: set_up, the six-picture check, StartView made and loaded");
    compare("… shown → first paint done", span(o, "first_shown", "first_painted"),
            span(b, "first_shown", "first_painted"), "ms", "expose, first paint (fonts, text layout, pictures), flush");
    compare("bare program + the program's settings (app::set_up)", span(results["setup_probe"], "", "first_painted"),
            span(b, "", "first_painted"), "ms", "Fusion style, IPA P-Gothic font, globe icon: what they cost alone");
    g_rows.push_back({"… of which loading the font the program carries",
                      fmt(span(results["font_probe"], "fonts_listed", "font_loaded"), "ms", 2), "", "", "",
                      "forms::install_fonts: IPA P-Gothic (6 MB) registered from the resources, in place "
                      "(probe_font.cpp)"});
    const double next = span(o, "next", "second_painted");
    g_rows.push_back({"「次へ」 → simulation window's first paint", fmt(next, "ms"),
                      fmt(span(b, "next", "second_painted"), "ms"), "",
                      platform == "xcb" ? verdict(next > 0 && next < 16.7, "< 16.7 ms (one frame)") : "",
                      "Command1->click() 500 ms after the intro's first paint → paint done; bare: a second "
                      "window with one QLabel"});
    // The same started as on a projector: the warm-up prepares the fonts at the window's zoom.
    for (const auto& [option, env] : {std::pair{"--zoom 200", "PROBE_ZOOM=200"},
                                      std::pair{"--full-screen", "PROBE_FULL_SCREEN=1"}}) {
        // Under Xvfb only a window manager makes a window fill the screen.
        QProcess manager;
        if (platform == "xcb" && option == std::string("--full-screen")) {
            manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
            manager.waitForFinished(500);  // time to take over the root window
        }
        std::vector<Run> started;
        for (int round = 0; round < runs; ++round)
            started.push_back(run_probe("tesselka_probe", platform, 0, {env}));
        manager.terminate();
        manager.waitForFinished();
        const double at = span(started, "next", "second_painted");
        g_rows.push_back({std::string("… started with ") + option, fmt(at, "ms"), "", "",
                          platform == "xcb" ? verdict(at > 0 && at < 16.7, "< 16.7 ms (one frame)") : "",
                          "the same, the window and the warm-up's fonts at that zoom"});
    }
    compare("… click → window shown", span(o, "next", "second_shown"), span(b, "next", "second_shown"), "ms",
            "the simulation window, made and drawn hidden during the intro, shown");
    compare("… shown → first paint done", span(o, "second_shown", "second_painted"),
            span(b, "second_shown", "second_painted"), "ms", "");
    g_rows.push_back({"what it costs: the warm-up, done after the intro's first paint",
                      fmt(span(o, "first_painted", "warm_done"), "ms"), "", "", "",
                      "WarmUp's idle steps (fonts loaded, glyphs drawn once, the simulation window made and drawn hidden) finished, while the intro shows"});
    const double cpu = median_of(o, [](const Run& r) -> std::optional<double> {
        if (!r.cpu.count("warm_done") || !r.cpu.count("first_painted"))
            return std::nullopt;
        return r.cpu.at("warm_done") - r.cpu.at("first_painted");
    });
    g_rows.push_back({"… its CPU time", fmt(cpu, "ms"), "", "", "", "process CPU time from the intro's first paint to the warm-up's end"});
    const double kept = median_of(o, [](const Run& r) -> std::optional<double> {
        if (!r.mem.count("warm_done") || !r.mem.count("first"))
            return std::nullopt;
        return (r.mem.at("warm_done").second - r.mem.at("first").second) / 1024;
    });
    g_rows.push_back({"… the memory it keeps", fmt(kept, "MiB"), "", "", "", "VmRSS growth over the same time: loaded fonts and glyphs, and the simulation window"});
}

// The long runs: every tick timed on its own, then peak memory and growth.
std::map<std::string, std::vector<Run>> long_runs(int runs, int ticks)
{
    std::map<std::string, std::vector<Run>> results;
    std::fprintf(stderr, "ticks and memory, offscreen: %d runs of %d ticks", runs, ticks);
    for (int round = 0; round < runs; ++round) {
        for (const std::string p : {"bare_probe", "tesselka_probe"})
            results[p].push_back(run_probe(p, "offscreen", ticks));
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    return results;
}

void tick_rows(const std::vector<Run>& o, const std::vector<Run>& b, int runs, int ticks)
{
    const auto field = [](double Run::*f) { return [f](const Run& r) -> std::optional<double> { return r.*f; }; };
    section("One cooling tick, offscreen (median tick of " + std::to_string(ticks) + ", median of " +
            std::to_string(runs) + " runs)");
    const double tick = median_of(o, field(&Run::tick)), bare = median_of(b, field(&Run::tick));
    g_rows.push_back({"whole tick: Timer1_Timer + the repaint it causes", fmt(tick, "µs", 0), fmt(bare, "µs", 0),
                      ratio(tick, bare), verdict(tick >= 0 && tick < 1000, "< 1000 µs"),
                      "Timer1->fire(), then the posted repaint sent; bare: QLabel::setText + its repaint"});
    compare("… Timer1_Timer (update_view and the repaint requests)", median_of(o, field(&Run::fire)),
            median_of(b, field(&Run::fire)), "µs", "Timer1->fire()");
    compare("… the repaint of what changed", median_of(o, field(&Run::paint)), median_of(b, field(&Run::paint)),
            "µs", "sendPostedEvents() + processEvents() into the offscreen backing store");
}

// The windows zoomed, as on a projector: a cooling tick at 200 %, and a zoom change with the
// repaint of the whole window it causes.
void zoom_rows(int runs, int ticks)
{
    std::vector<Run> zoomed, changes;
    std::fprintf(stderr, "ticks at 200 %% and zoom changes, offscreen: %d runs", runs);
    for (int round = 0; round < runs; ++round) {
        zoomed.push_back(run_probe("tesselka_probe", "offscreen", ticks, {"PROBE_ZOOM=200"}));
        changes.push_back(run_probe("tesselka_probe", "offscreen", 100, {"PROBE_ZOOM_CHANGES=1"}));
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    const auto tick = [](const Run& r) -> std::optional<double> { return r.tick; };
    const double at_200 = median_of(zoomed, tick), change = median_of(changes, tick);
    g_rows.push_back({"whole tick at 200 % zoom", fmt(at_200, "µs", 0), "", "",
                      verdict(at_200 >= 0 && at_200 < 1000, "< 1000 µs"),
                      "the same ticks, started with --zoom 200"});
    g_rows.push_back({"zoom change 100 % ↔ 200 % and its repaint", fmt(change, "µs", 0), "", "",
                      verdict(change >= 0 && change < 16700, "< 16.7 ms (a frame)"),
                      "forms::zoom_windows, then the repaint of the whole window; 100 changes"});
}

void memory_rows(const std::vector<Run>& o, const std::vector<Run>& b, int runs, int ticks)
{
    const auto mem = [](const std::vector<Run>& r, const char* at) {
        return median_of(r, [at](const Run& x) -> std::optional<double> {
            const auto it = x.mem.find(at);
            return it == x.mem.end() ? std::nullopt : std::optional<double>(it->second.first);
        });
    };
    section("Memory, offscreen (median of " + std::to_string(runs) + " runs)");
    compare("peak resident (VmHWM) after load", mem(o, "loaded"), mem(b, "loaded"), "MiB",
            "at the simulation window's first paint; bare: second window painted", 1.5);
    compare("peak resident after " + std::to_string(ticks) + " ticks", mem(o, "ticks"), mem(b, "ticks"),
            "MiB", "each tick Timer1->fire() and its repaint", 1.5);
    const auto growth = [](const std::vector<Run>& r) {
        return median_of(r, [](const Run& x) -> std::optional<double> {
            if (!x.mem.count("ticks_200") || !x.mem.count("ticks"))
                return std::nullopt;
            return x.mem.at("ticks").second - x.mem.at("ticks_200").second;
        });
    };
    const double og = growth(o);
    g_rows.push_back({"resident growth, tick 200 → tick " + std::to_string(ticks), fmt(og, "kB", 0),
                      fmt(growth(b), "kB", 0), "", verdict(og >= 0 && og <= 256, "no growth (≤ 256 kB)"),
                      "VmRSS at tick 200 and at the end"});
}

// The instructions of the tick's parts, from callgrind_annotate --tree=calling: the callees of
// the tick loop, and those of update_view, each per tick.
void split_rows(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return;
    }
    static const QRegularExpression entry(QStringLiteral(R"(^\s*([\d,]+) \([^)]*\)\s+([*>])\s+\S*?:(.*?)(?: \((\d+)x\))? \[)"));
    std::map<QString, std::vector<std::pair<QString, double>>> callees;
    QString caller;
    double ticks = 0;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        const auto m = entry.match(line);
        if (!m.hasMatch())
            continue;
        const double ir = QString(m.captured(1)).remove(',').toDouble();
        QString name = m.captured(3);
        name.remove(QRegularExpression(QStringLiteral(R"(^tesselka::(\w+::)*|\(.*$|\[abi:.*$)")));
        if (m.captured(2) == "*")
            caller = name;
        else
            callees[caller].push_back({name, ir});
        if (m.captured(2) == ">" && name == "probe_tick_fire")
            ticks = m.captured(4).toDouble();
    }
    if (ticks <= 0)
        return;
    section("The tick split (callgrind, instructions per tick over " + std::to_string(int(ticks)) + " ticks)");
    std::string how = "inclusive instructions of each call the program makes, over a run from its start";
    const auto rows = [&](const QString& parent, const char* indent) {
        for (const auto& [name, ir] : callees[parent])
            if (ir / ticks >= 100 && (parent != "probe_tick_loop" || name.startsWith("probe_tick_"))) {
                g_rows.push_back({indent + (name == "probe_tick_fire"    ? "Timer1->fire(), the tick's handler"
                                            : name == "probe_tick_paint" ? "the repaint"
                                                                         : name.toStdString()),
                                  fmt(ir / ticks / 1000, "k", 1), "", "", "", how});
                how.clear();
            }
    };
    rows(QStringLiteral("probe_tick_loop"), "");
    rows(QStringLiteral("Timer1_Timer"), "… Timer1_Timer → ");
    rows(QStringLiteral("update_view"), "… … update_view → ");
}

std::string machine()
{
    std::string cpu = "?";
    if (FILE* f = std::fopen("/proc/cpuinfo", "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, "model name", 10) == 0) {
                cpu = std::strchr(line, ':') + 2;
                cpu.erase(cpu.find_last_not_of("\n ") + 1);
                break;
            }
        std::fclose(f);
    }
    double load[2] = {-1, -1};
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf", &load[0], &load[1]) != 2)
            load[0] = load[1] = -1;
        std::fclose(f);
    }
    char s[512];
    std::snprintf(s, sizeof s, "%s, %ld cores, Qt %s, load average at the end %.2f %.2f", cpu.c_str(),
                  sysconf(_SC_NPROCESSORS_ONLN), qVersion(), load[0], load[1]);
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    g_bin_dir = QCoreApplication::applicationDirPath().toStdString();
    int runs = 15, memory_runs = 3, ticks = 2000;
    QStringList platforms = {"offscreen"};
    QString split;
    const QStringList args = application.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& a = args[i];
        const QString& v = args[i + 1];
        if (a == "--runs")
            runs = v.toInt();
        else if (a == "--memory-runs")
            memory_runs = v.toInt();
        else if (a == "--ticks")
            ticks = v.toInt();
        else if (a == "--platforms")
            platforms = v.split(',', Qt::SkipEmptyParts);
        else if (a == "--split")
            split = v;
        else if (a == "--log")
            g_log = v.toStdString();
        else {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(a));
            return 2;
        }
    }

    auto results = long_runs(memory_runs, ticks);
    tick_rows(results["tesselka_probe"], results["bare_probe"], memory_runs, ticks);
    zoom_rows(memory_runs, std::min(ticks, 500));
    if (!split.isEmpty())
        split_rows(split);
    memory_rows(results["tesselka_probe"], results["bare_probe"], memory_runs, ticks);
    for (const QString& p : platforms) {
        if (p == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
            std::fprintf(stderr, "no DISPLAY: start-up under X left out\n");
            continue;
        }
        startup_rows(p.toStdString(), runs);
    }

    std::printf("\nTesselka benchmarks — %s\n\n", machine().c_str());
    print_table();
    std::printf("\n%s\n", g_all_met ? "All goals met." : "Some goals missed (marked **missed**).");
    return 0;
}
