#pragma once
// What a pupil who cannot see the screen hears of a run, spoken without moving the keyboard
// focus: the water temperature at every tick, a sentence when something that matters changes
// (water starts to condense, the cup looks different, the run ends, stops or starts again), and
// the whole state on request. Each sentence replaces whatever is still unspoken, so the fast
// speed builds no queue.

#include "access/announcer.h"

namespace tesselka::screen {
class MainView;
}

namespace tesselka::run {

class Narration {
public:
    explicit Narration(screen::MainView& view);

    // Takes the present state as the start of a run, at every reset; says nothing.
    void start_run();
    // After a cooling tick.
    void tick();
    void stopped();
    // After the restart's reset, and after the tick that ended the run and reset it.
    void restarted();
    void ended();
    // Water temperature, the three amounts, the air diagram and the cup.
    void whole_state();

private:
    // The water temperature as said: "29℃".
    QString temperature_text() const;

    screen::MainView& view_;
    access::Announcer announcer_;
    bool condensing_ = false;
    int cup_stage_ = 0;
};

}  // namespace tesselka::run
