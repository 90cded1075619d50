#pragma once
// The item window: one appointment of a calendar file, read-only (subject, start, end,
// location, categories, the series' rule in words and the description), closed with Esc or
// its Close button. One window per item; showing an item that is open brings it forward. The
// windows are owned by the planner window and end with it, or when their calendar is replaced.
#include <windows.h>

#include <map>
#include <string>

#include "yearboard/base/formats.h"
#include "yearboard/calendar/file_calendar.h"

namespace yb {

constexpr const char* kItemWindowClass = "YearboardItem";

class ItemWindows : public ItemViewer {
 public:
  explicit ItemWindows(const Formats& formats);
  ~ItemWindows() override;
  ItemWindows(const ItemWindows&) = delete;
  ItemWindows& operator=(const ItemWindows&) = delete;

  void SetOwner(HWND window) { owner = window; }
  void Show(const ItemDetails& item) override;
  // Closes every item window: their calendar was replaced or read again, and an item's key
  // may now name another appointment.
  void CloseAll();
  // Keyboard navigation (Tab, Esc) of an item window; true when the message was taken.
  bool PreTranslate(MSG& msg);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Create(const ItemDetails& item);

  Formats formats;
  HWND owner = nullptr;
  std::map<std::string, HWND> open;  // by item key
};

}  // namespace yb
