#include "linetally/monitor/session_monitor.h"

#include "linetally/base/duration_text.h"
#include "linetally/monitor/gauge.h"

namespace lt {

void SessionMonitor::QueryPlatform() {
  platformId = ras.QueryPlatformId();
  ras.SelectLayout(platformId);
}

void SessionMonitor::Timer1Timer() {
  connectionState = kStateOpenPort;
  if (!debugMode) {
    connectionCount = ras.EnumerateConnections(entryName);
    connectionState = ras.ConnectionState();
    // With nothing listed, the state a vanished connection left in the status record no longer
    // describes the line (the service refuses its handle); only "disconnected" stays on show.
    if (connectionCount == 0 && connectionState != kStateDisconnected) connectionState = kStateOpenPort;
  } else {
    connectionState = kStateConnected;
  }

  switch (connectionState) {
    case kStateOpenPort:
      statusText = "RAS Idle";
      if (!debugMode) {
        view.ShowTrayFrame(kTrayFrameIdle);
        costs.get().UpdatePriceLabel(view);
      }
      break;
    case kStateConnectDevice:
      statusText = "Connecting...";
      break;
    case kStateDeviceConnected:
      statusText = "Starting Authentication Process...";
      linkUp = true;
      break;
    case kStateAllDevicesConnected:
      statusText = "Authenticating...";
      linkUp = true;
      break;
    case kStateAuthenticate:
      statusText = "Logging on...";
      linkUp = true;
      break;
    case kStateConnected:
      statusText = "On-line for " + DurationText(onlineSeconds);
      linkUp = true;
      break;
    case kStateDisconnected:
      statusText = "Disconnected";
      view.ShowTrayFrame(kTrayFrameIdle);
      costs.get().UpdatePriceLabel(view);
      break;
    default:
      break;  // unlisted states keep the text
  }
  if (debugMode) statusText = "Debugging for " + DurationText(onlineSeconds);
  view.SetStatusText(statusText);

  if (connectionState == kStateDisconnected && connectionCount > 0) connectionCount = 0;

  if (connectionCount > 0 && !sessionActive) {
    startTime = clock.Now();
    sessionActive = true;
    costState.firstSecond = true;
    onlineSeconds = 0;
  } else if (connectionCount == 0) {
    EndSession();
  }

  if (connectionCount > 0) {
    const uint16_t second = uint16_t(clock.Now().second);
    const bool counted = second != lastSecond;
    if (counted) {
      ++onlineSeconds;
      costState.connection = debugMode ? kDebugSessionName : entryName;
      callCost = costs.get().UpdateCallCost(costState, view);
      lastSecond = second;
    } else {
      const uint16_t again = uint16_t(clock.Now().second);
      view.UpdateStatusBar();
      lastSecond = again;
    }
    if (sessionActive && linkUp && !ending) KeepSessionIfDue(counted);
  }
}

void SessionMonitor::KeepSessionIfDue(bool secondCounted) {
  if (keepTried && !(secondCounted && onlineSeconds % 60 == 0)) return;
  keepTried = true;
  endTime = clock.Now();  // the session so far
  view.KeepSession(Record());
}

void SessionMonitor::EndSession() {
  if (!sessionActive || ending) return;
  ending = true;
  DoEnd();
}

std::optional<SessionRecord> SessionMonitor::EndForFailure() {
  if (!sessionActive || ending) return std::nullopt;
  ending = true;
  endTime = clock.Now();
  if (!linkUp) return std::nullopt;
  return Record();
}

void SessionMonitor::DoEnd() {
  endTime = clock.Now();
  if (linkUp) {
    if (connectionNote) GetExtraInfo();
    view.LogSession(Record());
  }
  FinishUp();
}

SessionRecord SessionMonitor::Record() {
  if (entryName.empty()) entryName = kDebugSessionName;
  SessionRecord record;
  record.start = startTime;
  record.end = endTime;
  record.seconds = onlineSeconds;
  record.service = entryName;
  record.cost = callCost;
  return record;
}

void SessionMonitor::FinishUp() {
  linkUp = false;
  sessionActive = false;
  onlineSeconds = 0;
  callCost = Currency();
  costState.accumulatedCost = 0;
  view.DropKeptSession();
  keepTried = false;
  view.ResetSessionDisplay();
  view.ShowTrayFrame(kTrayFrameIdle);
  ending = false;
}

void SessionMonitor::Button1Click() {
  if (connectionCount == 0) {
    connectionCount = 1;
    linkUp = true;
    debugMode = true;
    view.SetDebugCaptions(true);
  } else {
    connectionCount = 1;
    debugMode = false;
    view.SetDebugCaptions(false);
  }
}

void SessionMonitor::KeyTyped(char c) {
  if (keys.Feed(c)) view.ToggleDebugControls();
}

}  // namespace lt
