#include "yearboard/calendar/calendar_client.h"

namespace yb {

std::string YearFilter(int year) {
  const std::string from = "[Start] >= '01/01/" + std::to_string(year) + "' And [Start] ";
  if (year >= kLastYear) return from + "<= '12/31/" + std::to_string(year) + " 11:59:59 PM'";
  return from + "< '01/01/" + std::to_string(year + 1) + "'";
}

CalendarSession::CalendarSession(std::unique_ptr<Application> application)
    : app(std::move(application)) {
  ns = app->GetNamespace(kMapiNamespace);
  folder = ns->GetDefaultFolder(kCalendarFolder);
}

CalendarSession::~CalendarSession() {
  Release();
}

Folder& CalendarSession::CalendarFolder() const {
  if (!folder) throw CalendarError("The calendar folder has been released.");
  return *folder;
}

void CalendarSession::Release() {
  folder.reset();
  ns.reset();
  app.reset();
}

}  // namespace yb
