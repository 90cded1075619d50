#pragma once
// Linetally as the e2e drivers see it: a fresh program folder with Linetally.exe, a clean
// registry key, the running program and its main window's controls.
#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "linetally/resources/resource.h"

namespace e2e {

inline constexpr const char* kLinetallyKey = "Software\\Corvane\\Linetally";

class LinetallyApp {
 public:
  // Copies the program into a fresh folder, or into the named one (see ProgramFolder) where an
  // earlier run's files stay; `clearRegistry` removes the program's key first.
  explicit LinetallyApp(bool clearRegistry = true, const std::string& folderName = "");
  ~LinetallyApp();

  ProgramFolder& Folder() { return *folder; }
  Process& Program() { return process; }
  std::string ExePath() const { return folder->File("Linetally.exe"); }

  void Start();              // waits for the main window
  HWND Main() const { return main; }
  HWND Control(int id) const { return Child(main, id); }
  std::string Label1() const { return Text(Control(IDC_LABEL1)); }
  std::string Label2() const { return Text(Control(IDC_LABEL2)); }
  std::string Panel(int part) const { return StatusBarText(Control(IDC_STATUSBAR1), part); }
  std::vector<std::vector<std::string>> Rows() const { return ListViewRows(Control(IDC_LISTVIEW1), 5); }
  std::string WorkingFile() const { return folder->Read("Lnt.dat").value_or("<missing>"); }

  // Types the debug key sequence into the list, so "&Debug" shows.
  void ShowDebugButton();
  // Shows the debug button if hidden, runs a simulated session until the status reads `seconds` counted
  // seconds, stops it, and waits until it is logged. Returns the status text last seen.
  std::string RunDebugSession(int seconds);
  // Ends the program through the system's close path for windows that will not close.
  void Kill() { process.Terminate(); }

 private:
  std::unique_ptr<ProgramFolder> folder;
  Process process;
  HWND main = nullptr;
};

std::string DurationOf(int seconds);  // "000:00:05"

// A log as years of use leave it: `records` sessions, five a day from 1 January 2000, all on
// `service`, their costs cycling through whole cents from 0.01 to 5.00.
struct LongLog {
  std::vector<std::string> lines;  // without their CR LF
  long long totalCents = 0;
  std::string Text() const;        // the file: each line followed by CR LF
};
LongLog MakeLongLog(int records, const std::string& service);
// Status panel 2 showing a money total of whole cents with the default currency symbol.
std::string TotalPanel(long long cents);
// The lines of a log file, each ended by CR LF, and the comma-separated fields of one line.
std::vector<std::string> LogLines(const std::string& text);
std::vector<std::string> LogFields(const std::string& line);

}  // namespace e2e
