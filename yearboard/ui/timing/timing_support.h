#pragma once
// What the timing programs share: a planner view that shows nothing (the grid window alone is
// painted), and elapsed time from the performance counter.
#include <windows.h>

#include <string>

#include "yearboard/model/planner_view.h"

namespace timing {

class QuietView : public yb::PlannerView {
 public:
  void BeginShowYear(int) override {}
  void EndShowYear() override {}
  void SetStatusText(const std::string&) override {}
  void BeginProgress() override {}
  void SetProgress(float) override {}
  void EndProgress() override {}
  yb::Color PickColor(yb::Color preset) override { return preset; }
};

inline double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

}  // namespace timing
