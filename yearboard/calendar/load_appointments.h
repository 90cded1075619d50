#pragma once
// ShowYear: the year in the caption, BuildYearGrid, then LoadAppointments, with the year
// buttons disabled meanwhile. LoadAppointments: after BuildYearGrid, fetches the shown year's
// appointments from the calendar folder (a fresh item collection, sorted by start, recurrences
// expanded, the year filter) and marks each; the progress bar stands in for the status bar
// meanwhile. Calendar failures are not caught here, but the buttons, pointer and status bar
// are restored on every path.
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/model/year_planner.h"

namespace yb {

void ShowYear(YearPlanner& planner, Folder& calendarFolder, int iintYear);
void LoadAppointments(YearPlanner& planner, Folder& calendarFolder);

}  // namespace yb
