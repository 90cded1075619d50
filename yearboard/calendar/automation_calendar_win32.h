#pragma once
// The calendar client driven by IDispatch late binding: the application is created from its
// ProgID (CLSIDFromProgID, CoCreateInstance), members are reached through GetIDsOfNames and
// Invoke. The objects keep COM initialised on this thread until the last one is released.
// A failing call throws CalendarError with the automation error text,
// "<Object>.<Member>: <description> (0x<HRESULT>)".
#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "yearboard/calendar/calendar_client.h"

namespace yb {

constexpr const char* kCalendarProgId = "Outlook.Application";

std::unique_ptr<Application> CreateAutomationApplication(
    const std::string& progId = kCalendarProgId);

// The program's error box for a failed calendar call: the error's text, title "Yearboard",
// stop icon, OK. The caller ends the program afterwards.
void ShowCalendarError(HWND owner, const std::exception& error);

}  // namespace yb
