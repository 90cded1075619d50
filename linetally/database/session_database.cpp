#include "linetally/database/session_database.h"

#include <algorithm>

namespace lt {

std::string UnreadableCostText(const std::string& field) {
  return "'" + field + "' is not a valid floating point value";
}

bool IsListable(const RecordFields& fields, const RegionalFormats& formats) {
  return ParseRecordDateTime(fields[0], formats).has_value() && ParseRecordInteger(fields[2]).has_value();
}

SessionDatabase::SessionDatabase(FileStore& files, DatabaseUi& ui, const RegionalFormats& formats,
                                 std::string programFolder)
    : files(files), ui(ui), formats(formats), workingFile(std::move(programFolder) + "Lnt.dat") {
  table.Watch(totals);
  table.Watch(periods);
}

void SessionDatabase::LoadDatabase(const std::string& name) {
  table.Clear();
  if (!files.Exists(workingFile)) {
    try {
      files.ReplaceAtomically(workingFile, JoinFileText(lines));
      workingFileKnown = true;
    } catch (const FileError& e) {
      ui.ShowError("The session log \"" + workingFile + "\" could not be created: " + e.what());
    }
  }
  if (!files.Exists(name)) {
    ui.ShowError("Database file missing or does not exist.");
  } else if (auto text = files.ReadAll(name)) {
    lines = SplitFileText(*text);
    if (name == workingFile) workingFileKnown = true;
  } else {
    ui.ShowError("Database file \"" + name + "\" could not be read.");
  }
  currentFile = name;
}

void SessionDatabase::ReadDatabase(size_t from) {
  table.Parse(lines, from);
  TestSize();
}

void SessionDatabase::UpdateDB(const SessionRecord& record) {
  lines.push_back(BuildRecordLine(record, formats));
  ReadDatabase(lines.size());
}

void SessionDatabase::AppendRecords(const std::vector<SessionRecord>& records) {
  if (records.empty()) return;
  const size_t from = lines.size() + 1;
  for (const SessionRecord& record : records) lines.push_back(BuildRecordLine(record, formats));
  ReadDatabase(from);
}

void SessionDatabase::Clear() {
  table.Clear();
  lines.clear();
}

void SessionDatabase::TestSize() {
  if (lines.size() > kSizeWarningLimit)
    ui.ShowSizeWarning(
        "Your Linetally database contains more than 900 records.\r"
        "Reduce the number of records or the program may become unstable.",
        kSizeWarningHelpContext);
}

std::optional<std::string> SessionDatabase::UnreadableCostToTell() {
  if (totals.UnreadableCosts() == 0) {
    unreadableCostTold = false;
    return std::nullopt;
  }
  if (unreadableCostTold) return std::nullopt;
  unreadableCostTold = true;
  for (size_t k = 1; k <= table.Count(); ++k) {
    const std::string_view field = table.Row(k)[4];
    if (!ReadRecordCost(field)) return UnreadableCostText(std::string(field));
  }
  return std::nullopt;
}

void SessionDatabase::DeleteRows(const std::vector<size_t>& rows) {
  std::vector<size_t> sorted = rows;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  if (table.Count() == lines.size()) {
    table.Erase(sorted);  // told while the lines are still there
    lines.Erase(sorted);
  } else {
    lines.Erase(sorted);
    table.Parse(lines, 1);
  }
  TestSize();
}

bool SessionDatabase::ReadWorkingFileBack() {
  if (!files.Exists(workingFile)) return true;
  auto text = files.ReadAll(workingFile);
  if (!text) return false;
  RecordLines onDisk = SplitFileText(*text);
  for (std::string_view line : onDisk)
    if (!IsListable(SplitRecordLine(line), formats)) return false;
  // What is in memory was added since: keep it after the file's records.
  table.Clear();
  onDisk.Append(lines);
  lines = std::move(onDisk);
  table.Parse(lines, 1);
  return true;
}

bool SessionDatabase::SaveWorkingFile() {
  if (!workingFileKnown && !ReadWorkingFileBack()) {
    ui.ShowError("The session log \"" + workingFile +
                 "\" could not be read, so it was not changed. The new records are kept until "
                 "Linetally ends.");
    return false;
  }
  return ReplaceWorkingFile(JoinFileText(lines));
}

bool SessionDatabase::ReplaceWorkingFile(const std::string& text) {
  try {
    files.ReplaceAtomically(workingFile, text);
    workingFileKnown = true;
    return true;
  } catch (const FileError& e) {
    ui.ShowError("The session log \"" + workingFile + "\" could not be saved: " + e.what() +
                 ". The file on disk is unchanged.");
    return false;
  }
}

bool SessionDatabase::AppendToWorkingFile(const SessionRecord& record) {
  std::string text;
  if (files.Exists(workingFile)) {
    auto onDisk = files.ReadAll(workingFile);
    if (!onDisk) {
      ui.ShowError("The session log \"" + workingFile + "\" could not be read, so the session was not saved.");
      return false;
    }
    text = std::move(*onDisk);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
  }
  return ReplaceWorkingFile(text + JoinFileText({BuildRecordLine(record, formats)}));
}

bool SessionDatabase::SaveCopy(const std::string& path) {
  try {
    files.ReplaceAtomically(path, JoinFileText(lines));
    return true;
  } catch (const FileError& e) {
    ui.ShowError("\"" + path + "\" could not be saved: " + e.what());
    return false;
  }
}

bool SessionDatabase::DoException() {
  bool save = true;
  if (currentFile != workingFile) {
    ui.ShowError("Database damaged or format not recognised.");
    LoadDatabase(workingFile);
  } else {
    // Keep the damaged log for the user before the emptied one replaces it.
    try {
      const std::string kept = files.MoveAside(workingFile, workingFile + ".damaged");
      ui.ShowError("The session log could not be read. It has been kept as \"" + kept +
                   "\", and Linetally goes on with an empty log.");
      workingFileKnown = true;
    } catch (const FileError& e) {
      ui.ShowError("The session log \"" + workingFile + "\" could not be read and could not be kept aside (" +
                   e.what() + "). It is left unchanged, and Linetally goes on with an empty log.");
      workingFileKnown = false;
      save = false;
    }
    table.Clear();
    lines.clear();
  }
  ReadDatabase(1);
  return save;
}

}  // namespace lt
