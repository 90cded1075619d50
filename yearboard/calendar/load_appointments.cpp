#include "yearboard/calendar/load_appointments.h"

#include "yearboard/base/scope_exit.h"
#include "yearboard/calendar/mark_date.h"

namespace yb {

void ShowYear(YearPlanner& planner, Folder& calendarFolder, int iintYear) {
  planner.view.BeginShowYear(iintYear);
  const ScopeExit restore([&planner] { planner.view.EndShowYear(); });
  planner.ShownYear = static_cast<std::int16_t>(iintYear);
  planner.BuildYearGrid();
  LoadAppointments(planner, calendarFolder);
}

void LoadAppointments(YearPlanner& planner, Folder& calendarFolder) {
  for (const auto& category : *planner.CategoryList) category->Appointments = AppointmentList();
  const OleDate yearStart = DateSerial(planner.ShownYear, 1, 1);
  planner.view.BeginProgress();
  const ScopeExit endProgress([&planner] { planner.view.EndProgress(); });
  const std::unique_ptr<ItemCollection> items = calendarFolder.Items();
  items->Sort(kStartProperty, false);
  items->SetIncludeRecurrences(true);
  for (AppointmentItem item = items->Find(YearFilter(planner.ShownYear)); item;
       item = items->FindNext()) {
    planner.view.SetProgress(
        static_cast<float>(static_cast<double>(OleToSeconds(item->Start()) - OleToSeconds(yearStart)) / 86400));
    MarkDate(planner, item, true);
  }
}

}  // namespace yb
