#pragma once
// A planner view for tests: records the years shown, the band's state, the status texts and
// the progress bar's life, and answers the colour dialog with a chosen colour or as if
// cancelled.
#include <optional>
#include <string>
#include <vector>

#include "yearboard/model/planner_view.h"

namespace yb {

class RecordingView : public PlannerView {
 public:
  void BeginShowYear(int year) override {
    captions.push_back(year);
    bandEnabled = false;
  }
  void EndShowYear() override { bandEnabled = true; }
  void SetStatusText(const std::string& text) override { status.push_back(text); }
  void BeginProgress() override {
    progress.push_back(1);
    progressShown = true;
    ++progressShows;
  }
  void SetProgress(float value) override { progress.push_back(value); }
  void EndProgress() override { progressShown = false; }
  Color PickColor(Color preset) override {
    presets.push_back(preset);
    return dialogAnswer.value_or(preset);
  }

  std::vector<int> captions;
  bool bandEnabled = true;
  std::vector<std::string> status;
  std::vector<float> progress;
  bool progressShown = false;
  int progressShows = 0;
  std::vector<Color> presets;
  std::optional<Color> dialogAnswer;  // empty: the user cancels
};

}  // namespace yb
