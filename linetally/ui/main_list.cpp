// TfrmMain's session list: filling it from the records, the key presses, clicks and popup,
// deleting records and showing a record's connection information.
#include "linetally/ui/main_window.h"

#include <windowsx.h>


#include "linetally/resources/resource.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr int kNoteImage = 7;  // the paper clip of ImageList1

std::string CellText(const ListRow& row, int column) {
  switch (column) {
    case 0: return row.date;
    case 1: return row.time;
    case 2: return row.service;
    case 3: return row.duration;
    case 4: return row.cost;
    default: return {};
  }
}

}  // namespace

void TfrmMain::UpdateListBox(size_t from, bool save) {
  if (from <= 1) ClearList();
  // Rows are built when painted; each new record is checked here, so every row shown can be.
  // The rows before a record that cannot be listed stay on show while the recovery tells why.
  const size_t refill = log.Refresh(from, save, [this](size_t listed) {
    ListView_SetItemCountEx(listView1, int(listed), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  });
  if (refill <= 1) ClearList();  // after a recovery, or records put in front: all anew
  ListRecords();
}

void TfrmMain::ClearList() {
  // No rows also means nothing selected or focused; cheaper than deselecting every row.
  ListView_SetItemCountEx(listView1, 0, 0);
  listSelection.Clear();
}

void TfrmMain::ListRecords() {
  ListView_SetItemCountEx(listView1, int(database.Table().Count()), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  RefreshSummary();
  totalCost = database.SumCost();
  UpdateStatusBar();
  // A cost that does not read counts nothing anywhere; the user hears of it once.
  if (auto text = database.UnreadableCostToTell()) ShowStandardError(Handle(), *text);
}

void TfrmMain::ListView1GetDispInfo(LVITEMA& item) {
  std::optional<ListRow> row;
  const RecordTable& table = database.Table();
  // While a message box of a refresh is open the list may be longer than the records.
  if (item.iItem >= 0 && size_t(item.iItem) < table.Count()) row = listRows.Build(table, size_t(item.iItem) + 1);
  if (item.mask & LVIF_STATE) {
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = row && row->hasNote ? INDEXTOSTATEIMAGEMASK(kNoteImage + 1) : 0;  // the mask counts from 1
  }
  if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0)
    lstrcpynA(item.pszText, row ? CellText(*row, item.iSubItem).c_str() : "", item.cchTextMax);
}

LRESULT CALLBACK TfrmMain::ListViewProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TfrmMain*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_CHAR) {
    try {
      self->ListView1KeyPress(char(wParam));
    } catch (const std::exception& error) {
      ShowStandardError(self->Handle(), error.what());
    }
  }
  const std::vector<int> deselected = self->listSelection.Prepare(message, wParam, lParam);
  const LRESULT result = CallWindowProcA(self->listViewDefault, hwnd, message, wParam, lParam);
  self->listSelection.Restore(deselected);
  return result;
}

void TfrmMain::ListView1KeyPress(char c) { monitor.KeyTyped(c); }

std::vector<int> TfrmMain::SelectedRows() const {
  std::vector<int> rows;
  for (int row = ListView_GetNextItem(listView1, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(listView1, row, LVNI_SELECTED))
    rows.push_back(row);
  return rows;
}

void TfrmMain::ListView1Click() { SetPopupForSeveralRows(ListView_GetSelectedCount(listView1) > 1); }

void TfrmMain::SetPopupForSeveralRows(bool several) {
  HMENU popup = GetSubMenu(popupMenu1, 0);
  ModifyMenuA(popup, IDM_DELETE2, MF_BYCOMMAND | MF_STRING, IDM_DELETE2,
              several ? "&Delete records" : "&Delete record");
  if (several == popupForSeveralRows) return;
  popupForSeveralRows = several;
  if (several) {  // N6 and Getextrainformation1 leave the menu
    RemoveMenu(popup, IDM_GETEXTRAINFORMATION1, MF_BYCOMMAND);
    RemoveMenu(popup, 1, MF_BYPOSITION);
  } else {
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING, IDM_GETEXTRAINFORMATION1, "&Get connection information");
  }
}

void TfrmMain::ShowListPopup(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {  // from the keyboard: below the focused row
    RECT row{};
    const int focused = ListView_GetNextItem(listView1, -1, LVNI_FOCUSED);
    if (focused >= 0) ListView_GetItemRect(listView1, focused, &row, LVIR_LABEL);
    screen = POINT{row.left, row.bottom};
    ClientToScreen(listView1, &screen);
  }
  TrackPopupMenu(GetSubMenu(popupMenu1, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(),
                 nullptr);
}

void TfrmMain::ListView1DblClick() {
  const std::vector<int> rows = SelectedRows();
  if (rows.size() == 1) ShowExtraInfo(rows[0]);
}

void TfrmMain::Getextrainformation1Click() { ListView1DblClick(); }

void TfrmMain::ShowExtraInfo(int row) {
  const RecordTable& table = database.Table();
  if (size_t(row) >= table.Count()) return;
  const RecordFields fields = table.Row(size_t(row) + 1);
  const std::string title = std::string(fields[3]) + ", " + std::string(fields[0]);
  const std::string text = fields[5].empty()
                               ? "No connection information was recorded for the session of " + title + "."
                               : "Connection information for the session of " + title + ":\r\r" + std::string(fields[5]);
  MessageBoxA(Handle(), text.c_str(), kAppTitle, MB_OK | MB_ICONINFORMATION);
}

void TfrmMain::Delete1Click() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  if (preferences.confirmDeletes &&
      !Confirm(Handle(), rows.size() == 1 ? "Delete selected record?" : "Delete selected records?"))
    return;
  DoDelete(rows);
}

void TfrmMain::DoDelete(const std::vector<int>& selectedRows) {
  // A session appended while the question was open only adds a row at the end, so the indexes
  // still name the same records.
  log.Delete(std::vector<size_t>(selectedRows.begin(), selectedRows.end()));
  // The rows left were all checked when they were listed: only the save is left to do.
  ClearList();
  log.Refresh(database.Count() + 1, true);
  ListRecords();
}

}  // namespace lt
