#pragma once
// The chart `graph` in twips: temperature t stands at x_of(t), 100 twips per degree from -10
// degrees C at its left edge; an amount (in hundredths of g/m3) is a bar that many twips tall
// standing on the baseline, the chart's bottom edge.

namespace tesselka::screen::chart {

inline constexpr double kBaseline = 5200;
inline constexpr double kLeftDegrees = -10;

inline double x_of(double t) { return 100 * (t - kLeftDegrees); }

}  // namespace tesselka::screen::chart
