// The program's own start-up (app::run, as the executable runs it), watched by the hook: process
// start to the intro window's first paint, the warm-up done while the intro shows, "次へ" to the
// simulation window's first paint, then PROBE_TICKS cooling ticks.

#include "probe_hook.h"

#include "app/application.h"
#include "app/warm_up.h"
#include "intro/start_view.h"
#include "run/main_window.h"

using tesselka::intro::StartView;
using tesselka::run::MainWindow;

int main(int argc, char** argv)
{
    probe::install({
        .is_first = [](QWidget* w) { return dynamic_cast<StartView*>(w) != nullptr; },
        .is_second = [](QWidget* w) { return dynamic_cast<MainWindow*>(w) != nullptr; },
        .next = [](QWidget* w) { static_cast<StartView*>(w)->Command1->click(); },
        .tick = [](QWidget* w, int) { static_cast<MainWindow*>(w)->Timer1->fire(); },
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
    return tesselka::app::run(argc, argv);
}
