#pragma once
// The session log: the record lines in memory, their parsed table, the working file "Lnt.dat"
// in the program folder, saved copies, the size warning, the totals and the recovery from a
// file that cannot be listed. Messages go to the window through DatabaseUi.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "linetally/base/currency.h"
#include "linetally/base/regional_formats.h"
#include "linetally/database/file_store.h"
#include "linetally/database/period_totals.h"
#include "linetally/database/record_table.h"
#include "linetally/database/running_totals.h"
#include "linetally/database/session_record.h"

namespace lt {

inline constexpr int kSizeWarningHelpContext = 8030;
inline constexpr size_t kSizeWarningLimit = 900;

class DatabaseUi {
 public:
  virtual ~DatabaseUi() = default;
  virtual void ShowError(const std::string& text) = 0;  // the standard error box
  virtual void ShowSizeWarning(const std::string& text, int helpContext) = 0;  // OK and Help
};

// The message for a cost field that does not read (ReadRecordCost).
std::string UnreadableCostText(const std::string& field);

// Field 1 reads as a date-time and field 3 as a whole number.
bool IsListable(const RecordFields& fields, const RegionalFormats& formats);

class SessionDatabase {
 public:
  SessionDatabase(FileStore& files, DatabaseUi& ui, const RegionalFormats& formats, std::string programFolder);

  const std::string& WorkingFile() const { return workingFile; }
  const std::string& CurrentFile() const { return currentFile; }
  const RecordLines& Lines() const { return lines; }
  const RecordTable& Table() const { return table; }
  size_t Count() const { return lines.size(); }

  void LoadDatabase(const std::string& name);
  void ReadDatabase(size_t from);  // parses from..count, then TestSize
  void UpdateDB(const SessionRecord& record);  // appends the line and parses it
  // Appends the sessions in order and parses them, with one size check.
  void AppendRecords(const std::vector<SessionRecord>& records);
  void InsertDB() {}
  void TestSize();
  // The kept totals. A cost that does not read counts nothing, in the totals as in the periods.
  Currency SumCost() const { return totals.Cost(); }
  // The message for the first cost, in record order, that does not read, once: when the log
  // has come to hold such costs since it last held none.
  std::optional<std::string> UnreadableCostToTell();
  int64_t SumSeconds() const { return totals.Seconds(); }
  // The observer hears of every parsed record now held, then of each one added or removed
  // (loads, appends, deletes, recovery), as the log's own totals do.
  void Watch(RecordObserver& observer) { table.Watch(observer); }
  // Sessions, seconds and cost of each billing period, kept with the totals.
  const PeriodTotals& Periods() const { return periods; }
  void SetBillingDay(int day) { periods.SetBillingDay(day, table); }

  void Clear();  // no records, no rows, zero totals
  // Deletes the lines of the given 0-based row indexes (each as the list had it) and their
  // parsed rows, then runs the size check as every parse does.
  void DeleteRows(const std::vector<size_t>& rows);

  // Replaces the working file with the record lines; false (after a message) when it failed or
  // when the working file was never read successfully and still cannot be.
  bool SaveWorkingFile();
  bool SaveCopy(const std::string& path);  // false after a message
  // Appends one session to the working file as it is on disk, leaving the records in memory
  // alone: they may be a copy that was never checked. False after a message.
  bool AppendToWorkingFile(const SessionRecord& record);

  // Recovery when a record cannot be listed. Returns whether the refill that follows may save.
  bool DoException();

 private:
  bool ReadWorkingFileBack();
  bool ReplaceWorkingFile(const std::string& text);  // false after a message

  FileStore& files;
  DatabaseUi& ui;
  const RegionalFormats& formats;
  std::string workingFile, currentFile;
  RecordLines lines;
  RecordTable table;
  RunningTotals totals;
  PeriodTotals periods{formats};
  // The working file's content is known (read, created or replaced by us); until then it is
  // never overwritten.
  bool workingFileKnown = false;
  bool unreadableCostTold = false;
};

}  // namespace lt
