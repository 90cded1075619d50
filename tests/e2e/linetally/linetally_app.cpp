#include "linetally_app.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {

std::string DurationOf(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3d:%.2d:%.2d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

LongLog MakeLongLog(int records, const std::string& service) {
  SYSTEMTIME first{};
  first.wYear = 2000;
  first.wMonth = 1;
  first.wDay = 1;
  FILETIME start;
  SystemTimeToFileTime(&first, &start);
  const ULONGLONG kTicksPerMinute = 600000000ULL;
  LongLog log;
  log.lines.reserve(size_t(records));
  for (int i = 0; i < records; ++i) {
    ULARGE_INTEGER at{};
    at.LowPart = start.dwLowDateTime;
    at.HighPart = start.dwHighDateTime;
    at.QuadPart += ULONGLONG(i / 5) * 24 * 60 * kTicksPerMinute + ULONGLONG(8 * 60 + i % 5 * 150 + i % 17) * kTicksPerMinute;
    const FILETIME when{at.LowPart, at.HighPart};
    SYSTEMTIME t;
    FileTimeToSystemTime(&when, &t);
    const int cents = 1 + i % 500, seconds = 30 + i % 3600;
    log.totalCents += cents;
    char line[160];
    std::snprintf(line, sizeof line, "%02d/%02d/%04d %02d:%02d:%02d,%02d/%02d/%04d %02d:%02d:%02d,%d,%s,%d.%02d,",
                  t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, i % 60, t.wDay, t.wMonth, t.wYear, t.wHour + 1,
                  t.wMinute, i % 60, seconds, service.c_str(), cents / 100, cents % 100);
    log.lines.push_back(line);
  }
  return log;
}

std::string LongLog::Text() const {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string TotalPanel(long long cents) {
  char text[64];
  std::snprintf(text, sizeof text, "Total \xA3%lld.%02lld0", cents / 100, cents % 100);
  return text;
}

std::vector<std::string> LogLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "the file does not end with CR LF";
  return lines;
}

std::vector<std::string> LogFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(line.substr(start, comma - start));
  fields.push_back(line.substr(start));
  return fields;
}

LinetallyApp::LinetallyApp(bool clearRegistry, const std::string& folderName)
    : folder(folderName.empty() ? std::make_unique<ProgramFolder>() : std::make_unique<ProgramFolder>(folderName)) {
  if (clearRegistry) DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\Corvane");
  folder->CopyIn(std::string(E2E_BIN_DIR) + "/Linetally.exe");
}

LinetallyApp::~LinetallyApp() { process.Terminate(); }

void LinetallyApp::Start() {
  process.Start(ExePath(), folder->Path());
  main = WaitForTopWindow(process.Id(), "TfrmMain");
  ASSERT_NE(main, nullptr) << "no main window";
  ASSERT_TRUE(WaitUntil([&] { return Label1() == "RAS Idle"; })) << Label1();
}

void LinetallyApp::ShowDebugButton() {
  TypeChars(Control(IDC_LISTVIEW1), "ltdbg");
  ASSERT_TRUE(WaitUntil([&] { return Visible(Control(IDC_BUTTON1)); })) << "debug button stays hidden";
}

std::string LinetallyApp::RunDebugSession(int seconds) {
  if (!Visible(Control(IDC_BUTTON1))) ShowDebugButton();
  HWND button = Control(IDC_BUTTON1);
  Click(button);
  EXPECT_TRUE(WaitUntil([&] { return Text(button) == "&Stop"; }));
  const std::string target = "Debugging for " + DurationOf(seconds);
  EXPECT_TRUE(WaitUntil([&] { return Label1() == target; }, seconds * 1000 + 5000)) << Label1();
  const size_t rowsBefore = Rows().size();
  Click(button);
  EXPECT_TRUE(WaitUntil([&] { return Rows().size() == rowsBefore + 1; }, 5000)) << "no row added";
  EXPECT_TRUE(WaitUntil([&] { return Label1() == "RAS Idle"; }));
  return target;
}

}  // namespace e2e
