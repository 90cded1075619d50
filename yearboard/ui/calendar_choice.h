#pragma once
// Which calendar the planner shows and how the user picks it: the calendar client by
// automation, or an iCalendar file. The choice is remembered in the settings (section
// "Calendar", key "File": the file's path, "" for the client). A file that cannot be read is
// named in a message that offers to choose another.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "yearboard/base/settings_store.h"
#include "yearboard/calendar/file_calendar.h"

namespace yb {

constexpr const char* kCalendarSection = "Calendar";
constexpr const char* kCalendarFileKey = "File";

struct ShownCalendar {
  std::unique_ptr<FileCalendar> file;  // null while the client is shown
  std::unique_ptr<CalendarSession> session;
};

class CalendarChoice {
 public:
  CalendarChoice(SettingsStore& settings, TimeZoneSystem& zones, ItemViewer& viewer,
                 const Formats& formats);

  // The remembered file, else the calendar client; when the client cannot be started, the
  // user may open a file instead. Empty when the user declined: `clientError` then holds the
  // client's error for the stop box.
  std::optional<ShownCalendar> AtStartUp(std::string& clientError);
  // The Open dialog, again while the chosen file cannot be read; empty when given up.
  std::optional<ShownCalendar> ChooseFile(HWND owner);
  // The file at `path`; on a fault the user may choose another. Empty when given up.
  std::optional<ShownCalendar> OpenFile(HWND owner, std::string path);
  // Throws CalendarError when the client cannot be started.
  ShownCalendar Client();
  // Offers another file after `fault`; empty when the user declines.
  std::optional<ShownCalendar> OfferAnother(HWND owner, const std::string& fault);

  void Remember(const ShownCalendar& calendar);

 private:
  // The client in place of a remembered choice that does not read; the user says whether the
  // start-up remembers it.
  ShownCalendar ClientForUnreadableChoice();

  SettingsStore& settings;
  TimeZoneSystem& zones;
  ItemViewer& viewer;
  Formats formats;
  bool keepUnreadableChoice = false;  // the next Remember writes nothing
};

// The file's name, or "Calendar client".
std::string CalendarName(const ShownCalendar& calendar);
// "Yearboard", or "Yearboard - " and the file's name.
std::string PlannerCaption(const ShownCalendar& calendar);

}  // namespace yb
