#pragma once
// The session in progress, kept next to the log as "Lnt.run" so that a crash, a kill or a power
// cut loses at most a minute of it: one record line as the log holds it (end = when it was
// kept), replaced atomically through the file store, removed when the session ends normally.
// At the next start a checkpoint left behind becomes a record with the recovery note; one that
// cannot be read is moved aside, as a damaged log is.
#include <optional>
#include <string>

#include "linetally/base/regional_formats.h"
#include "linetally/database/file_store.h"
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
  void Keep(const SessionRecord& soFar);  // throws FileError; the old checkpoint stays whole
  void Drop();                            // throws FileError

  // What the last run left behind. A session is taken to be logged by the caller, who then
  // drops the checkpoint; a damaged one has already been moved aside.
  struct Leftover {
    std::optional<SessionRecord> session;
    std::string message;  // for the user; empty when nothing was left
  };
  Leftover TakeLeftover();

 private:
  FileStore& files;
  const RegionalFormats& formats;
  std::string path;
};

}  // namespace lt
