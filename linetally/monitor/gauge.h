#pragma once
// The minimum-charge gauge: how much of the period the minimum charge pays for is still left,
// as a progress bar range and position and the tray frame that goes with it.
namespace lt {

inline constexpr int kTrayFrameOnline = 15;  // on line, no minimum-charge period running
inline constexpr int kTrayFrameIdle = 16;

struct GaugeState {
  int maximum = 0;
  int position = 0;  // clamped to 0..maximum, as the bar keeps it
  int trayFrame = kTrayFrameOnline;
};

// minimum: the discounted minimum charge X; costPerSecond: C; accumulated: A.
// With C <= 0 or X < 0 there is no period to show: an empty gauge and the on-line frame.
GaugeState ComputeGauge(long double minimum, long double costPerSecond, long double accumulated);

}  // namespace lt
