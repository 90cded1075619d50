#include "linetally/database/record_lines.h"

#include <algorithm>
#include <stdexcept>

namespace lt {
namespace {

// A log grows by a session at a time for months: grow by an eighth, not by doubling, so the
// spare room stays small beside a long log.
size_t Grown(size_t size, size_t more) { return std::max(size + more, size + size / 8 + 64); }

}  // namespace

RecordLines::RecordLines(std::initializer_list<std::string_view> lines) {
  size_t chars = 0;
  for (std::string_view line : lines) chars += line.size();
  reserve(lines.size(), chars);
  for (std::string_view line : lines) push_back(line);
}

std::string_view RecordLines::operator[](size_t i) const {
  if (i >= ends.size()) throw std::out_of_range("record line");
  const size_t start = i == 0 ? 0 : ends[i - 1];
  return std::string_view(text).substr(start, ends[i] - start);
}

void RecordLines::reserve(size_t lines, size_t chars) {
  text.reserve(text.size() + chars);
  ends.reserve(ends.size() + lines);
}

void RecordLines::push_back(std::string_view line) {
  if (text.size() + line.size() > text.capacity()) {
    // Into a new buffer while the old one lives: `line` may be one of these lines.
    std::string grown;
    grown.reserve(Grown(text.size(), line.size()));
    grown += text;
    grown += line;
    text.swap(grown);
  } else {
    text += line;
  }
  if (ends.size() == ends.capacity()) ends.reserve(Grown(ends.size(), 1));
  ends.push_back(text.size());
}

void RecordLines::Append(const RecordLines& more) {
  if (&more == this) return Append(RecordLines(more));
  reserve(more.size(), more.text.size());
  const size_t base = text.size();
  text += more.text;
  for (size_t end : more.ends) ends.push_back(base + end);
}

void RecordLines::Erase(const std::vector<size_t>& positions) {
  size_t kept = 0, keptEnd = 0, start = 0, next = 0;
  for (size_t i = 0; i < ends.size(); ++i) {
    const size_t end = ends[i];
    if (next < positions.size() && positions[next] == i) {
      ++next;
    } else {
      std::copy(text.begin() + start, text.begin() + end, text.begin() + keptEnd);
      keptEnd += end - start;
      ends[kept++] = keptEnd;
    }
    start = end;
  }
  text.resize(keptEnd);
  ends.resize(kept);
}

void RecordLines::clear() {
  text.clear();
  ends.clear();
}

RecordLines SplitFileText(std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  size_t endings = 0, endingChars = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\r' || text[i] == '\n') {
      ++endingChars;
      endings += text[i] == '\r' || i == 0 || text[i - 1] != '\r';
    }
  RecordLines lines;
  lines.reserve(endings + 1, text.size() - endingChars);
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string JoinFileText(const RecordLines& lines) {
  size_t size = 0;
  for (std::string_view line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace lt
