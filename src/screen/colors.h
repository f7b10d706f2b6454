#pragma once
// The colour code shared by the bars, the circles of the air diagram and its legend.

#include <QColor>

namespace tesselka::screen {

inline const QColor kRoomYellow(255, 255, 192);   // room the air still has for vapour
inline const QColor kVapourCyan(192, 255, 255);   // water vapour
inline const QColor kDropletBlue(0, 0, 255);      // condensed water

}  // namespace tesselka::screen
