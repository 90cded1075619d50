#include "yearboard_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace e2e {

namespace {
const char kStandinKey[] = "Software\\CalendarStandin";
const char kMasterListPath[] = "Software\\Microsoft\\Office\\8.0\\Outlook\\Categories";

WPARAM Cell(int row, int col) { return static_cast<WPARAM>(yb::PackCell(row, col)); }

LPARAM Point(const RECT& rect) {
  return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}
}  // namespace

int CurrentYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}

std::string Date(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
  return text;
}

std::string DateTime(int year, int month, int day, int hour, int minute) {
  char text[24];
  std::snprintf(text, sizeof text, "%sT%02d%02d00", Date(year, month, day).c_str(), hour, minute);
  return text;
}

YearboardApp::YearboardApp(bool clearSettings) {
  folder.CopyIn(std::string(E2E_BIN_DIR) + "/Yearboard.exe");
  if (clearSettings) DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\Yearboard");
  SetMasterList("Holiday;Travel;");
  WriteCalendar({});
}

YearboardApp::~YearboardApp() = default;

void YearboardApp::SetMasterList(const std::string& text) {
  WriteRegistryString(HKEY_CURRENT_USER, kMasterListPath, "", text);
}

void YearboardApp::RemoveMasterList() { DeleteRegistryTree(HKEY_CURRENT_USER, kMasterListPath); }

void YearboardApp::WriteCalendar(const std::vector<Event>& events) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Yearboard//e2e//EN\r\n";
  int uid = 0;
  for (const Event& event : events) {
    const bool allDay = event.start.find('T') == std::string::npos;
    const std::string kind = allDay ? ";VALUE=DATE:" : ":";
    text += "BEGIN:VEVENT\r\nUID:e2e-" + std::to_string(++uid) + "\r\n";
    text += "DTSTART" + kind + event.start + "\r\nDTEND" + kind + event.end + "\r\n";
    text += "SUMMARY:" + event.summary + "\r\n";
    if (!event.categories.empty()) text += "CATEGORIES:" + event.categories + "\r\n";
    text += "END:VEVENT\r\n";
  }
  WriteCalendarText(text + "END:VCALENDAR\r\n");
}

void YearboardApp::WriteCalendarText(const std::string& ics) {
  folder.Write("calendar.ics", ics);
  WriteRegistryString(HKEY_CURRENT_USER, kStandinKey, "CalendarFile", folder.File("calendar.ics"));
}

void YearboardApp::Start() {
  Launch();
  WaitForYear();
}

void YearboardApp::Launch() { process.Start(folder.File("Yearboard.exe"), folder.Path()); }

void YearboardApp::RemoveCalendarClient() { DeleteRegistryTree(HKEY_CLASSES_ROOT, "Outlook.Application"); }

void YearboardApp::WaitForYear() {
  main = WaitForTopWindow(process.Id(), YEARBOARD_WINDOW_CLASS, 20000);
  if (!main) throw std::runtime_error("the planner window did not appear");
  // The year is shown once its caption is set and the month names are in.
  if (!WaitUntil([&] { return !Year().empty() && CellText(Planner(), 12, 0) == "December"; }, 20000)) {
    throw std::runtime_error("the year was not shown");
  }
  Settle();
}

void YearboardApp::Close() {
  PostMessageA(main, WM_CLOSE, 0, 0);
  const auto code = process.WaitForExit(10000);
  if (!code) throw std::runtime_error("Yearboard did not end");
}

std::string YearboardApp::Year() const { return Text(BandControl(IDC_LBLYEAR)); }

int YearboardApp::Rows(HWND grid) { return static_cast<int>(SendMessageA(grid, yb::kGridGetRows, 0, 0)); }

std::string YearboardApp::CellText(HWND grid, int row, int col) {
  LRESULT length = 0;
  const auto bytes = SendWithRemoteBuffer(grid, yb::kGridGetCellText, Cell(row, col), yb::kGridTextCapacity, &length);
  if (length < 0) return "<no cell>";
  return std::string(bytes.begin(), bytes.begin() + length);
}

yb::Color YearboardApp::CellColor(HWND grid, int row, int col) {
  return static_cast<yb::Color>(SendMessageA(grid, yb::kGridGetCellColor, Cell(row, col), 0));
}

std::vector<yb::Color> YearboardApp::CellStripes(HWND grid, int row, int col) {
  LRESULT count = 0;
  const auto bytes = SendWithRemoteBuffer(grid, yb::kGridGetCellStripes, Cell(row, col),
                                          yb::kGridStripeCapacity * sizeof(yb::Color), &count);
  std::vector<yb::Color> colors(static_cast<std::size_t>(std::clamp<LRESULT>(count, 0, yb::kGridStripeCapacity)));
  std::memcpy(colors.data(), bytes.data(), colors.size() * sizeof(yb::Color));
  return colors;
}

std::string YearboardApp::FontName(HWND grid) {
  LRESULT length = 0;
  const auto bytes = SendWithRemoteBuffer(grid, yb::kGridGetFontName, 0, yb::kGridTextCapacity, &length);
  return length < 0 ? "" : std::string(bytes.begin(), bytes.begin() + length);
}

double YearboardApp::FontSize(HWND grid, int row, int col) {
  return static_cast<double>(SendMessageA(grid, yb::kGridGetCellFontSize, Cell(row, col), 0)) / 100;
}

RECT YearboardApp::CellRect(HWND grid, int row, int col) {
  LRESULT shown = 0;
  const auto bytes = SendWithRemoteBuffer(grid, yb::kGridGetCellRect, Cell(row, col), sizeof(RECT), &shown);
  RECT rect{};
  std::memcpy(&rect, bytes.data(), sizeof rect);
  if (!shown) throw std::runtime_error("the cell is not in view");
  return rect;
}

std::pair<int, int> YearboardApp::Current(HWND grid) {
  const auto packed = static_cast<std::uint32_t>(SendMessageA(grid, yb::kGridGetCurrent, 0, 0));
  return {yb::CellRow(packed), yb::CellCol(packed)};
}

void YearboardApp::ClickCell(HWND grid, int row, int col) {
  const LPARAM point = Point(CellRect(grid, row, col));
  PostMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(grid, WM_LBUTTONUP, 0, point);
}

void YearboardApp::DoubleClickCell(HWND grid, int row, int col) {
  const LPARAM point = Point(CellRect(grid, row, col));
  PostMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(grid, WM_LBUTTONUP, 0, point);
  PostMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  PostMessageA(grid, WM_LBUTTONUP, 0, point);
}

int YearboardApp::DayColumn(int month, int day) const {
  for (int col = 1; col <= 37; ++col) {
    if (CellText(Planner(), month, col) == std::to_string(day)) return col;
  }
  throw std::runtime_error("no such day in the grid");
}

void YearboardApp::Settle() const {
  // Posted input is handled in turn; give it a moment, then make sure the window answers.
  Sleep(200);
  SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
}

}  // namespace e2e
