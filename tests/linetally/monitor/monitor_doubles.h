#pragma once
// A scripted remote-access provider, a recording window and a counting cost step.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "linetally/monitor/session_monitor.h"

namespace lt::testing {

class ScriptedRemoteAccess : public RemoteAccess {
 public:
  struct Tick {
    int32_t count = 0;
    std::optional<std::string> name;     // nothing: the buffer keeps the last name written
    std::optional<uint16_t> state;       // nothing: the status record keeps the last state
  };
  void Then(Tick tick, int times = 1) {
    for (int i = 0; i < times; ++i) script.push_back(tick);
  }
  uint16_t QueryPlatformId() override { return 2; }
  void SelectLayout(uint16_t id) override { layout = id; }
  int32_t EnumerateConnections(std::string& firstEntryName) override {
    ++enumerations;
    if (!script.empty()) {
      current = script.front();
      script.pop_front();
    } else {
      current = Tick{};
    }
    if (current.name) name = *current.name;
    firstEntryName = name;
    return current.count;
  }
  uint16_t ConnectionState() override {
    if (current.state) state = *current.state;
    return state;
  }
  int enumerations = 0;
  uint16_t layout = 0;

 private:
  std::deque<Tick> script;
  Tick current;
  std::string name;
  uint16_t state = 0;
};

class RecordingView : public MonitorView {
 public:
  void SetStatusText(const std::string& text) override { status.push_back(text); }
  void UpdateStatusBar() override { ++statusBarUpdates; }
  void LogSession(const SessionRecord& record) override {
    logged.push_back(record);
    if (onLog) onLog();
  }
  void KeepSession(const SessionRecord& soFar) override {
    keptSeconds.push_back(soFar.seconds);
    lastKept = soFar;
  }
  void DropKeptSession() override { ++drops; }
  void ResetSessionDisplay() override { ++resets; }
  void SetDebugCaptions(bool debugging) override { debugCaption = debugging ? "&Stop" : "&Debug"; }
  void ToggleDebugControls() override { debugShown = !debugShown; }
  void SetPriceLabel(const std::string& text) override { priceLabel = text; }
  void DoProgressBar(const std::string&, int, long double, long double) override {}
  void ShowTrayFrame(int frame) override { trayFrames.push_back(frame); }

  std::vector<std::string> status;
  std::vector<SessionRecord> logged;
  std::vector<int> trayFrames;
  std::vector<int32_t> keptSeconds;  // the counted seconds of each kept copy
  SessionRecord lastKept;
  int drops = 0;
  std::string priceLabel, debugCaption;
  int statusBarUpdates = 0, resets = 0;
  bool debugShown = false;
  std::function<void()> onLog;
};

// Each counted second costs 0.0010.
class CountingCostStep : public CostStep {
 public:
  Currency UpdateCallCost(CostState& state, CostDisplay&) override {
    ++steps;
    firstSecondSeen.push_back(state.firstSecond);
    connectionsSeen.push_back(state.connection);
    state.firstSecond = false;
    return Currency::FromRaw(10 * steps);
  }
  void UpdatePriceLabel(CostDisplay& display) override {
    ++priceLabels;
    display.SetPriceLabel("idle");
  }
  int steps = 0, priceLabels = 0;
  std::vector<bool> firstSecondSeen;
  std::vector<std::string> connectionsSeen;  // the connection each step priced
};

}  // namespace lt::testing
