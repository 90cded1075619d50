#pragma once
// What has not reached the disk: every finished session that no saved log holds yet, and the
// session in progress. They are kept next to the log as "Lnt.run", one record line per
// finished session and the session in progress as the last line (renewed when its link comes
// up and then every minute), replaced atomically through the file store. Nothing else writes
// or removes that file. At the next start each line whose session the log does not hold (the
// same start time and connection name) is logged with the recovery note, so a crash, a kill, a
// power cut or a log that cannot be written loses no session and logs none twice.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "linetally/base/regional_formats.h"
#include "linetally/database/file_store.h"
#include "linetally/database/record_table.h"
#include "linetally/database/session_record.h"

namespace lt {

inline constexpr const char* kRecoveredNote = "Recovered after Linetally stopped unexpectedly";

// The record a journal line stands for, the recovery note included; nothing when it is not
// one line or its dates, seconds (not negative) and cost do not read.
std::optional<SessionRecord> ParseJournalLine(std::string_view line, const RegionalFormats& formats);

class SessionJournal {
 public:
  SessionJournal(FileStore& files, const RegionalFormats& formats, const std::string& programFolder)
      : files(files), formats(formats), path(programFolder + "Lnt.run") {}
  SessionJournal(const SessionJournal&) = delete;
  SessionJournal& operator=(const SessionJournal&) = delete;

  const std::string& Path() const { return path; }

  // What the last run left, read before anything is written (nothing is, until then): each
  // line that reads becomes a finished session not yet saved, with the recovery note. A file
  // with lines that do not read is kept aside whole first.
  struct Leftover {
    size_t sessions = 0;
    std::string damaged;  // for the user; empty when every line read
  };
  Leftover Open();

  // The session in progress so far: the last line.
  void Keep(const SessionRecord& soFar);
  // The session has been added to the records as `logged`: held until a saved log holds it.
  void Finish(const SessionRecord& logged);
  // The session in progress ended without a record.
  void DropInProgress();
  // The working file has been saved from `lines`: the sessions among them have reached the disk.
  void Saved(const RecordLines& lines);
  // The user removed records (Delete, or New and Open replacing them): a session not saved yet
  // that `lines` no longer hold is not wanted either.
  void Removed(const RecordLines& lines);
  // Each of the five throws FileError when the file could not follow; what the journal holds in
  // memory has changed all the same, and the next write tries again.

  // The sessions not saved yet that `lines` lack, in the order they ended, for the caller to add
  // to the records: the ones the last run left (start-up), or the ones a reload of the working
  // file dropped. From then on they count as among the records.
  std::vector<SessionRecord> Restore(const RecordLines& lines);

  // Taken before a question or dialog after which the records may be replaced (New, Open):
  // every session that ends while it is held is remembered, saved or not, so that it can be
  // added to the new records.
  class Mark {
   public:
    Mark(Mark&& other) noexcept : journal(other.journal), seq(other.seq) { other.journal = nullptr; }
    Mark(const Mark&) = delete;
    Mark& operator=(const Mark&) = delete;
    Mark& operator=(Mark&&) = delete;
    ~Mark();

   private:
    friend class SessionJournal;
    Mark(SessionJournal& journal, uint64_t seq) : journal(&journal), seq(seq) {}
    SessionJournal* journal;
    uint64_t seq;
  };
  Mark MarkNow();
  // The sessions that ended since `mark`, saved or not, that `lines` lack, in order.
  std::vector<SessionRecord> MissingSince(const Mark& mark, const RecordLines& lines) const;

  size_t Unsaved() const;
  bool InProgress() const { return inProgress.has_value(); }
  // The last write of the file failed: it may hold less than the journal.
  bool Failing() const { return failing; }

 private:
  struct Entry {
    uint64_t seq;
    SessionRecord record;
    std::string line;
    bool saved = false;
    bool added = true;  // among the records; not yet for what the last run left
  };
  // Which of `entries` a line of `lines` holds (the same start time and connection name).
  std::vector<bool> Found(const std::vector<const Entry*>& entries, const RecordLines& lines) const;
  void Write();
  void Forget(uint64_t markSeq);
  void Prune();

  FileStore& files;
  const RegionalFormats& formats;
  std::string path;
  bool opened = false, failing = false;
  std::optional<std::string> onDisk;  // the file as last written or read; nothing when there is none
  std::vector<Entry> entries;         // finished sessions, in the order they ended
  std::optional<std::string> inProgress;  // its line
  uint64_t nextSeq = 0;
  std::vector<uint64_t> marks;  // held marks
};

// What to tell the user of the sessions a stopped run left that the log now holds.
std::string RecoveredText(const std::vector<SessionRecord>& sessions);

}  // namespace lt
