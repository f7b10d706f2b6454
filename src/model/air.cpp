#include "air.h"

#include "howa_table.h"
#include "numbers.h"

#include <cmath>

namespace tesselka::model {

void Air::reset(const HowaTable& table, double kion, double situdo, double t0)
{
    const int a = HowaTable::index_of(kion);
    // Multiply first, then divide: every listed humidity and table value is a multiple of 10,
    // so the floor cuts nothing for the lists' own entries.
    vapor_now = std::floor(situdo * table(a) / 100);
    howa_now = table.at_temperature(t0);
    vapor0 = vapor_now;
    howa_gap = to_int16(vapor0 - howa_now);
}

void Air::step(const HowaTable& table, double t)
{
    howa_now = table.at_temperature(t);
    howa_gap = to_int16(vapor0 - howa_now);
    if (howa_now < vapor_now)
        vapor_now = howa_now;  // saturated: the surplus is what condenses
    if (howa_gap < 0)
        howa_gap = 0;
}

}  // namespace tesselka::model
