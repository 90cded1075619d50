#pragma once
// Marking appointments into the shown year: MarkDate paints every day an appointment covers
// in its category's colour and, for a newly loaded item, files it into the lists of those day
// cells and of its category; ColorForCategory turns a category text into a colour, adding
// categories the table does not know yet (in red).
#include <string>

#include "yearboard/calendar/calendar_client.h"
#include "yearboard/model/year_planner.h"

namespace yb {

// The days an appointment covers, as dates at 00:00: from the date of its start to the date
// of its end, except that an end at exactly 00:00 does not cover its own day; an appointment
// whose end is not after its start covers its start day.
struct CoveredDays {
  OleDate first, last;
};
CoveredDays DaysCovered(OleDate start, OleDate end);

// Paints the covered days that fall in the shown year; only those are filed.
void MarkDate(YearPlanner& planner, const AppointmentItem& iobjAppointment, bool ibooNewItem);

// System colour 3 for "", the category's colour, or 255 for a category added now.
Color ColorForCategory(YearPlanner& planner, const std::string& istrCategory);

}  // namespace yb
