#pragma once
// The connection monitor: the 250 ms tick that polls the remote-access service, times a session
// second by second, prices each counted second through the cost step, and hands the finished
// session to the log. A session whose link is up is kept against a crash when it starts or its
// link comes up, then once a minute. Also the debug toggle that simulates a connection.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "linetally/base/clock.h"
#include "linetally/base/currency.h"
#include "linetally/database/session_record.h"
#include "linetally/monitor/cost_step.h"
#include "linetally/monitor/debug_key_sequence.h"
#include "linetally/monitor/remote_access.h"

namespace lt {

// What the monitor shows and asks of the main window.
class MonitorView : public CostDisplay {
 public:
  virtual void SetStatusText(const std::string& text) = 0;  // Label1
  virtual void UpdateStatusBar() = 0;
  // Appends the finished session to the log, adds its row and saves the working file.
  virtual void LogSession(const SessionRecord& record) = 0;
  // Keeps the session so far against a crash (the journal beside the log; a copy that could not
  // be written is written again a minute later).
  virtual void KeepSession(const SessionRecord& soFar) = 0;
  // The session has ended, logged or not: a kept copy of it in progress goes. The journal knows
  // whether there is one.
  virtual void DropKeptSession() = 0;
  // The window's part of the reset after a session: gauge position 0, empty price label,
  // total cost recomputed, status bar refreshed.
  virtual void ResetSessionDisplay() = 0;
  virtual void SetDebugCaptions(bool debugging) = 0;  // Button1 and the tray item Debug1
  virtual void ToggleDebugControls() = 0;             // shows or hides both
};

class SessionMonitor {
 public:
  SessionMonitor(RemoteAccess& ras, Clock& clock, CostStep& costs, MonitorView& view)
      : ras(ras), clock(clock), costs(costs), view(view) {}

  void QueryPlatform();  // once at start-up: selects the record layouts
  void Timer1Timer();
  void DoEnd();
  void FinishUp();  // also ends a session without logging it
  // Exit: ends and logs the session, unless none is active or it is being ended already (a
  // box inside the ending lets ticks and commands through).
  void EndSession();
  // The fatal amount path, under the same guard: the session so far as a record for the
  // caller to keep, when its link came up. The monitor counts it as ending from then on.
  std::optional<SessionRecord> EndForFailure();
  void Button1Click();   // debug toggle
  void KeyTyped(char c);  // the debug key sequence
  void SetCostStep(CostStep& step) { costs = step; }

  bool SessionActive() const { return sessionActive; }
  bool LinkUp() const { return linkUp; }
  bool Ending() const { return ending; }
  bool DebugMode() const { return debugMode; }
  int32_t OnlineSeconds() const { return onlineSeconds; }
  Currency CallCost() const { return callCost; }
  int32_t ConnectionCount() const { return connectionCount; }
  const std::string& EntryName() const { return entryName; }
  const std::string& StatusText() const { return statusText; }
  uint16_t PlatformId() const { return platformId; }
  bool ConnectionNote() const { return connectionNote; }
  void SetConnectionNote(bool on) { connectionNote = on; }
  CostState& Costs() { return costState; }

 private:
  void GetExtraInfo() { ending = false; }  // the note step asks for nothing yet
  SessionRecord Record();  // the session from StartTime to EndTime
  DateTime Now() { return *EncodeDateTime(clock.Now()); }
  void KeepSessionIfDue(bool secondCounted);

  RemoteAccess& ras;
  Clock& clock;
  std::reference_wrapper<CostStep> costs;
  MonitorView& view;
  DebugKeySequence keys;

  int32_t connectionCount = 0;
  uint16_t connectionState = 0;
  std::string entryName, statusText;
  bool debugMode = false, sessionActive = false, linkUp = false, ending = false;
  bool connectionNote = false;
  bool keepTried = false;  // the session in progress was first kept: then once a minute
  int32_t onlineSeconds = 0;
  Currency callCost;
  CivilDateTime startTime, endTime;
  uint16_t lastSecond = 0;
  uint16_t platformId = 0;
  CostState costState;
};

}  // namespace lt
