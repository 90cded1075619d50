#include "linetally/database/session_checkpoint.h"

#include <algorithm>

#include "linetally/base/duration_text.h"

namespace lt {

std::optional<SessionRecord> ParseCheckpoint(std::string_view text, const RegionalFormats& formats) {
  const RecordLines lines = SplitFileText(text);
  if (lines.size() != 1) return std::nullopt;
  const RecordFields fields = SplitRecordLine(lines[0]);
  auto start = ParseRecordDateTime(fields[0], formats);
  auto end = ParseRecordDateTime(fields[1], formats);
  auto seconds = ParseRecordInteger(fields[2]);
  auto cost = Currency::Parse(fields[4]);
  if (!start || !end || !seconds || *seconds < 0 || !cost) return std::nullopt;
  SessionRecord record;
  record.start = *start;
  record.end = *end;
  record.seconds = *seconds;
  record.service = fields[3];
  record.cost = *cost;
  record.note = kRecoveredNote;
  return record;
}

void SessionCheckpoint::Keep(const SessionRecord& soFar) {
  files.ReplaceAtomically(path, JoinFileText({BuildRecordLine(soFar, formats)}));
  holds = Holds::InProgress;
}

void SessionCheckpoint::Finish(const SessionRecord& logged) {
  // Noted first: when the write fails, the file may still hold this session as last kept.
  holds = Holds::Finished;
  finishedLine = BuildRecordLine(logged, formats);
  files.ReplaceAtomically(path, JoinFileText({finishedLine}));
}

void SessionCheckpoint::Saved(const RecordLines& lines) {
  if (holds == Holds::Finished && FinishedAmong(lines)) Drop();
}

void SessionCheckpoint::Edited(const RecordLines& lines) {
  if (holds == Holds::Finished && !FinishedAmong(lines)) Drop();
}

bool SessionCheckpoint::FinishedAmong(const RecordLines& lines) const {
  // From the end: a session just logged is the last line.
  return std::find(lines.rbegin(), lines.rend(), finishedLine) != lines.rend();
}

void SessionCheckpoint::DropInProgress() {
  if (holds == Holds::InProgress) Drop();
}

void SessionCheckpoint::Drop() {
  files.Remove(path);
  holds = Holds::Nothing;
}

SessionCheckpoint::Leftover SessionCheckpoint::TakeLeftover() {
  Leftover leftover;
  if (!files.Exists(path)) return leftover;
  const auto text = files.ReadAll(path);
  if (text) leftover.session = ParseCheckpoint(*text, formats);
  if (leftover.session) {
    leftover.message = "Linetally stopped unexpectedly while a session was in progress. The session, " +
                       DurationText(leftover.session->seconds) +
                       " on line when it was last kept, has been added to the log with the note \"" +
                       kRecoveredNote + "\".";
    return leftover;
  }
  try {
    const std::string kept = files.MoveAside(path, path + ".damaged");
    leftover.message = "The record of the session in progress when Linetally last stopped could not be read. "
                       "It has been kept as \"" + kept + "\".";
  } catch (const FileError& e) {
    leftover.message = "The record of the session in progress when Linetally last stopped, \"" + path +
                       "\", could not be read and could not be kept aside (" + e.what() +
                       "). It will be replaced by the next session's.";
  }
  return leftover;
}

}  // namespace lt
