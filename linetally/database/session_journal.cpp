#include "linetally/database/session_journal.h"

#include <algorithm>

#include "linetally/base/duration_text.h"

namespace lt {
namespace {

// Fields 1 and 4 of a record line as written: the session's start and connection name.
struct SessionKey {
  std::string_view start, service;
};

SessionKey KeyOf(std::string_view line) {
  const RecordFields fields = SplitRecordLine(line);
  return {fields[0], fields[3]};
}

bool SameSecond(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
         a.second == b.second;
}

}  // namespace

std::optional<SessionRecord> ParseJournalLine(std::string_view line, const RegionalFormats& formats) {
  if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return std::nullopt;
  const RecordFields fields = SplitRecordLine(line);
  auto start = ParseRecordDateTime(fields[0], formats);
  auto end = ParseRecordDateTime(fields[1], formats);
  auto seconds = ParseRecordInteger(fields[2]);
  auto cost = ReadRecordCost(fields[4]);
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

SessionJournal::Leftover SessionJournal::Open() {
  opened = true;
  Leftover leftover;
  if (!files.Exists(path)) return leftover;
  const std::optional<std::string> text = files.ReadAll(path);
  bool damaged = !text;
  if (text) {
    const RecordLines lines = SplitFileText(*text);
    damaged = lines.empty();
    for (std::string_view line : lines) {
      const auto record = ParseJournalLine(line, formats);
      if (!record) {
        damaged = true;
        continue;
      }
      Entry entry{nextSeq++, *record, BuildRecordLine(*record, formats), false, false};
      // A session written twice is one session.
      const RecordLines one{entry.line};
      if (std::any_of(entries.begin(), entries.end(), [&](const Entry& e) -> bool { return Found({&e}, one)[0]; }))
        continue;
      entries.push_back(std::move(entry));
    }
  }
  leftover.sessions = entries.size();
  onDisk = text ? *text : std::string(1, '\0');  // an unreadable file is nothing we would write
  if (!damaged) return leftover;

  const std::string what = entries.empty()
                               ? "The record of the session in progress when Linetally last stopped"
                               : "Part of the record of the sessions that Linetally had not saved when it last stopped";
  try {
    const std::string kept = files.MoveAside(path, path + ".damaged");
    onDisk.reset();
    leftover.damaged = what + " could not be read. It has been kept as \"" + kept + "\".";
  } catch (const FileError& e) {
    leftover.damaged = what + ", \"" + path + "\", could not be read and could not be kept aside (" + e.what() +
                       "). It will be replaced by the next session's.";
  }
  if (!entries.empty()) try {
      Write();  // the sessions that read, back where the next start looks
    } catch (const FileError&) {
      // in memory, and written again with the next change
    }
  return leftover;
}

void SessionJournal::Keep(const SessionRecord& soFar) {
  inProgress = BuildRecordLine(soFar, formats);
  Write();
}

void SessionJournal::Finish(const SessionRecord& logged) {
  inProgress.reset();
  entries.push_back(Entry{nextSeq++, logged, BuildRecordLine(logged, formats)});
  Write();
}

void SessionJournal::DropInProgress() {
  if (!inProgress) return;
  inProgress.reset();
  Write();
}

void SessionJournal::Saved(const RecordLines& lines) {
  std::vector<Entry*> unsaved;
  std::vector<const Entry*> keys;
  for (Entry& e : entries)
    if (!e.saved) {
      unsaved.push_back(&e);
      keys.push_back(&e);
    }
  const std::vector<bool> found = Found(keys, lines);
  for (size_t i = 0; i < unsaved.size(); ++i)
    if (found[i]) unsaved[i]->saved = true;
  Prune();
  Write();  // also a retry after a failed write
}

void SessionJournal::Removed(const RecordLines& lines) {
  // Only what was among the records can have been removed from them.
  std::vector<const Entry*> unsaved;
  for (const Entry& e : entries)
    if (!e.saved && e.added) unsaved.push_back(&e);
  const std::vector<bool> found = Found(unsaved, lines);
  std::vector<uint64_t> gone;
  for (size_t i = 0; i < unsaved.size(); ++i)
    if (!found[i]) gone.push_back(unsaved[i]->seq);
  std::erase_if(entries, [&](const Entry& e) {
    return !e.saved && std::find(gone.begin(), gone.end(), e.seq) != gone.end();
  });
  Write();
}

std::vector<SessionRecord> SessionJournal::Restore(const RecordLines& lines) {
  std::vector<const Entry*> unsaved;
  for (const Entry& e : entries)
    if (!e.saved) unsaved.push_back(&e);
  const std::vector<bool> found = Found(unsaved, lines);
  std::vector<SessionRecord> missing;
  for (size_t i = 0; i < unsaved.size(); ++i)
    if (!found[i]) missing.push_back(unsaved[i]->record);
  for (Entry& e : entries) e.added = true;
  return missing;
}

SessionJournal::Mark SessionJournal::MarkNow() {
  marks.push_back(nextSeq);
  return Mark(*this, nextSeq);
}

SessionJournal::Mark::~Mark() {
  if (journal) journal->Forget(seq);
}

void SessionJournal::Forget(uint64_t markSeq) {
  const auto found = std::find(marks.begin(), marks.end(), markSeq);
  if (found != marks.end()) marks.erase(found);
  Prune();
}

std::vector<SessionRecord> SessionJournal::MissingSince(const Mark& mark, const RecordLines& lines) const {
  std::vector<const Entry*> since;
  for (const Entry& e : entries)
    if (e.seq >= mark.seq) since.push_back(&e);
  const std::vector<bool> found = Found(since, lines);
  std::vector<SessionRecord> missing;
  for (size_t i = 0; i < since.size(); ++i)
    if (!found[i]) missing.push_back(since[i]->record);
  return missing;
}

size_t SessionJournal::Unsaved() const {
  return size_t(std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return !e.saved; }));
}

void SessionJournal::Prune() {
  // A saved session is kept only for a mark held since before it ended.
  std::erase_if(entries, [&](const Entry& e) {
    return e.saved && std::none_of(marks.begin(), marks.end(), [&](uint64_t mark) { return mark <= e.seq; });
  });
}

std::vector<bool> SessionJournal::Found(const std::vector<const Entry*>& wanted, const RecordLines& lines) const {
  std::vector<bool> found(wanted.size(), false);
  std::vector<SessionKey> keys;
  for (const Entry* e : wanted) keys.push_back(KeyOf(e->line));
  size_t left = wanted.size();
  // From the end: a session just logged is the last line.
  for (size_t k = lines.size(); k-- > 0 && left > 0;) {
    const SessionKey key = KeyOf(lines[k]);
    std::optional<std::optional<CivilDateTime>> start;  // read once, and only when needed
    for (size_t i = 0; i < wanted.size(); ++i) {
      if (found[i] || key.service != keys[i].service) continue;
      bool same = key.start == keys[i].start;
      if (!same) {
        // Written under other separators: the same second all the same.
        if (!start) start = ParseRecordDateTime(key.start, formats);
        same = *start && SameSecond(**start, wanted[i]->record.start);
      }
      if (same) {
        found[i] = true;
        --left;
      }
    }
  }
  return found;
}

void SessionJournal::Write() {
  if (!opened) return;  // what the last run left is read first
  std::string text;
  for (const Entry& e : entries)
    if (!e.saved) text += e.line + "\r\n";
  if (inProgress) text += *inProgress + "\r\n";
  const std::optional<std::string> wanted = text.empty() ? std::nullopt : std::optional<std::string>(text);
  if (wanted == onDisk) {
    failing = false;
    return;
  }
  try {
    if (wanted)
      files.ReplaceAtomically(path, *wanted);
    else
      files.Remove(path);
    // Both leave the old file whole when they fail, so onDisk stays right either way.
    onDisk = wanted;
    failing = false;
  } catch (const FileError&) {
    failing = true;
    throw;
  }
}

std::string RecoveredText(const std::vector<SessionRecord>& sessions) {
  if (sessions.size() == 1)
    return "Linetally stopped unexpectedly while a session was in progress. The session, " +
           DurationText(sessions[0].seconds) + " on line when it was last kept, has been added to the log with the note \"" +
           kRecoveredNote + "\".";
  return "Linetally stopped before " + std::to_string(sessions.size()) +
         " sessions had reached its saved log. They have been added to the log with the note \"" + kRecoveredNote +
         "\".";
}

}  // namespace lt
