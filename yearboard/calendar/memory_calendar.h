#pragma once
// An in-memory calendar client for tests. It answers the object model of calendar_client.h
// the way the real client does: Find honours the restriction text (item_search.h), Sort
// orders the results, and IncludeRecurrences turns each recurring series into one item per
// occurrence (without it a series is a single item at its first start). It records the
// calls it receives, the items displayed, and can be told to fail a member.
#include <memory>
#include <string>
#include <vector>

#include "yearboard/calendar/calendar_client.h"

namespace yb {

struct MemoryAppointment {
  OleDate start = 0;
  OleDate end = 0;
  std::string categories;
  std::string subject;
  // A recurring series: the start of every occurrence, each lasting end - start.
  // Empty for a single appointment.
  std::vector<OleDate> occurrenceStarts;
};

class MemoryCalendar {
 public:
  MemoryCalendar();

  // Changes are seen by the next Find, as in the real client.
  void Add(MemoryAppointment appointment);
  void Clear();

  // A new application object; GetNamespace accepts only "MAPI", GetDefaultFolder only 9.
  std::unique_ptr<Application> CreateApplication();

  // Every call received, in order, as text (property reads are not listed):
  // "GetNamespace MAPI", "GetDefaultFolder 9",
  // "Items", "Sort [Start] false", "IncludeRecurrences true", "Find <filter>", "FindNext",
  // "GetInspector <subject>", "Display <subject>", "Release Folder", "Release Namespace",
  // "Release Application".
  const std::vector<std::string>& Calls() const;
  void ClearCalls();
  // Subjects of the items whose inspector was displayed, in order.
  std::vector<std::string> Displayed() const;

  // From now on calls of MEMBER ("Find", "Items", "Display", ...) throw CalendarError(text).
  void FailOn(const std::string& member, const std::string& errorText);

  struct State;

 private:
  std::shared_ptr<State> state;
};

}  // namespace yb
