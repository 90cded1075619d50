#pragma once
// The printouts of the test prefix's PDF printer: cups-pdf puts each job as a PDF in ~/PDF of
// the printing user; its text is read back with pdftotext, a Unix program that Wine starts.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// pdftotext -layout of the PDF: pages separated by form feeds.
inline std::string PdfText(const std::string& name) {
  const std::string out = "/tmp/lt-pdftext-" + std::to_string(GetCurrentProcessId()) + ".txt";
  std::string command = "/usr/bin/pdftotext -layout \"" + PdfFolderUnix() + "/" + name + "\" " + out;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return "<pdftotext did not start>";
  WaitForSingleObject(info.hProcess, 20000);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  std::ifstream in(WindowsPath(out), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(WindowsPath(out).c_str());
  return text;
}

inline std::string HyphensRestored(const std::string& text) {
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

// The text of a new PDF in which `last` follows `marker`. Jobs of other tests may still be
// on their way, so each new PDF is looked at; cups-pdf writes a job out over a while, and a
// PDF read early gives its first pages only. The glyph named "hyphen" reads back as a soft
// hyphen; it is the "-" that was printed.
inline std::optional<std::string> WaitForPrintout(const std::set<std::string>& before, const std::string& marker,
                                                  const std::string& last, int timeoutMs = 30000) {
  std::string found;
  const bool complete = WaitUntil(
      [&] {
        for (const std::string& name : PdfFiles()) {
          if (before.count(name)) continue;
          const std::string text = HyphensRestored(PdfText(name));
          const size_t at = text.find(marker);
          if (at != std::string::npos && text.find(last, at) != std::string::npos) {
            found = text;
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

// pdftotext gives a line's words but neither the exact width of the gaps between them nor,
// near a page's top, the exact indentation: an indented line starts with one blank here,
// and any other run of blanks becomes one.
inline std::string Gaps(const std::string& line) {
  const size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return "";
  std::string out = start > 0 ? " " : "";
  for (size_t i = start; i < line.size(); ++i)
    if (line[i] != ' ' || line[i - 1] != ' ') out += line[i];
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The text's lines without trailing blanks; a form feed starts a new page's first line.
inline std::vector<std::vector<std::string>> PagesOf(const std::string& text) {
  std::vector<std::vector<std::string>> pages(1);
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    size_t feed;
    while ((feed = line.find('\f')) != std::string::npos) {
      std::string before = line.substr(0, feed);
      if (!before.empty()) pages.back().push_back(before);
      pages.emplace_back();
      line = line.substr(feed + 1);
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    pages.back().push_back(line);
  }
  while (!pages.empty() && pages.back().size() <= 1 && (pages.back().empty() || pages.back()[0].empty()))
    pages.pop_back();
  return pages;
}

}  // namespace e2e
