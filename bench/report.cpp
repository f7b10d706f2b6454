// Runs the start-up probes and prints the one table of the benchmarks, with the tick figures
// read from the tick bench's JSON output.
//
//   tesselka_bench_report --tick tick.json [--runs 15] [--memory-runs 3] [--ticks 2000]
//                         [--platforms offscreen,xcb] [--log FILE]
//
// Every probe is started by this program: it reads CLOCK_MONOTONIC just before posix_spawn and
// the probe prints the same clock at each milestone (bench/probe_hook.h), so "start-up" runs
// from the moment the process is started to the end of its first paint. The probes run
// interleaved (bare, bare with the settings, Tesselka, the font alone, in turn) after one
// warm-up round, and the median of the runs is shown. Run it from the folder that holds the
// pictures; "xcb" needs a display (the script runs everything under xvfb-run). BENCH_DEBUG=1
// prints every run's milestones on standard error.

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long now_ns()
{
    // CLOCK_MONOTONIC, the same clock in every process.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One probe run: milestone times in ms from the spawn, and memory figures in kB.
struct Run {
    bool ok = false;
    std::map<std::string, double> marks;
    std::map<std::string, std::pair<double, double>> mem;  // hwm, rss
};

std::string g_bin_dir = ".";
std::string g_log;

Run run_probe(const std::string& exe, const std::string& platform, int ticks)
{
    Run run;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string s(*e);
        if (s.rfind("QT_QPA_PLATFORM=", 0) == 0 || s.rfind("PROBE_TICKS=", 0) == 0)
            continue;
        env.push_back(s);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back("PROBE_TICKS=" + std::to_string(ticks));
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    const std::string path = g_bin_dir + "/" + exe;
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};

    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, 2, g_log.empty() ? "/dev/null" : g_log.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = 0;
    const long long start = now_ns();
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(rc));
        close(out[0]);
        return run;
    }
    std::string text;
    const long long deadline = start + 120LL * 1000000000LL;
    for (;;) {
        pollfd p{out[0], POLLIN, 0};
        const int left_ms = static_cast<int>((deadline - now_ns()) / 1000000);
        if (left_ms <= 0 || poll(&p, 1, left_ms) <= 0) {
            std::fprintf(stderr, "%s on %s: no answer in time, stopped\n", exe.c_str(),
                         platform.c_str());
            kill(pid, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(' ');
        if (f.size() == 3 && f[0] == "mark")
            run.marks[f[1].toStdString()] = (f[2].toLongLong() - start) / 1e6;
        else if (f.size() == 4 && f[0] == "mem")
            run.mem[f[1].toStdString()] = {f[2].toDouble(), f[3].toDouble()};
    }
    run.ok = run.marks.count("done") != 0;
    if (std::getenv("BENCH_DEBUG")) {
        std::fprintf(stderr, "%s:", exe.c_str());
        for (const auto& [k, v] : run.marks)
            std::fprintf(stderr, " %s=%.1f", k.c_str(), v);
        std::fputc('\n', stderr);
    }
    if (!run.ok)
        std::fprintf(stderr, "%s on %s: ended without finishing (status %d)\n", exe.c_str(),
                     platform.c_str(), status);
    return run;
}

// Medians over runs of a function of one run; runs where it is missing are left out.
template <class F>
double median_of(const std::vector<Run>& runs, F f)
{
    std::vector<double> v;
    for (const Run& r : runs)
        if (r.ok)
            if (const std::optional<double> x = f(r))
                v.push_back(*x);
    return median(v);
}

std::optional<double> span(const Run& r, const char* from, const char* to)
{
    const auto a = r.marks.find(from), b = r.marks.find(to);
    if (b == r.marks.end() || (from[0] && a == r.marks.end()))
        return std::nullopt;
    return b->second - (from[0] ? a->second : 0.0);
}

// ---------------------------------------------------------------------------------------------
// The table.

struct Row {
    std::string what, ours, bare, ratio, goal, how;
};

std::vector<Row> g_rows;
bool g_all_met = true;

std::string fmt(double v, const char* unit, int decimals = 2)
{
    if (v < 0)
        return "n/a";
    char s[64];
    std::snprintf(s, sizeof s, "%.*f %s", decimals, v, unit);
    return s;
}

std::string ratio(double ours, double bare)
{
    if (ours < 0 || bare <= 0)
        return "";
    char s[32];
    std::snprintf(s, sizeof s, "%.2f x", ours / bare);
    return s;
}

std::string verdict(bool met, const std::string& goal)
{
    if (!met)
        g_all_met = false;
    return goal + (met ? " — met" : " — **missed**");
}

void section(const std::string& title) { g_rows.push_back({"**" + title + "**", "", "", "", "", ""}); }

void row(Row r) { g_rows.push_back(std::move(r)); }

void print_table()
{
    std::printf("| Measure | Tesselka | Bare Qt | Ratio | Goal | How |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    for (const Row& r : g_rows)
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.what.c_str(), r.ours.c_str(),
                    r.bare.c_str(), r.ratio.c_str(), r.goal.c_str(), r.how.c_str());
}

// Google Benchmark's JSON: the median aggregate of a benchmark, one field.
class TickFigures {
public:
    explicit TickFigures(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
        for (const QJsonValue& v : root.value("benchmarks").toArray()) {
            const QJsonObject b = v.toObject();
            const QString aggregate = b.value("aggregate_name").toString();
            QString name = b.value("run_name").toString();
            name = name.section(QLatin1Char('/'), 0, 0);  // less "/manual_time", "/repeats:1"
            if (aggregate.isEmpty() || aggregate == "median")
                median_[name] = b;
        }
    }
    bool loaded() const { return !median_.empty(); }

    // A field in microseconds: a counter as written, or the benchmark's own time converted.
    double us(const char* bench, const char* field = nullptr) const
    {
        const auto it = median_.find(bench);
        if (it == median_.end())
            return -1;
        const QJsonObject& b = it->second;
        if (field)
            return b.contains(field) ? b.value(field).toDouble() : -1;
        const double t = b.value("real_time").toDouble();
        const QString unit = b.value("time_unit").toString();
        return unit == "ns" ? t / 1000 : unit == "ms" ? t * 1000 : unit == "s" ? t * 1e6 : t;
    }
    int repetitions(const char* bench) const
    {
        const auto it = median_.find(bench);
        return it == median_.end() ? 0 : it->second.value("repetitions").toInt();
    }
    // A figure of the survey (BM_Survey's counters), as text.
    std::string survey(const char* key, int decimals = 3) const
    {
        const double v = us("BM_Survey", key);
        if (v < 0)
            return "n/a";
        char s[32];
        std::snprintf(s, sizeof s, "%.*f", decimals, v);
        return s;
    }
    // "same" where the survey counted no differing tick.
    std::string same(const char* key) const
    {
        const double v = us("BM_Survey", key);
        return v < 0 ? "n/a" : v == 0 ? "same" : "DIFFERS in " + std::to_string(int(v)) + " ticks";
    }

private:
    std::map<QString, QJsonObject> median_;
};

void tick_rows(const TickFigures& t)
{
    const int reps = t.repetitions("BM_Tick");
    section("One cooling tick, offscreen (median tick; median of " + std::to_string(reps) +
            " repetitions)");
    const double tick = t.us("BM_Tick", "tick_us"), bare = t.us("BM_BareTick", "tick_us");
    row({"Whole tick: Timer1_Timer + the repaint it causes", fmt(tick, "µs", 0),
         fmt(bare, "µs", 0), ratio(tick, bare), verdict(tick >= 0 && tick < 1000, "< 1000 µs"),
         "Timer1->fire() then the posted UpdateRequest sent, timed per tick over cycles 30 → -10 °C "
         "and reset; bare: QLabel::setText + its repaint"});
    row({"… Timer1_Timer (update_view and the repaint requests)", fmt(t.us("BM_Tick", "update_view_us"), "µs", 0),
         "", "", "", "same ticks, up to the end of Timer1->fire()"});
    row({"… repaint of the dirty region (as Qt does it)", fmt(t.us("BM_Tick", "paint_us"), "µs", 0), "",
         "", "", "QCoreApplication::sendPostedEvents() into the offscreen backing store"});
    row({"… tick mean (for comparison)", fmt(t.us("BM_Tick"), "µs", 0), fmt(t.us("BM_BareTick"), "µs", 0),
         ratio(t.us("BM_Tick"), t.us("BM_BareTick")), "", "Google Benchmark mean over the same ticks"});
    row({"update_view on a window not shown", fmt(t.us("BM_TickHidden", "update_view_us"), "µs", 0), "",
         "", "", "Timer1->fire() where Qt drops repaint requests: the code alone, without the repaint "
                 "manager's bookkeeping"});

    const double tick200 = t.us("BM_Tick200", "tick_us"), zoom = t.us("BM_ZoomChange", "zoom_us");
    row({"Whole tick at 200 % zoom", fmt(tick200, "µs", 0), fmt(bare, "µs", 0), ratio(tick200, bare),
         verdict(tick200 >= 0 && tick200 < 1000, "< 1000 µs"),
         "the same ticks with the windows at 200 % (forms::zoom_windows(2.0))"});
    row({"Zoom change 100 % ↔ 200 % and its repaint", fmt(zoom, "µs", 0), "", "",
         verdict(zoom >= 0 && zoom < 16700, "< 16.7 ms"),
         "forms::zoom_windows, then the repaint of the whole window it causes"});

    section("The tick split, step by step (mirrored steps on the shown window, median of each)");
    const char* steps[][3] = {
        {"caption_us", "t1 caption (Timer1_Timer's first half)", "to_number, number_text, t1->set_caption"},
        {"model_us", "model: air.step", "model::Air::step with the window's HowaTable"},
        {"geometry_us", "geometry: thermometer, bars, brackets, bar labels", "the public setters in update_view's order (place_thermometer … check_bar_labels)"},
        {"circles_us", "circles: air diagram", "mizu(i) visibility and fill, as draw_air_diagram"},
        {"picture_us", "picture: load_picture + set_picture", "forms::load_picture(cup_picture_name(howa_gap)) every tick"},
        {"paint_us", "paint of the dirty region", "sendPostedEvents() after the steps"},
        {"tick_us", "sum of the steps (whole mirrored tick)", "compare with the whole tick above"},
    };
    for (const auto& s : steps)
        row({s[1], fmt(t.us("BM_TickSplit", s[0]), "µs", 1), "", "", "", s[2]});
    row({"… reset tick (t1 below -9: reset_run)", fmt(t.us("BM_TickSplit", "reset_us"), "µs", 0), "", "", "",
         "one tick in 41"});
    row({"model step alone", fmt(t.us("BM_ModelStep") * 1000, "ns", 1), "", "", "", "air.step in a tight loop"});
    row({"picture: find_picture (the folder lookups)", fmt(t.us("BM_FindPicture"), "µs", 1), "", "", "",
         "QDir::currentPath + QFileInfo::exists"});
    row({"picture: decode only, from memory", fmt(t.us("BM_DecodePicture"), "µs", 1), "", "", "",
         "QImageReader on a QBuffer, the six cup JPEGs in turn"});
    row({"picture: load_picture", fmt(t.us("BM_LoadPicture"), "µs", 1), "", "", "",
         "lookup + QImageReader size/canRead/read from file"});

    section("Paint: what a tick repaints");
    row({"share of the window repainted per tick", t.survey("dirty_fraction"), "", "",
         "", "union of the paint-event regions of a cycle of real ticks / window area (" +
                 t.survey("width", 0) + "x" + t.survey("height", 0) + " px)"});
    row({"… of it painted by the window's own paintEvent", t.survey("window_own_fraction"),
         "", "", "", "the Form's region: the area under its (transparent) child boxes is repainted too"});
    row({"paint events per tick", t.survey("paint_events", 1), "", "", "",
         "window and child widgets"});
    row({"… of which paint events of the window itself", t.survey("window_paint_events", 1), "", "",
         "", "each one paints the controls that meet its region"});
    row({"render of the dirty region (all widgets)", fmt(t.us("BM_PaintDirtyRender"), "µs", 0), "", "", "",
         "QWidget::render(&image, offset, region) with the regions captured from real ticks"});
    row({"… the window's own paintEvent only", fmt(t.us("BM_PaintDirtyRenderWindowOnly"), "µs", 0), "", "",
         "", "same, DrawWindowBackground without DrawChildren"});
    row({"full window render (upper bound)", fmt(t.us("BM_PaintGrab"), "µs", 0), "", "", "", "window.grab()"});
    row({"the window's light-weight controls, whole window", fmt(t.us("BM_WindowControlsPaint"), "µs", 0), "",
         "", "", "Container::paint of the Form into an image, unclipped"});
    row({"… clipped to t1 (a 33x20 px change)", fmt(t.us("BM_WindowControlsPaintClipT1"), "µs", 0), "", "",
         "", "same with the painter clipped to t1: only the controls that meet it are painted"});
    row({"one label's paint (Label7)", fmt(t.us("BM_LabelPaint"), "µs", 1), "", "", "",
         "forms::Label::paint: its kept image, laid out again only when its look changes"});
    row({"mirrored steps = real ticks", t.same("mirror_differences"), "", "", "",
         "45 ticks compared pixel for pixel"});

    row({"what the screen shows = a full render", t.same("screen_differences"), "", "", "",
         "41 ticks: painting only the dirty region leaves no stale pixels"});
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
    const auto& ours = results["tesselka_probe"];
    const auto& bare = results["bare_probe"];
    const auto& setup = results["setup_probe"];
    const std::string label = platform == "xcb" ? "Start-up under Xvfb (xcb)" : "Start-up, offscreen";
    section(label + " (median of " + std::to_string(runs) + " runs, interleaved)");
    const auto m = [](const std::vector<Run>& r, const char* from, const char* to) {
        return median_of(r, [&](const Run& x) { return span(x, from, to); });
    };
    const double o = m(ours, "", "first_painted"), b = m(bare, "", "first_painted");
    row({"process start → intro window's first paint", fmt(o, "ms", 1), fmt(b, "ms", 1), ratio(o, b),
         verdict(o > 0 && b > 0 && o <= 1.5 * b, "≤ 1.5 x"),
         "spawn → paint done and event loop back; bare: one QLabel"});
    row({"… start → QApplication made", fmt(m(ours, "", "app"), "ms", 1), fmt(m(bare, "", "app"), "ms", 1),
         ratio(m(ours, "", "app"), m(bare, "", "app")), "", "exec, dynamic linking, static initialisers"});
    row({"… QApplication → window shown", fmt(m(ours, "app", "first_shown"), "ms", 1),
         fmt(m(bare, "app", "first_shown"), "ms", 1), ratio(m(ours, "app", "first_shown"), m(bare, "app", "first_shown")), "",
         "Tesselka: set_up, the six-picture check, StartView made and loaded"});
    row({"… shown → first paint done", fmt(m(ours, "first_shown", "first_painted"), "ms", 1),
         fmt(m(bare, "first_shown", "first_painted"), "ms", 1),
         ratio(m(ours, "first_shown", "first_painted"), m(bare, "first_shown", "first_painted")), "",
         "expose, first paint (fonts, text layout, pictures), flush"});
    const double ot = m(ours, "", "second_painted"), bt = m(bare, "", "second_painted");
    row({"process start → simulation window's first paint", fmt(ot, "ms", 1), fmt(bt, "ms", 1), ratio(ot, bt), "",
         "the two spans above and below together, with 「次へ」 pressed at once; bare: its second window"});
    const double s = m(setup, "", "first_painted");
    row({"bare program + the program's settings (app::set_up)", fmt(s, "ms", 1), fmt(b, "ms", 1), ratio(s, b),
         "", "Fusion style, IPA P-Gothic font, globe icon: what they cost alone"});
    row({"… of which loading the font the program carries", fmt(m(results["font_probe"], "fonts_listed", "font_loaded"), "ms", 2),
         "", "", "", "forms::install_fonts: IPA P-Gothic (6 MB) registered from the resources, in place (probe_font.cpp)"});
    const double on = m(ours, "next", "second_painted"), bn = m(bare, "next", "second_painted");
    row({"「次へ」 → simulation window's first paint", fmt(on, "ms", 1), fmt(bn, "ms", 1), ratio(on, bn),
         verdict(on > 0 && bn > 0 && on <= 1.5 * bn, "≤ 1.5 x"),
         "Command1->click() → paint done; bare: a second window with one QLabel"});
    row({"… click → window shown", fmt(m(ours, "next", "second_shown"), "ms", 1),
         fmt(m(bare, "next", "second_shown"), "ms", 1), ratio(m(ours, "next", "second_shown"), m(bare, "next", "second_shown")), "",
         "MainWindow made (about 200 controls), load, update_view"});
    row({"… shown → first paint done", fmt(m(ours, "second_shown", "second_painted"), "ms", 1),
         fmt(m(bare, "second_shown", "second_painted"), "ms", 1),
         ratio(m(ours, "second_shown", "second_painted"), m(bare, "second_shown", "second_painted")), "", ""});
}

void memory_rows(const std::string& platform, int runs, int ticks)
{
    std::map<std::string, std::vector<Run>> results;
    std::fprintf(stderr, "memory on %s: %d runs of %d ticks", platform.c_str(), runs, ticks);
    for (int round = 0; round < runs; ++round) {
        for (const std::string p : {"bare_probe", "tesselka_probe"})
            results[p].push_back(run_probe(p, platform, ticks));
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    const auto mem = [&](const std::vector<Run>& r, const char* at, bool hwm) {
        return median_of(r, [&](const Run& x) -> std::optional<double> {
            const auto it = x.mem.find(at);
            if (it == x.mem.end())
                return std::nullopt;
            return (hwm ? it->second.first : it->second.second) / 1024.0;
        });
    };
    const auto& ours = results["tesselka_probe"];
    const auto& bare = results["bare_probe"];
    section("Memory, " + platform + " (median of " + std::to_string(runs) + " runs)");
    const double ol = mem(ours, "loaded", true), bl = mem(bare, "loaded", true);
    row({"peak resident (VmHWM) after load", fmt(ol, "MiB", 1), fmt(bl, "MiB", 1), ratio(ol, bl),
         verdict(ol > 0 && bl > 0 && ol <= 1.5 * bl, "≤ 1.5 x"),
         "at the simulation window's first paint; bare: second window painted"});
    const double ot = mem(ours, "ticks", true), bt = mem(bare, "ticks", true);
    row({"peak resident after " + std::to_string(ticks) + " ticks", fmt(ot, "MiB", 1), fmt(bt, "MiB", 1),
         ratio(ot, bt), verdict(ot > 0 && ot <= 1.5 * bt, "≤ 1.5 x"),
         "each tick Timer1->fire() + processEvents (repaint)"});
    const auto growth = [&](const std::vector<Run>& r) {
        return median_of(r, [&](const Run& x) -> std::optional<double> {
            const auto a = x.mem.find("ticks_200"), b = x.mem.find("ticks");
            if (a == x.mem.end() || b == x.mem.end())
                return std::nullopt;
            return (b->second.second - a->second.second);
        });
    };
    const double og = growth(ours), bg = growth(bare);
    row({"resident growth, tick 200 → tick " + std::to_string(ticks), fmt(og, "kB", 0), fmt(bg, "kB", 0), "",
         verdict(og >= 0 ? og <= 256 : true, "no growth (≤ 256 kB)"), "VmRSS at tick 200 and at the end"});
    const double hg = median_of(ours, [&](const Run& x) -> std::optional<double> {
        const auto a = x.mem.find("loaded"), b = x.mem.find("ticks");
        if (a == x.mem.end() || b == x.mem.end())
            return std::nullopt;
        return b->second.first - a->second.first;
    });
    row({"peak growth, load → tick " + std::to_string(ticks), fmt(hg, "kB", 0), "", "", "", "VmHWM difference"});
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
    std::string load = "?";
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        char text[64] = {};
        if (std::fgets(text, sizeof text, f))
            load = std::string(text).substr(0, std::string(text).find(' ', std::string(text).find(' ') + 1));
        std::fclose(f);
    }
    long mem_mb = sysconf(_SC_PHYS_PAGES) / 1024 * sysconf(_SC_PAGE_SIZE) / 1024;
    return cpu + ", " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores, " +
           std::to_string(mem_mb) + " MiB, Qt " + qVersion() +
           ", load average at the end " + load;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    g_bin_dir = QCoreApplication::applicationDirPath().toStdString();
    QString tick_json;
    int runs = 15, memory_runs = 3, ticks = 2000;
    QStringList platforms = {"offscreen"};
    const QStringList args = application.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& a = args[i];
        const QString& v = args[i + 1];
        if (a == "--tick")
            tick_json = v;
        else if (a == "--runs")
            runs = v.toInt();
        else if (a == "--memory-runs")
            memory_runs = v.toInt();
        else if (a == "--ticks")
            ticks = v.toInt();
        else if (a == "--platforms")
            platforms = v.split(',', Qt::SkipEmptyParts);
        else if (a == "--log")
            g_log = v.toStdString();
        else {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(a));
            return 2;
        }
    }

    if (!tick_json.isEmpty()) {
        const TickFigures t(tick_json);
        if (t.loaded())
            tick_rows(t);
        else
            std::fprintf(stderr, "cannot read %s\n", qPrintable(tick_json));
    }
    for (const QString& p : platforms) {
        if (p == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
            std::fprintf(stderr, "no DISPLAY: start-up under X left out\n");
            continue;
        }
        startup_rows(p.toStdString(), runs);
    }
    if (memory_runs > 0)
        memory_rows("offscreen", memory_runs, ticks);

    std::printf("\nTesselka benchmarks — %s\n\n", machine().c_str());
    print_table();
    std::printf("\n%s\n", g_all_met ? "All goals met." : "Some goals missed (marked **missed**).");
    return 0;
}
