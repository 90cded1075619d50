#pragma once
// How the calendar client answers a search of its Items: the restriction text
// ("[Start] >= '01/01/1998' And [Start] < '01/01/1999'"), Sort by a property, and
// IncludeRecurrences. Shared by every implementation of calendar_client.h that keeps its
// own store. Restriction: comparisons "[Property] op 'value'" joined by And; properties
// Start, End (date texts month/day/year with an optional "h:mm[:ss] [AM|PM]"), Subject and
// Categories (text, letter case ignored); operators = <> < <= > >=. Anything else throws
// CalendarError with a message naming the fault.
#include <cstddef>
#include <string>
#include <vector>

namespace yb {

struct SearchRecord {
  double start = 0;
  double end = 0;
  std::string categories;
  std::string subject;
  std::size_t entry = 0;  // which stored entry (series) it came from
};

// A store the search runs over.
class SearchSource {
 public:
  virtual ~SearchSource() = default;
  virtual std::size_t EntryCount() const = 0;
  // The entry as one item: a series at its first occurrence.
  virtual SearchRecord Master(std::size_t entry) const = 0;
  // Appends the entry's occurrences whose start s satisfies from <= s < to, in start
  // order (a single appointment is its own only occurrence).
  virtual void Occurrences(std::size_t entry, double from, double to,
                           std::vector<SearchRecord>& out) const = 0;
};

class Restriction {
 public:
  explicit Restriction(const std::string& text);
  bool Matches(const SearchRecord& record) const;
  // The start range the restriction allows: from <= start < to (ends inclusive or not,
  // the range covers every match).
  double StartFrom() const { return startFrom; }
  double StartTo() const { return startTo; }

  enum class Property { Start, End, Subject, Categories };
  enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
  struct Condition {
    Property property;
    Op op;
    double date;
    std::string text;
  };

 private:
  std::vector<Condition> conditions;
  double startFrom;
  double startTo;
};

// Find / FindNext over a source, with the collection's sort and recurrence settings.
class ItemSearch {
 public:
  void Sort(const std::string& property, bool descending);
  void SetIncludeRecurrences(bool include) { includeRecurrences = include; }

  // The first match, or nullptr; the results stay until the next Find.
  const SearchRecord* Find(const SearchSource& source, const std::string& filter);
  const SearchRecord* FindNext();

 private:
  bool sorted = false;
  Restriction::Property sortBy = Restriction::Property::Start;
  bool descending = false;
  bool includeRecurrences = false;
  std::vector<SearchRecord> results;
  std::size_t next = 0;
};

// Parses "M/D/YYYY[ h:mm[:ss] [AM|PM]]" into an OLE date; false when it is not one.
bool ParseFilterDate(const std::string& text, double& oleDate);

}  // namespace yb
