#pragma once
// What the planner's portable code asks of its window: the band with the year and the year
// buttons, the status bar's message panel, the progress bar that stands in for the status bar
// while a year loads, and the colour dialog.
#include <string>

#include "yearboard/base/color.h"

namespace yb {

class PlannerView {
 public:
  virtual ~PlannerView() = default;
  // The band (the year buttons with it) disabled, the hourglass, the year in the caption,
  // which is repainted at once.
  virtual void BeginShowYear(int year) = 0;
  // The normal pointer, the band enabled.
  virtual void EndShowYear() = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  // Progress value 1, status bar hidden, the bar over it and shown.
  virtual void BeginProgress() = 0;
  virtual void SetProgress(float value) = 0;  // 0..366
  // Bar hidden, status bar shown again.
  virtual void EndProgress() = 0;
  // The colour dialog preset to the colour; the chosen colour, or the preset when cancelled.
  virtual Color PickColor(Color preset) = 0;
};

}  // namespace yb
