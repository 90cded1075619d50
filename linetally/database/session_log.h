#pragma once
// The session log as the main window works on it: the records and their working file
// (SessionDatabase) and, beside them, the journal of what has not reached the disk
// (SessionJournal). Every step that changes the records or writes the files goes through
// here, in one order for the window and the tests alike, so the journal hears of each; the
// window only shows what comes of them.
#include <functional>
#include <string>
#include <vector>

#include "linetally/database/session_database.h"
#include "linetally/database/session_journal.h"

namespace lt {

class SessionLog {
 public:
  SessionLog(SessionDatabase& database, SessionJournal& journal, DatabaseUi& ui, const RegionalFormats& formats)
      : database(database), journal(journal), ui(ui), formats(formats) {}

  // Start-up, before anything is written: what the last run left.
  void OpenJournal();
  // Start-up, later: the working file loaded and parsed, and the sessions the last run did not
  // save that it lacks added to the records; what to tell the user (one box for all, a warning
  // when sessions were added, else an error when part of the journal was damaged).
  struct Recovery {
    std::vector<SessionRecord> sessions;
    std::string message;
    bool warning = false;
  };
  Recovery LoadAndRecover();
  // Sessions not in the saved log yet: the refill after start-up saves when there are any.
  size_t Unsaved() const { return journal.Unsaved(); }

  // The session in progress, from the connection monitor.
  void Keep(const SessionRecord& soFar);
  void Log(const SessionRecord& record);  // appended to the records, held until saved
  void SessionEnded();                    // whether logged or not

  // The refill's checks and save (UpdateListBox): every record from `from` on must list, or the
  // recovery runs (`beforeRecovery` hears how many rows stand before the bad one) and the
  // records are checked again from 1. Then the working file is saved when asked. Returns from
  // which record the list must be filled again.
  size_t Refresh(size_t from, bool save, const std::function<void(size_t listed)>& beforeRecovery = {});
  // The working file replaced by the records; the journal lets go of what it now holds.
  bool Save();

  // Delete: the rows (0-based, as the list has them) go, and with them a session not saved yet.
  void Delete(const std::vector<size_t>& rows);
  // New and Open: a mark taken before the question, so that a session that ends while the
  // question or the file dialog is up is added to the records that replace the old ones.
  SessionJournal::Mark MarkNow() { return journal.MarkNow(); }
  void New(const SessionJournal::Mark& mark);  // then Refresh(1, save)
  void Open(const SessionJournal::Mark& mark, const std::string& name);  // then Refresh(1, save), then Opened
  // After the refill of an Open: when the copy was taken, the sessions not saved that it lacks
  // were the user's to lose.
  void Opened(const std::string& name);

  // The fatal amount path: the session straight into the working file on disk.
  void AppendForFailure(const SessionRecord& record);

 private:
  bool DoException();
  // A step of the journal; a failed write is told when the file stops following (once, until
  // a write succeeds again) and the journal still holds something it could lose.
  template <typename Step>
  void Journal(Step step);

  SessionDatabase& database;
  SessionJournal& journal;
  DatabaseUi& ui;
  const RegionalFormats& formats;
  std::string leftoverDamaged;
};

}  // namespace lt
