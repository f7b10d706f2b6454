#pragma once
// The four quantities that describe the air next to the cup, in hundredths of a gram of water
// vapour per cubic metre (see howa_table.h).

#include <cstdint>

namespace tesselka::model {

class HowaTable;

struct Air {
    double vapor0 = 0;           // vapour the air held at the last reset (a whole number)
    double vapor_now = 0;        // vapour it holds now; only falls during a run
    std::int16_t howa_now = 0;   // saturated amount at the water temperature
    std::int16_t howa_gap = 0;   // condensed amount, vapor0 - howa_now, held at 0 after a step

    // A new run from the air temperature, humidity (%) and start water temperature. Sets the
    // quantities in a fixed order; an error part-way leaves the earlier ones set. howa_gap is
    // left unclamped: the step that follows every reset clamps it.
    void reset(const HowaTable& table, double kion, double situdo, double t0);

    // Brings the quantities to water temperature t. Afterwards vapor_now == min(vapor0,
    // howa_now) and howa_gap == vapor0 - vapor_now, since t only falls during a run.
    void step(const HowaTable& table, double t);
};

}  // namespace tesselka::model
