#pragma once
// The selected rows of an owner-data list view, followed from its notifications. Wine's list
// view deselects such a list row by row before every new selection, a moment per thousand
// rows; deselecting the few selected rows first leaves it nothing to do. What the user sees
// and what the list reports as selected do not change.
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <vector>

namespace lt {

class ListSelection {
 public:
  void Attach(HWND listView) { list = listView; }
  void Clear() { rows.clear(); }  // the list lost its rows
  // LVN_ITEMCHANGED and LVN_ODSTATECHANGED of the list.
  void Changed(const NMHDR& header);
  // Before the list handles `message`: when it is a plain click on a row or a plain move key,
  // deselects the selected rows one by one and returns them.
  std::vector<int> Prepare(UINT message, WPARAM wParam, LPARAM lParam);
  // After it: when the list selected nothing after all (a move key at the end), the rows come back.
  void Restore(const std::vector<int>& deselected);

 private:
  void Set(int row, bool selected);

  HWND list = nullptr;
  std::set<int> rows;
};

}  // namespace lt
