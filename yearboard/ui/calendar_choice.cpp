#include "yearboard/ui/calendar_choice.h"

#include <commdlg.h>

#include <utility>

#include "yearboard/base/system_win32.h"
#include "yearboard/calendar/automation_calendar_win32.h"
#include "yearboard/model/categories.h"

namespace yb {
namespace {

// The common Open dialog for calendar files; "" when cancelled.
std::string AskForFile(HWND owner) {
  char path[MAX_PATH * 2] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "iCalendar files (*.ics)\0*.ics\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = "Open Calendar File";
  dialog.lpstrDefExt = "ics";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  return GetOpenFileNameA(&dialog) ? path : "";
}

}  // namespace

CalendarChoice::CalendarChoice(SettingsStore& settings, TimeZoneSystem& zones, ItemViewer& viewer,
                               const Formats& formats)
    : settings(settings), zones(zones), viewer(viewer), formats(formats) {}

std::optional<ShownCalendar> CalendarChoice::AtStartUp(std::string& clientError) {
  const StoredSetting remembered = settings.ReadSetting(kSettingsApplication, kCalendarSection, kCalendarFileKey);
  if (!remembered.text.empty()) {
    if (auto shown = OpenFile(nullptr, remembered.text)) return shown;
  }
  try {
    if (remembered.state == StoredSetting::State::Unreadable) return ClientForUnreadableChoice();
    return Client();
  } catch (const CalendarError& error) {
    clientError = error.what();
  }
  const std::string question = "The calendar client cannot be started:\n" + clientError +
                               "\n\nDo you want to open an iCalendar file instead?";
  if (MessageBoxA(nullptr, question.c_str(), "Yearboard", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return std::nullopt;
  return ChooseFile(nullptr);
}

ShownCalendar CalendarChoice::ClientForUnreadableChoice() {
  ShownCalendar client = Client();
  keepUnreadableChoice = MessageBoxA(nullptr,
                                     "The saved calendar choice cannot be read, so the calendar client is shown.\n\n"
                                     "Do you want to save the calendar client as your choice?",
                                     "Yearboard", MB_YESNO | MB_ICONWARNING) != IDYES;
  return client;
}

std::optional<ShownCalendar> CalendarChoice::ChooseFile(HWND owner) {
  const std::string path = AskForFile(owner);
  if (path.empty()) return std::nullopt;
  return OpenFile(owner, path);
}

std::optional<ShownCalendar> CalendarChoice::OpenFile(HWND owner, std::string path) {
  auto file = std::make_unique<FileCalendar>(std::move(path), zones, viewer, formats, AnsiFromUtf8);
  try {
    file->Reload();
  } catch (const CalendarFileError& error) {
    return OfferAnother(owner, error.what());
  }
  ShownCalendar shown;
  shown.session = std::make_unique<CalendarSession>(file->CreateApplication());
  shown.file = std::move(file);
  return shown;
}

std::optional<ShownCalendar> CalendarChoice::OfferAnother(HWND owner, const std::string& fault) {
  const std::string question = fault + "\n\nDo you want to choose another calendar file?";
  if (MessageBoxA(owner, question.c_str(), "Yearboard", MB_YESNO | MB_ICONWARNING) != IDYES)
    return std::nullopt;
  return ChooseFile(owner);
}

ShownCalendar CalendarChoice::Client() {
  ShownCalendar shown;
  shown.session = std::make_unique<CalendarSession>(CreateAutomationApplication());
  return shown;
}

void CalendarChoice::Remember(const ShownCalendar& calendar) {
  // The client shown at start-up in place of a choice that does not read leaves that one alone.
  if (std::exchange(keepUnreadableChoice, false)) return;
  settings.SaveSetting(kSettingsApplication, kCalendarSection, kCalendarFileKey,
                       calendar.file ? calendar.file->Path() : "");
}

std::string CalendarName(const ShownCalendar& calendar) {
  if (!calendar.file) return "Calendar client";
  const std::string& path = calendar.file->Path();
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string PlannerCaption(const ShownCalendar& calendar) {
  return calendar.file ? "Yearboard - " + CalendarName(calendar) : "Yearboard";
}

}  // namespace yb
