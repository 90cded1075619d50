#pragma once
// The stand-in's own window for one appointment, opened by Inspector.Display: titled
// "<subject> - Appointment", read-only subject, start, end and categories, and a Close
// button. It is modeless, runs on the caller's thread and keeps the server loaded while open;
// displaying an item that is open already brings its window forward.
#include <windows.h>

#include <string>

#include "yearboard/calendar/item_search.h"

namespace standin {

extern HINSTANCE gModule;

constexpr const wchar_t* kAppointmentWindowClass = L"CalendarStandinAppointment";

std::string AppointmentCaption(const yb::SearchRecord& item);  // UTF-8
void OpenAppointmentWindow(const yb::SearchRecord& item);

}  // namespace standin
