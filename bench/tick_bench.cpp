// One cooling tick of the simulation window, offscreen, and its pieces.
//
// A tick is what the speed timer runs every 500 ms at the fast speed: Timer1_Timer (t1 one
// degree lower, then update_view), then the repaint Qt does for what the controls marked dirty.
// Benchmarks with "_us" counters time every tick on its own and report the median tick of the
// run; Google Benchmark's own time is the mean. Run from the folder that holds the pictures.

#include "tick_mirror.h"

#include "app/application.h"
#include "forms/picture.h"
#include "forms/zoom.h"
#include "model/numbers.h"
#include "run/main_window.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using tesselka::run::MainWindow;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Per-tick samples of named phases, reported as medians in microseconds.
struct Samples {
    std::map<std::string, std::vector<double>> phases;
    void add(const char* phase, double s) { phases[phase].push_back(s * 1e6); }
    void report(benchmark::State& state) const
    {
        for (const auto& [name, v] : phases)
            state.counters[name + "_us"] = median(v);
    }
};

// Hands the repaint Qt has queued (an UpdateRequest to the window) to the window at once: the
// paint of the dirty region, into the offscreen backing store.
void flush_paint() { QCoreApplication::sendPostedEvents(); }

// The application, made when first needed: Google Benchmark's own main runs the benchmarks.
void ensure_app()
{
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tesselka_tick_bench";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        tesselka::app::set_up(*a);
        return a;
    }();
    (void)app;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

MainWindow& shown_window()
{
    static MainWindow* w = [] {
        ensure_app();
        auto* w = new MainWindow;
        w->load();
        w->show();
        settle();
        return w;
    }();
    return *w;
}

MainWindow& hidden_window()
{
    static MainWindow* w = [] {
        ensure_app();
        auto* w = new MainWindow;
        w->load();
        return w;
    }();
    return *w;
}

// Collects the regions painted while it lives, in the coordinates of `window`.
class PaintCapture : public QObject {
public:
    explicit PaintCapture(QWidget& window) : window_(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintCapture() override { QCoreApplication::instance()->removeEventFilter(this); }

    QRegion region;        // everything painted
    QRegion window_own;    // what the window's own paintEvent covered
    int events = 0;
    int window_events = 0;

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->window() == &window_) {
                const QRegion r = static_cast<QPaintEvent*>(e)->region().translated(
                    w->mapTo(&window_, QPoint(0, 0)));
                region += r;
                if (w == &window_) {
                    window_own += r;
                    ++window_events;
                }
                ++events;
            }
        }
        return false;
    }

private:
    QWidget& window_;
};

double area(const QRegion& r)
{
    double a = 0;
    for (const QRect& rect : r)
        a += double(rect.width()) * rect.height();
    return a;
}

// What a cycle of real ticks, 30 down to -10 and the reset, repaints; made once (see the end).
struct Survey {
    std::vector<QRegion> regions;  // the dirty region of each tick, in window pixels
    double dirty_fraction = 0, window_own_fraction = 0, paint_events = 0, window_paint_events = 0;
    int width = 0, height = 0;
    int mirror_differences = 0, screen_differences = 0;
};
const Survey& survey();

// ---------------------------------------------------------------------------------------------
// The whole tick.

// Ticks of a shown window, each with the repaint it causes: the whole, the tick's code and the
// paint.
void time_ticks(MainWindow& w, benchmark::State& state)
{
    flush_paint();
    Samples s;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        w.Timer1->fire();
        const auto t1 = Clock::now();
        flush_paint();
        const auto t2 = Clock::now();
        state.SetIterationTime(seconds(t2 - t0));
        s.add("tick", seconds(t2 - t0));
        s.add("update_view", seconds(t1 - t0));
        s.add("paint", seconds(t2 - t1));
    }
    s.report(state);
}

void BM_Tick(benchmark::State& state)
{
    time_ticks(shown_window(), state);
}
BENCHMARK(BM_Tick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same ticks at 200 %, as on a projector; the window goes back to 100 % after.
void BM_Tick200(benchmark::State& state)
{
    MainWindow& w = shown_window();
    tesselka::forms::zoom_windows(2.0);
    settle();
    time_ticks(w, state);
    tesselka::forms::zoom_windows(1.0);
    settle();
}
BENCHMARK(BM_Tick200)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A zoom change, 100 % to 200 % or back, with the repaint of the whole window it causes.
void BM_ZoomChange(benchmark::State& state)
{
    shown_window();
    flush_paint();
    Samples s;
    double factor = 1.0;
    for (auto _ : state) {
        factor = factor == 1.0 ? 2.0 : 1.0;
        const auto t0 = Clock::now();
        tesselka::forms::zoom_windows(factor);
        flush_paint();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        s.add("zoom", seconds(t1 - t0));
    }
    s.report(state);
    tesselka::forms::zoom_windows(1.0);
    settle();
}
BENCHMARK(BM_ZoomChange)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same ticks on a window that is not shown: Qt drops the repaint requests at once, so this
// is update_view without the repaint manager's bookkeeping.
void BM_TickHidden(benchmark::State& state)
{
    MainWindow& w = hidden_window();
    Samples s;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        w.Timer1->fire();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        s.add("update_view", seconds(t1 - t0));
    }
    s.report(state);
}
BENCHMARK(BM_TickHidden)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The tick step by step, through the mirrored steps, on the shown window.
void BM_TickSplit(benchmark::State& state)
{
    MainWindow& w = shown_window();
    flush_paint();
    Samples s;
    for (auto _ : state) {
        auto t0 = Clock::now();
        if (!mirror::caption(w)) {
            // The reset tick: timed whole, as "reset".
            w.reset_run();
            flush_paint();
            const auto t1 = Clock::now();
            state.SetIterationTime(seconds(t1 - t0));
            s.add("reset", seconds(t1 - t0));
            continue;
        }
        const auto a = Clock::now();
        mirror::model(w);
        const auto b = Clock::now();
        mirror::geometry(w);
        const auto c = Clock::now();
        mirror::circles(w);
        const auto d = Clock::now();
        mirror::picture(w);
        const auto e = Clock::now();
        flush_paint();
        const auto f = Clock::now();
        state.SetIterationTime(seconds(f - t0));
        s.add("caption", seconds(a - t0));
        s.add("model", seconds(b - a));
        s.add("geometry", seconds(c - b));
        s.add("circles", seconds(d - c));
        s.add("picture", seconds(e - d));
        s.add("paint", seconds(f - e));
        s.add("tick", seconds(f - t0));
    }
    s.report(state);
}
BENCHMARK(BM_TickSplit)->UseManualTime()->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------------------------
// Pieces on their own.

void BM_ModelStep(benchmark::State& state)
{
    tesselka::model::HowaTable table;
    table.fill();
    tesselka::model::Air air;
    int t = 30;
    for (auto _ : state) {
        if (--t < -10) {
            air.reset(table, 30, 60, 30);
            t = 29;
        }
        air.step(table, t);
        benchmark::DoNotOptimize(air);
    }
}
BENCHMARK(BM_ModelStep)->Unit(benchmark::kNanosecond);

QString cup(int i) { return QStringLiteral("%1.jpg").arg(i % 6); }

void BM_FindPicture(benchmark::State& state)
{
    ensure_app();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tesselka::forms::find_picture(cup(i++)));
}
BENCHMARK(BM_FindPicture)->Unit(benchmark::kMicrosecond);

void BM_LoadPicture(benchmark::State& state)
{
    ensure_app();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tesselka::forms::load_picture(cup(i++)));
}
BENCHMARK(BM_LoadPicture)->Unit(benchmark::kMicrosecond);

// The decode alone, from bytes already in memory.
void BM_DecodePicture(benchmark::State& state)
{
    ensure_app();
    std::vector<QByteArray> bytes;
    for (int i = 0; i < 6; ++i) {
        QFile f(tesselka::forms::find_picture(cup(i)));
        f.open(QIODevice::ReadOnly);
        bytes.push_back(f.readAll());
    }
    int i = 0;
    for (auto _ : state) {
        QBuffer buffer(&bytes[i++ % 6]);
        QImageReader reader(&buffer);
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(BM_DecodePicture)->Unit(benchmark::kMicrosecond);

// The whole window rendered: an upper bound for any repaint.
void BM_PaintGrab(benchmark::State& state)
{
    MainWindow& w = shown_window();
    for (auto _ : state)
        benchmark::DoNotOptimize(w.grab());
}
BENCHMARK(BM_PaintGrab)->Unit(benchmark::kMicrosecond);

// Only the regions real ticks mark dirty, rendered into an image; with `own_only`, only the
// window's own paintEvent (its light-weight controls), without the child widgets.
void paint_dirty(benchmark::State& state, bool own_only)
{
    MainWindow& w = shown_window();
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    const auto flags = own_only ? QWidget::RenderFlags(QWidget::DrawWindowBackground)
                                : QWidget::RenderFlags(QWidget::DrawWindowBackground |
                                                       QWidget::DrawChildren);
    const auto& regions = survey().regions;
    std::size_t i = 0;
    for (auto _ : state) {
        const QRegion& r = regions[i++ % regions.size()];
        w.render(&image, r.boundingRect().topLeft(), r, flags);
    }
}
void BM_PaintDirtyRender(benchmark::State& state) { paint_dirty(state, false); }
void BM_PaintDirtyRenderWindowOnly(benchmark::State& state) { paint_dirty(state, true); }
BENCHMARK(BM_PaintDirtyRender)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDirtyRenderWindowOnly)->Unit(benchmark::kMicrosecond);

// The window's light-weight controls painted as its paintEvent paints them, once over the whole
// window and once clipped to t1, the only control on the window itself that a tick changes.
void window_controls(benchmark::State& state, bool clip_to_t1)
{
    MainWindow& w = shown_window();
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    if (clip_to_t1)
        painter.setClipRect(w.t1->bounds());
    for (auto _ : state)
        w.client().paint(painter, w.rect());
}
void BM_WindowControlsPaint(benchmark::State& state) { window_controls(state, false); }
void BM_WindowControlsPaintClipT1(benchmark::State& state) { window_controls(state, true); }
BENCHMARK(BM_WindowControlsPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowControlsPaintClipT1)->Unit(benchmark::kMicrosecond);

// One label as it paints now (a QTextLayout built, shaped and laid out per paint) ...
void BM_LabelPaint(benchmark::State& state)
{
    MainWindow& w = shown_window();
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    for (auto _ : state)
        w.Label7->paint(painter);
}
BENCHMARK(BM_LabelPaint)->Unit(benchmark::kMicrosecond);



// What the window shows on screen (the backing store, as painted tick by tick) against a full
// render of the same state: painting only the dirty region must leave no stale pixels.
bool same_on_screen(QWidget& w)
{
    const QImage screen =
        w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage full = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return !screen.isNull() && screen == full;
}

// The bare baseline: a shown QLabel whose text changes, and its repaint.
void BM_BareTick(benchmark::State& state)
{
    static QLabel* label = [] {
        ensure_app();
        auto* l = new QLabel(QStringLiteral("現在のコップの水温 30 ℃"));
        l->show();
        settle();
        return l;
    }();
    int i = 0;
    Samples s;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        label->setText(QStringLiteral("現在のコップの水温 %1 ℃").arg(30 - i++ % 41));
        flush_paint();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t1 - t0));
        s.add("tick", seconds(t1 - t0));
    }
    s.report(state);
}
BENCHMARK(BM_BareTick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------------------------
// The survey: what a cycle of real ticks repaints, and the checks that the mirrored steps leave
// the window exactly as real ticks do and that the screen shows what a full render shows.

void check_mirror(Survey& s)
{
    MainWindow real, mirrored;
    real.load();
    mirrored.load();
    for (int i = 0; i < 45; ++i) {
        real.Timer1->fire();
        if (mirror::caption(mirrored)) {
            mirror::model(mirrored);
            mirror::geometry(mirrored);
            mirror::circles(mirrored);
            mirror::picture(mirrored);
        } else {
            mirrored.reset_run();
        }
        if (real.grab().toImage() != mirrored.grab().toImage() ||
            real.air.howa_gap != mirrored.air.howa_gap ||
            real.air.vapor_now != mirrored.air.vapor_now)
            ++s.mirror_differences;
    }
    if (s.mirror_differences)
        std::fprintf(stderr, "tick_bench: the mirrored steps differ from real ticks in %d of 45\n",
                     s.mirror_differences);
}

void survey_ticks(Survey& s)
{
    MainWindow& w = shown_window();
    w.reset_run();
    flush_paint();
    const double window_area = double(w.width()) * w.height();
    double dirty = 0, own = 0;
    int events = 0, window_events = 0;
    const int ticks = 41;  // 30 down to -10, then the reset
    for (int i = 0; i < ticks; ++i) {
        w.Timer1->fire();
        PaintCapture capture(w);
        flush_paint();
        s.regions.push_back(capture.region);
        dirty += area(capture.region);
        own += area(capture.window_own);
        events += capture.events;
        window_events += capture.window_events;
    }
    s.dirty_fraction = dirty / ticks / window_area;
    s.window_own_fraction = own / ticks / window_area;
    s.paint_events = double(events) / ticks;
    s.window_paint_events = double(window_events) / ticks;
    s.width = w.width();
    s.height = w.height();
}

// After every tick of a cycle, what the window shows equals a full render.
void check_on_screen(Survey& s)
{
    for (int i = 0; i < 41; ++i) {
        shown_window().Timer1->fire();
        flush_paint();
        s.screen_differences += same_on_screen(shown_window()) ? 0 : 1;
    }
}

const Survey& survey()
{
    static const Survey s = [] {
        Survey s;
        check_mirror(s);
        survey_ticks(s);
        check_on_screen(s);
        return s;
    }();
    return s;
}

// Reports the survey as counters; it runs once, before the benchmarks that use it.
void BM_Survey(benchmark::State& state)
{
    const Survey& s = survey();
    for (auto _ : state)
        benchmark::DoNotOptimize(s);
    state.counters["dirty_fraction"] = s.dirty_fraction;
    state.counters["window_own_fraction"] = s.window_own_fraction;
    state.counters["paint_events"] = s.paint_events;
    state.counters["window_paint_events"] = s.window_paint_events;
    state.counters["width"] = s.width;
    state.counters["height"] = s.height;
    state.counters["mirror_differences"] = s.mirror_differences;
    state.counters["screen_differences"] = s.screen_differences;
}

BENCHMARK(BM_Survey)->Iterations(1)->Repetitions(1);

}  // namespace
