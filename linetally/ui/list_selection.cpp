#include "linetally/ui/list_selection.h"

#include <windowsx.h>

namespace lt {
namespace {

bool IsMoveKey(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END;
}

}  // namespace

void ListSelection::Set(int row, bool selected) {
  if (selected)
    rows.insert(row);
  else
    rows.erase(row);
}

void ListSelection::Changed(const NMHDR& header) {
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE) || !((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) return;
    const bool selected = change.uNewState & LVIS_SELECTED;
    if (change.iItem >= 0)
      Set(change.iItem, selected);
    else if (!selected)
      rows.clear();
  } else if (header.code == LVN_ODSTATECHANGED) {
    const auto& change = reinterpret_cast<const NMLVODSTATECHANGE&>(header);
    if (!((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) return;
    for (int row = change.iFrom; row <= change.iTo; ++row) Set(row, change.uNewState & LVIS_SELECTED);
  }
}

std::vector<int> ListSelection::Prepare(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) {
    if (!IsMoveKey(wParam) || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0) return {};
  } else if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
    if (wParam & (MK_SHIFT | MK_CONTROL)) return {};
    LVHITTESTINFO hit{};
    hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int row = int(SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    // Beside the rows the list clears the selection itself; a right click on a selected row
    // keeps it for the popup.
    if (row < 0 || (message == WM_RBUTTONDOWN && rows.count(row))) return {};
  } else {
    return {};
  }
  const std::vector<int> deselected(rows.begin(), rows.end());
  for (int row : deselected) ListView_SetItemState(list, row, 0, LVIS_SELECTED);
  return deselected;
}

void ListSelection::Restore(const std::vector<int>& deselected) {
  if (deselected.empty() || ListView_GetSelectedCount(list) > 0) return;
  for (int row : deselected) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace lt
