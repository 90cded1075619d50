// TfrmMain and the copy of the session in progress kept against a crash: what a stopped run
// left is logged at start-up, before any new session may be kept over it; a finished session
// stays kept until the working file is saved with it.
#include "linetally/ui/main_window.h"

#include "linetally/ui/message_boxes.h"

namespace lt {

void TfrmMain::RecoverSession() {
  auto leftover = checkpoint.TakeLeftover();
  if (leftover.session) LogSession(*leftover.session);
  keepingSessions = true;
  if (leftover.session)
    ShowWarning(Handle(), leftover.message);
  else if (!leftover.message.empty())
    ShowError(leftover.message);
}

bool TfrmMain::KeepSession(const SessionRecord& soFar) {
  return keepingSessions && WriteCheckpoint([&] { checkpoint.Keep(soFar); });
}

bool TfrmMain::WriteCheckpoint(const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const FileError& error) {
    if (!keepFailureShown) {
      keepFailureShown = true;  // once a run: the tick tries again every minute
      ShowError("The session could not be kept in \"" + checkpoint.Path() + "\" against a crash: " + error.what());
    }
    return false;
  }
}

void TfrmMain::DropKeptSession() {
  SettleCheckpoint([this] { checkpoint.DropInProgress(); });
}

void TfrmMain::SettleCheckpoint(const std::function<void()>& settle) {
  try {
    settle();
  } catch (const FileError& error) {
    ShowError("\"" + checkpoint.Path() + "\" could not be removed (" + error.what() +
              "), so the next start will log its session again.");
  }
}

}  // namespace lt
