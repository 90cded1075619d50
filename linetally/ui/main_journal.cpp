// TfrmMain and the journal of what has not reached the disk (SessionLog): the sessions a
// stopped run left are logged at start-up, the session in progress is kept and let go, and
// the window asks the log for everything else; it keeps no account of its own of what was saved.
#include "linetally/ui/main_window.h"

#include "linetally/ui/message_boxes.h"

namespace lt {

void TfrmMain::LoadAndRecover() {
  const SessionLog::Recovery recovery = log.LoadAndRecover();
  UpdateListBox(1, log.Unsaved() > 0);  // saved at once when a session waits for it
  DoRegistry();
  if (recovery.message.empty()) return;
  if (recovery.warning)
    ShowWarning(Handle(), recovery.message);
  else
    ShowError(recovery.message);
}

void TfrmMain::KeepSession(const SessionRecord& soFar) { log.Keep(soFar); }

void TfrmMain::DropKeptSession() { log.SessionEnded(); }

}  // namespace lt
