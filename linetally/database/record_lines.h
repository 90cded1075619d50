#pragma once
// The record lines of a log, held as one text with the end of each line beside it: a long
// log costs little more than its file, where a string per line cost twice that again.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace lt {

class RecordLines {
 public:
  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;  // the lines are views, made as they are read
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator(const RecordLines& lines, size_t index) : lines(&lines), index(index) {}
    std::string_view operator*() const { return (*lines)[index]; }
    const_iterator& operator++() {
      ++index;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index == other.index; }
    bool operator!=(const const_iterator& other) const { return index != other.index; }

   private:
    const RecordLines* lines;
    size_t index;
  };
  using iterator = const_iterator;
  using value_type = std::string_view;

  RecordLines() = default;
  RecordLines(std::initializer_list<std::string_view> lines);

  size_t size() const { return ends.size(); }
  bool empty() const { return ends.empty(); }
  // Line i (0-based); the view lasts until the lines change.
  std::string_view operator[](size_t i) const;
  const_iterator begin() const { return {*this, 0}; }
  const_iterator end() const { return {*this, size()}; }

  // Room for `lines` more lines of `chars` characters in all, taken exactly.
  void reserve(size_t lines, size_t chars);
  void push_back(std::string_view line);
  void Append(const RecordLines& more);
  // Removes the lines at the given positions (ascending, no repeats) in one pass.
  void Erase(const std::vector<size_t>& positions);
  void clear();

  friend bool operator==(const RecordLines& a, const RecordLines& b) { return a.text == b.text && a.ends == b.ends; }
  friend bool operator!=(const RecordLines& a, const RecordLines& b) { return !(a == b); }

 private:
  std::string text;         // the lines one after another, no endings
  std::vector<size_t> ends;  // where each line ends in `text`; the next one starts there
};

// File text to lines: CR LF, a lone CR and a lone LF each end a line; a last line without an
// ending counts; a NUL byte ends the text.
RecordLines SplitFileText(std::string_view text);
// Lines to file text, each followed by CR LF.
std::string JoinFileText(const RecordLines& lines);

}  // namespace lt
