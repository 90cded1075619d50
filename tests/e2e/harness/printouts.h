#pragma once
// The printouts of the test prefix's PDF printer: cups-pdf puts each job as a PDF in ~/PDF of
// the printing user. Unix programs (pdftotext, pdfinfo, pdftoppm, ImageMagick) read them back;
// Wine starts them like Windows programs.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "harness.h"

namespace e2e {

inline std::string PdfFolderUnix() {
  const char* home = std::getenv("HOME");
  return std::string(home && *home == '/' ? home : "/root") + "/PDF";
}

inline std::set<std::string> PdfFiles() {
  std::set<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((WindowsPath(PdfFolderUnix()) + "\\*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do files.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

inline long long FileSize(const std::string& windowsPath) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(windowsPath.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The name of a PDF that was not there before, once its size holds still.
inline std::optional<std::string> WaitForNewPdf(const std::set<std::string>& before, int timeoutMs = 30000) {
  std::string name;
  long long lastSize = -2;
  const bool done = WaitUntil(
      [&] {
        if (name.empty()) {
          for (const std::string& file : PdfFiles())
            if (!before.count(file)) name = file;
          return false;
        }
        const long long size = FileSize(WindowsPath(PdfFolderUnix() + "/" + name));
        const bool still = size > 0 && size == lastSize;
        lastSize = size;
        if (!still) Sleep(300);
        return still;
      },
      timeoutMs);
  if (!done) return std::nullopt;
  return name;
}

// Runs a shell command line of Unix programs and waits for it to end; false when it failed.
// Wine's wait on a Unix program returns at once, so the shell leaves its exit status in a
// file last. Quote with single quotes inside the command.
inline bool RunUnix(const std::string& command, int timeoutMs = 20000) {
  static int runs = 0;
  const std::string status = "/tmp/lt-status-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  std::string line = "/bin/sh -c \"" + command + "; echo $? > " + status + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  const std::string windowsStatus = WindowsPath(status);
  if (!WaitUntil([&] { return FileSize(windowsStatus) > 0; }, timeoutMs)) return false;
  std::ifstream in(windowsStatus);
  int code = -1;
  in >> code;
  in.close();
  DeleteFileA(windowsStatus.c_str());
  return code == 0;
}

// What a command line printed to the file named by the "{out}" in it.
inline std::string UnixOutput(const std::string& command) {
  const std::string out = "/tmp/lt-output-" + std::to_string(GetCurrentProcessId()) + ".txt";
  std::string filled = command;
  filled.replace(filled.find("{out}"), 5, out);
  if (!RunUnix(filled)) return "<" + command.substr(0, command.find(' ')) + " failed>";
  std::ifstream in(WindowsPath(out), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(WindowsPath(out).c_str());
  return text;
}

// Presses OK in the process's Print dialog, after its screenshot when a name is given; false
// when no Print dialog came.
inline bool ConfirmPrintDialog(DWORD processId, const std::string& screenshot = "") {
  auto dialog = WaitForMessageBox(processId, 10000);
  if (!dialog || dialog->title != "Print") return false;
  if (!screenshot.empty()) Screenshot(dialog->window, screenshot);
  Answer(*dialog, IDOK);
  return true;
}

// Takes every printer out of the prefix. Wine's spooler lists the CUPS queues again in the
// first program of a session that loads it; loading it here first keeps the printers removed
// for the program started later.
inline bool RemoveAllPrinters() {
  if (!LoadLibraryA("winspool.drv")) return false;
  DeleteRegistryTree(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers");
  HKEY windows;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0, KEY_SET_VALUE,
                    &windows) == ERROR_SUCCESS) {
    RegDeleteValueA(windows, "Device");
    RegCloseKey(windows);
  }
  return true;
}

inline std::string PdfPath(const std::string& name) { return PdfFolderUnix() + "/" + name; }

// pdftotext -layout of the PDF: pages separated by form feeds. The glyph named "hyphen" reads
// back as a soft hyphen; it is the "-" that was printed.
inline std::string PdfText(const std::string& name) {
  const std::string text = UnixOutput("/usr/bin/pdftotext -layout '" + PdfPath(name) + "' {out}");
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\xC2\xAD") == 0) {
      out += '-';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The first new PDF whose text `wanted` accepts, with that text. Jobs of other tests may
// still be on their way, so each new PDF is looked at; cups-pdf writes a job out over a
// while, and a PDF read early gives its first pages only.
inline std::optional<std::pair<std::string, std::string>> WaitForPdf(
    const std::set<std::string>& before, const std::function<bool(const std::string&)>& wanted,
    int timeoutMs = 30000) {
  std::pair<std::string, std::string> found;
  const bool complete = WaitUntil(
      [&] {
        for (const std::string& name : PdfFiles()) {
          if (before.count(name)) continue;
          const std::string text = PdfText(name);
          if (wanted(text)) {
            found = {name, text};
            return true;
          }
        }
        Sleep(300);
        return false;
      },
      timeoutMs);
  if (!complete) return std::nullopt;
  return found;
}

}  // namespace e2e
