// The program's own start-up (app::run, as the executable runs it), watched by the hook: process
// start to the intro window's first paint, the warm-up done while the intro shows, "次へ" to the
// simulation window's first paint, then PROBE_TICKS cooling ticks. PROBE_ZOOM=PERCENT starts it
// with --zoom PERCENT, PROBE_FULL_SCREEN=1 with --full-screen; PROBE_ZOOM_CHANGES=1 makes each
// tick a zoom change, 100 % to 200 % or back, in place of a cooling tick.

#include "probe_hook.h"

#include "app/application.h"
#include "app/warm_up.h"
#include "forms/form.h"
#include "intro/start_view.h"
#include "run/main_window.h"

#include <QByteArray>

#include <vector>

using tesselka::intro::StartView;
using tesselka::run::MainWindow;

int main(int argc, char** argv)
{
    static const bool zoom_changes = qEnvironmentVariableIntValue("PROBE_ZOOM_CHANGES") == 1;
    QByteArray zoom = qgetenv("PROBE_ZOOM");
    std::vector<char*> args(argv, argv + argc);
    char zoom_option[] = "--zoom", full_screen_option[] = "--full-screen";
    if (!zoom.isEmpty()) {
        args.push_back(zoom_option);
        args.push_back(zoom.data());
    }
    if (qEnvironmentVariableIntValue("PROBE_FULL_SCREEN") == 1)
        args.push_back(full_screen_option);
    args.push_back(nullptr);
    int count = static_cast<int>(args.size()) - 1;
    probe::install({
        .is_first = [](QWidget* w) { return dynamic_cast<StartView*>(w) != nullptr; },
        .is_second = [](QWidget* w) { return dynamic_cast<MainWindow*>(w) != nullptr; },
        .next = [](QWidget* w) { static_cast<StartView*>(w)->Command1->click(); },
        .tick =
            [](QWidget* w, int i) {
                if (zoom_changes)
                    tesselka::forms::zoom_windows(tesselka::forms::Zoom(i % 2 ? 2.0 : 1.0));
                else
                    static_cast<MainWindow*>(w)->Timer1->fire();
            },
        .first_shown =
            [](QWidget* intro) {
                for (QObject* child : intro->children())
                    if (auto* warm_up = dynamic_cast<tesselka::app::WarmUp*>(child))
                        warm_up->on_finished([] {
                            probe::mark("warm_done");
                            probe::cpu("warm_done");
                            probe::memory("warm_done");
                        });
            },
    });
    return tesselka::app::run(count, args.data());
}
