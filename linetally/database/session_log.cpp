#include "linetally/database/session_log.h"

namespace lt {

template <typename Step>
void SessionLog::Journal(Step step) {
  const bool wasFailing = journal.Failing();
  try {
    step();
  } catch (const FileError& error) {
    if (!wasFailing && (journal.Unsaved() > 0 || journal.InProgress()))
      ui.ShowError("The sessions that are not in the saved log yet could not be kept in \"" + journal.Path() +
                   "\" against a crash: " + error.what());
  }
}

void SessionLog::OpenJournal() { leftoverDamaged = journal.Open().damaged; }

SessionLog::Recovery SessionLog::LoadAndRecover() {
  database.LoadDatabase(database.WorkingFile());
  database.ReadDatabase(1);
  Recovery recovery;
  recovery.sessions = journal.Restore(database.Lines());
  database.AppendRecords(recovery.sessions);
  if (!recovery.sessions.empty()) {
    recovery.warning = true;
    recovery.message = RecoveredText(recovery.sessions);
    if (!leftoverDamaged.empty()) recovery.message += "\r\r" + leftoverDamaged;
  } else {
    recovery.message = leftoverDamaged;
  }
  leftoverDamaged.clear();
  return recovery;
}

void SessionLog::Keep(const SessionRecord& soFar) {
  Journal([&] { journal.Keep(soFar); });
}

void SessionLog::Log(const SessionRecord& record) {
  database.UpdateDB(record);
  Journal([&] { journal.Finish(record); });
}

void SessionLog::SessionEnded() {
  Journal([&] { journal.DropInProgress(); });
}

size_t SessionLog::Refresh(size_t from, bool save, const std::function<void(size_t)>& beforeRecovery) {
  if (from < 1) from = 1;
  const RecordTable& table = database.Table();
  for (size_t i = from; i <= table.Count(); ++i)
    if (!IsListable(table.Row(i), formats)) {
      if (beforeRecovery) beforeRecovery(i - 1);
      Refresh(1, DoException(), beforeRecovery);
      return 1;
    }
  const size_t count = table.Count();
  if (save) Save();
  // The first save after a failed start-up put the file's records in front.
  return table.Count() == count ? from : 1;
}

bool SessionLog::DoException() {
  const bool save = database.DoException();
  // The records it left (the working file read again, or none) lack the sessions not saved yet.
  database.AppendRecords(journal.Restore(database.Lines()));
  return save;
}

bool SessionLog::Save() {
  if (!database.SaveWorkingFile()) return false;
  Journal([&] { journal.Saved(database.Lines()); });
  return true;
}

void SessionLog::Delete(const std::vector<size_t>& rows) {
  database.DeleteRows(rows);
  Journal([&] { journal.Removed(database.Lines()); });
}

void SessionLog::New(const SessionJournal::Mark& mark) {
  const std::vector<SessionRecord> since = journal.MissingSince(mark, {});
  database.Clear();
  database.ReadDatabase(1);
  database.AppendRecords(since);
  Journal([&] { journal.Removed(database.Lines()); });
}

void SessionLog::Open(const SessionJournal::Mark& mark, const std::string& name) {
  database.LoadDatabase(name);
  const std::vector<SessionRecord> since = journal.MissingSince(mark, database.Lines());
  if (since.empty())
    database.ReadDatabase(1);
  else
    database.AppendRecords(since);  // one parse, one size check
}

void SessionLog::Opened(const std::string& name) {
  if (database.CurrentFile() == name) Journal([&] { journal.Removed(database.Lines()); });
}

void SessionLog::AppendForFailure(const SessionRecord& record) {
  Journal([&] { journal.Finish(record); });
  if (database.AppendToWorkingFile(record))
    Journal([&] { journal.Saved(RecordLines{BuildRecordLine(record, formats)}); });
}

}  // namespace lt
