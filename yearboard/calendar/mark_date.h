#pragma once
// Marking appointments into the shown year: MarkDate paints every day an appointment covers
// in its category's colour and, for a newly loaded item, files it into the lists of those day
// cells and of its category; ColorForCategory turns a category text into a colour, adding
// categories the table does not know yet (in red).
#include <string>

#include "yearboard/calendar/calendar_client.h"
#include "yearboard/model/year_planner.h"

namespace yb {

// The last day is the start's own day when start and end share the day of the month, else
// the end less one day; days after 31 December of the shown year are not marked.
void MarkDate(YearPlanner& planner, const AppointmentItem& iobjAppointment, bool ibooNewItem);

// System colour 3 for "", the category's colour, or 255 for a category added now.
Color ColorForCategory(YearPlanner& planner, const std::string& istrCategory);

}  // namespace yb
