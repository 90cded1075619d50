#pragma once
// Linetally's report as the PDF printer wrote it, read back as lines.
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "printouts.h"

namespace e2e {

// The text of a new PDF in which `last` follows `marker`.
inline std::optional<std::string> WaitForPrintout(const std::set<std::string>& before, const std::string& marker,
                                                  const std::string& last, int timeoutMs = 30000) {
  const auto found = WaitForPdf(
      before,
      [&](const std::string& text) {
        const size_t at = text.find(marker);
        return at != std::string::npos && text.find(last, at) != std::string::npos;
      },
      timeoutMs);
  if (!found) return std::nullopt;
  return found->second;
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
