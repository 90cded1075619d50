#pragma once
// The calendar client's object model (calendar_client.h) over an iCalendar file, so the
// planner loads, marks and opens a file's appointments as it does the client's: one
// application, namespace and calendar folder; every Items searches the events the file held
// at the last Reload; an item's inspector shows it, read-only, through the ItemViewer.
// Yearboard never writes the file.
#include <memory>
#include <string>

#include "yearboard/base/formats.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/calendar/ical_calendar.h"

namespace yb {

// What the item window shows of one occurrence.
struct ItemDetails {
  std::string key;  // the same for the same occurrence of the same event
  std::string subject, location, description, categories;
  std::string rule;  // the series' rule in words, "" for a single appointment
  OleDate start = 0, end = 0;
};

class ItemViewer {
 public:
  virtual ~ItemViewer() = default;
  // Shows the item in its window, or brings that window forward when it is open.
  virtual void Show(const ItemDetails& item) = 0;
};

class FileCalendar {
 public:
  FileCalendar(std::string path, TimeZoneSystem& zones, ItemViewer& viewer, Formats formats,
               TextDecoder decode = {});
  ~FileCalendar();

  // Reads the file again; true when its events were read anew, false when it is unchanged.
  // Throws CalendarFileError with a message that names the file.
  bool Reload();
  const std::string& Path() const { return path; }
  // What the last Reload could not read, for the status bar (ReadingFaultsMessage).
  std::string ReadingFaults() const;
  // The file's category names in order of first appearance, each followed by ";".
  std::string CategoryList() const;
  // Objects that search the file's events as read by the last Reload.
  std::unique_ptr<Application> CreateApplication();

  struct State;

 private:
  std::string path;
  TimeZoneSystem& zones;
  TextDecoder decode;
  std::shared_ptr<State> state;
};

// "2 events in the calendar file could not be read", "3 events use a time zone that could not
// be read; shown in local time", both joined by ". ", or "" when all was read.
std::string ReadingFaultsMessage(std::size_t skipped, std::size_t unreadZones);

}  // namespace yb
