#pragma once
// The events of a calendar file as a search source of the calendar client's item search
// (item_search.h): starts and ends on the machine's clock, series expanded by their RRULE and
// RDATE less their EXDATE, a RECURRENCE-ID override standing in for the occurrence it
// replaces, cancelled events and occurrences left out. Also the file's category names and the
// event behind each entry, for the item window.
#include <memory>
#include <string>
#include <vector>

#include "yearboard/calendar/ical_reader.h"
#include "yearboard/calendar/item_search.h"

namespace yb {

class IcalCalendar : public SearchSource {
 public:
  IcalCalendar(CalendarFile file, std::shared_ptr<const TimeZone> local);

  std::size_t EntryCount() const override { return entries.size(); }
  SearchRecord Master(std::size_t entry) const override;
  void Occurrences(std::size_t entry, double from, double to,
                   std::vector<SearchRecord>& out) const override;

  const CalendarEvent& EventOf(std::size_t entry) const { return file.events[entries[entry].event]; }
  std::size_t SkippedEvents() const { return file.skipped; }
  const std::string& FirstFault() const { return file.firstFault; }
  // The category names in order of first appearance, each followed by ";".
  std::string CategoryList() const;

 private:
  // An EXDATE or a replaced occurrence: a whole day of the series' clock, or an instant.
  struct Exclusion {
    bool day;
    long long value;
  };
  struct Entry {
    std::size_t event;
    std::string categories;  // "A, B"
    std::vector<Exclusion> exclusions;
  };

  Exclusion ExclusionOf(const EventTime& t, const CalendarEvent& series) const;
  long long LocalOf(const EventTime& t) const;
  SearchRecord Record(const Entry& entry, std::size_t index, long long localStart,
                      long long localEnd) const;

  CalendarFile file;
  std::shared_ptr<const TimeZone> local;
  std::vector<Entry> entries;
};

}  // namespace yb
