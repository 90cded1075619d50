// TfrmMain's File > Export...: the selected sessions, or the whole log, as a CSV file that
// spreadsheets open. The log itself is only read.
#include "linetally/ui/main_window.h"

#include "linetally/ui/file_dialogs.h"

#include <numeric>

#include "linetally/database/csv_export.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

// The program keeps its texts in the system's code page; spreadsheets want UTF-8.
std::string SystemTextToUtf8(std::string_view text) {
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

constexpr FileQuestion kExportFile{"Export Sessions", "CSV (Comma delimited)\0*.csv\0All Files\0*.*\0", "csv"};

bool SameFile(const std::string& a, const std::string& b) {
  char fullA[MAX_PATH] = {}, fullB[MAX_PATH] = {};
  if (!GetFullPathNameA(a.c_str(), MAX_PATH, fullA, nullptr) ||
      !GetFullPathNameA(b.c_str(), MAX_PATH, fullB, nullptr))
    return false;
  return lstrcmpiA(fullA, fullB) == 0;
}

}  // namespace

void TfrmMain::Export1Click() {
  if (database.Count() == 0) {
    ShowStandardError(Handle(), "The log holds no sessions to export.");
    return;
  }
  const std::string name = AskSaveFile(Handle(), kExportFile);
  if (name.empty()) return;
  if (SameFile(name, database.WorkingFile())) {
    ShowStandardError(Handle(), "\"" + name + "\" is the session log itself. Export to another file.");
    return;
  }
  // Several rows selected: those; otherwise the whole log.
  std::vector<size_t> records;
  const std::vector<int> selected = SelectedRows();
  if (selected.size() > 1) {
    for (int row : selected) records.push_back(size_t(row) + 1);
  } else {
    records.resize(database.Table().Count());
    std::iota(records.begin(), records.end(), size_t(1));
  }
  try {
    files.ReplaceAtomically(name, ExportCsv(database.Table(), records, formats, SystemTextToUtf8));
  } catch (const FileError& error) {
    ShowStandardError(Handle(), "\"" + name + "\" could not be exported: " + error.what());
  }
}

}  // namespace lt
