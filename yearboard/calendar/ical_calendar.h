#pragma once
// The events of a calendar file as a search source of the calendar client's item search
// (item_search.h): starts and ends on the machine's clock, series expanded by their RRULEs and
// RDATEs less their EXDATEs, a RECURRENCE-ID override standing in for the occurrence it
// replaces (with RANGE=THISANDFUTURE for that one and all later ones, moved as it was moved;
// of two overrides of one occurrence the higher SEQUENCE, then the later, counts), cancelled
// events and occurrences left out. Also the file's category names and the event behind each
// entry, for the item window.
#include <limits>
#include <memory>
#include <string>
#include <utility>
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

  // The event whose texts the entry shows, and the series whose occurrences it holds.
  const CalendarEvent& EventOf(std::size_t entry) const { return file.events[entries[entry].event]; }
  const CalendarEvent& SeriesOf(std::size_t entry) const { return file.events[entries[entry].series]; }
  std::size_t SkippedEvents() const { return file.skipped; }
  const std::string& FirstFault() const { return file.firstFault; }
  std::size_t UnreadZoneEvents() const { return file.unreadZones; }
  // The category names in order of first appearance, each followed by ";".
  std::string CategoryList() const;

 private:
  // EXDATEs and replaced occurrences of a series: whole days of its clock, or instants; sorted.
  struct Exclusions {
    std::vector<long long> days, instants;
  };
  struct Entry {
    std::size_t event, series;
    std::string categories;  // "A, B"
    std::size_t exclusions;  // of the series
    // The series' occurrences this entry holds, by their original instants, and how far they
    // are moved (a THISANDFUTURE override).
    long long from = std::numeric_limits<long long>::min();
    long long before = std::numeric_limits<long long>::max();
    long long shift = 0;
  };

  Entry NewEntry(std::size_t event, std::size_t series, std::size_t exclusions) const;
  void TakeOverrides(const std::vector<std::size_t>& seriesOfEvent);
  // The starts of the entry's series from <= start < to on its clock, in order, each with the
  // length of its occurrence.
  void SeriesWalls(const Entry& entry, long long from, long long to,
                   std::vector<std::pair<long long, long long>>& walls) const;
  // A time on the series' own clock (its zone, UTC, or the machine's for floating times), and
  // back to UTC.
  long long WallOn(const CalendarEvent& series, const EventTime& t) const;
  long long UtcFromWall(const CalendarEvent& series, long long wall) const;
  long long LocalOf(const EventTime& t) const;
  SearchRecord Record(const Entry& entry, std::size_t index, long long localStart,
                      long long localEnd) const;

  CalendarFile file;
  std::shared_ptr<const TimeZone> local;
  std::vector<Entry> entries;
  std::vector<Exclusions> exclusions;  // [0] is empty, for entries of one occurrence
};

}  // namespace yb
