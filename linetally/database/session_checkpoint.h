#pragma once
// The session in progress, kept next to the log as "Lnt.run" so that a crash, a kill or a power
// cut loses at most a minute of it: one record line as the log holds it (end = when it was
// kept), replaced atomically through the file store. A finished session stays kept until a
// save of the working file holds it, so a log that cannot be written loses nothing either.
// At the next start a checkpoint left behind becomes a record with the recovery note; one that
// cannot be read is moved aside, as a damaged log is.
#include <optional>
#include <string>

#include "linetally/base/regional_formats.h"
#include "linetally/database/file_store.h"
#include "linetally/database/record_table.h"
#include "linetally/database/session_record.h"

namespace lt {

inline constexpr const char* kRecoveredNote = "Recovered after Linetally stopped unexpectedly";

// The record a checkpoint line stands for, note included; nothing when the text is not exactly
// one line whose dates, seconds (not negative) and cost read back.
std::optional<SessionRecord> ParseCheckpoint(std::string_view text, const RegionalFormats& formats);

class SessionCheckpoint {
 public:
  SessionCheckpoint(FileStore& files, const RegionalFormats& formats, const std::string& programFolder)
      : files(files), formats(formats), path(programFolder + "Lnt.run") {}

  const std::string& Path() const { return path; }
  // The session in progress so far. It replaces what the file held, a finished session not yet
  // saved included. Throws FileError; the old checkpoint stays whole.
  void Keep(const SessionRecord& soFar);
  // The session has been added to the records as `logged`: the file holds that final record
  // until the working file does. Throws FileError, the session noted all the same.
  void Finish(const SessionRecord& logged);
  // The working file was saved from `lines`: a finished session among them is logged for good.
  void Saved(const RecordLines& lines);
  // The user removed records: a finished session no longer among `lines` is not wanted either.
  void Edited(const RecordLines& lines);
  // The session in progress ended without a record; a finished session's checkpoint stays.
  void DropInProgress();
  // The three above throw FileError when the file stays.

  // What the last run left behind. A session is for the caller to log as any finished one
  // (Finish, then Saved); a damaged one has already been moved aside.
  struct Leftover {
    std::optional<SessionRecord> session;
    std::string message;  // for the user; empty when nothing was left
  };
  Leftover TakeLeftover();

 private:
  void Drop();
  bool FinishedAmong(const RecordLines& lines) const;

  FileStore& files;
  const RegionalFormats& formats;
  std::string path;
  enum class Holds { Nothing, InProgress, Finished } holds = Holds::Nothing;
  std::string finishedLine;  // the record line of the finished session held
};

}  // namespace lt
