#pragma once
// The stand-in's appointments: the events of an iCalendar file as a search source of the
// calendar client's item search, with start and end in the user's local time (dates and
// floating times as written, UTC times through the given conversion) and recurring events
// expanded on request.
#include <functional>
#include <string>
#include <vector>

#include "tools/calendar-standin/ical_reader.h"
#include "yearboard/calendar/item_search.h"

namespace standin {

// OLE date in UTC -> OLE date in local time.
using LocalFromUtc = std::function<double(double)>;

class CalendarStore : public yb::SearchSource {
 public:
  CalendarStore(std::vector<CalendarEvent> events, LocalFromUtc localFromUtc);

  std::size_t EntryCount() const override { return events.size(); }
  yb::SearchRecord Master(std::size_t entry) const override;
  void Occurrences(std::size_t entry, double from, double to,
                   std::vector<yb::SearchRecord>& out) const override;

 private:
  double Local(const IcalTime& t) const;

  std::vector<CalendarEvent> events;
  LocalFromUtc localFromUtc;
};

}  // namespace standin
