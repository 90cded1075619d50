#include "yearboard/calendar/load_appointments.h"

#include "yearboard/calendar/mark_date.h"

namespace yb {

void LoadAppointments(YearPlanner& planner, Folder& calendarFolder) {
  for (const auto& category : *planner.CategoryList) category->Appointments = AppointmentList();
  const OleDate yearStart = DateSerial(planner.ShownYear, 1, 1);
  planner.view.BeginProgress();
  const std::unique_ptr<ItemCollection> items = calendarFolder.Items();
  items->Sort(kStartProperty, false);
  items->SetIncludeRecurrences(true);
  for (AppointmentItem item = items->Find(YearFilter(planner.ShownYear)); item;
       item = items->FindNext()) {
    planner.view.SetProgress(static_cast<float>(item->Start() - yearStart));
    MarkDate(planner, item, true);
  }
  planner.view.EndProgress();
}

}  // namespace yb
