// Times loading a year of appointments from the calendar stand-in through Yearboard's
// IDispatch adapter, as the planner loads a year: Items, Sort, IncludeRecurrences, then
// Find / FindNext reading Start, End and Categories of every item.
// Run under Wine with the stand-in registered:  scripts/wine-run.sh .../standin_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "yearboard/calendar/automation_calendar_win32.h"

namespace {

constexpr int kYear = 2026;
constexpr int kAppointments = 10000;
const char* const kCategories[] = {"Holiday", "Travel", "Work", "Birthday", "Learning", ""};

std::string Stamp(int dayOfYear, int hour) {
  SYSTEMTIME t{};
  t.wYear = kYear;
  t.wMonth = 1;
  t.wDay = 1;
  FILETIME f{};
  SystemTimeToFileTime(&t, &f);
  ULARGE_INTEGER u{{f.dwLowDateTime, f.dwHighDateTime}};
  u.QuadPart += static_cast<ULONGLONG>(dayOfYear) * 864000000000ULL;
  f = {u.LowPart, u.HighPart};
  FileTimeToSystemTime(&f, &t);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d0000", t.wYear, t.wMonth, t.wDay, hour);
  return text;
}

// Single appointments, or weekly series whose occurrences in the year add up to the count.
std::string Calendar(bool series) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
  const int events = series ? kAppointments / 50 : kAppointments;
  for (int i = 0; i < events; ++i) {
    const int day = series ? i % 7 : i * 365 / kAppointments;
    const int hour = 8 + i % 10;
    text += "BEGIN:VEVENT\r\nDTSTART:" + Stamp(day, hour) + "\r\nDTEND:" + Stamp(day, hour + 1) +
            "\r\nSUMMARY:Appointment " + std::to_string(i) + "\r\n";
    if (series) text += "RRULE:FREQ=WEEKLY;COUNT=50\r\n";
    if (*kCategories[i % 6]) text += std::string("CATEGORIES:") + kCategories[i % 6] + "\r\n";
    text += "END:VEVENT\r\n";
  }
  return text + "END:VCALENDAR\r\n";
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

int LoadYear(yb::Folder& folder) {
  auto items = folder.Items();
  items->Sort("[Start]", false);
  items->SetIncludeRecurrences(true);
  int count = 0;
  for (yb::AppointmentItem a = items->Find(yb::YearFilter(kYear)); a; a = items->FindNext()) {
    // The values the marking reads; their sizes only keep the calls from being dropped.
    const double span = a->End() - a->Start();
    const std::string categories = a->Categories();
    count += span >= 0 && categories.size() < 1000;
  }
  return count;
}

void Measure(const char* what, const std::string& calendar, const std::string& path) {
  std::ofstream(path, std::ios::binary) << calendar;
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\CalendarStandin", 0, nullptr, 0, KEY_SET_VALUE,
                  nullptr, &key, nullptr);
  RegSetValueExA(key, "CalendarFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                 static_cast<DWORD>(path.size() + 1));
  RegCloseKey(key);

  yb::CalendarSession session(yb::CreateAutomationApplication());
  std::vector<double> times;
  int count = 0;
  for (int run = 0; run < 5; ++run) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    count = LoadYear(session.CalendarFolder());
    QueryPerformanceCounter(&to);
    times.push_back(Milliseconds(from, to));
  }
  std::sort(times.begin(), times.end());
  std::printf("%s: %d items, %zu bytes; load of the year: min %.1f ms, median %.1f ms\n", what,
              count, calendar.size(), times.front(), times[times.size() / 2]);
}

}  // namespace

int main() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "standin-timing.ics";
  try {
    Measure("single appointments", Calendar(false), path);
    Measure("weekly series", Calendar(true), path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  DeleteFileA(path.c_str());
  return 0;
}
