#include "linetally/ui/summary_window.h"

#include <commctrl.h>

#include "linetally/resources/resource.h"
#include "linetally/summary/period_report.h"
#include "linetally/ui/amount_edit.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr int kWidth = 420, kHeight = 392;

constexpr ListColumn kColumns[] = {{"Period", 140, LVCFMT_LEFT},
                               {"Sessions", 70, LVCFMT_RIGHT},
                               {"Duration", 90, LVCFMT_RIGHT},
                               {"Cost", 80, LVCFMT_RIGHT}};

}  // namespace

void TfrmSummary::Create(HWND owner) {
  CreateModalForm("TfrmSummary", "Monthly Summary", kWidth, kHeight, owner, int(kSummaryHelp));
  ListView1 = Control(nullptr, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                      WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_OWNERDATA,
                      8, 8, 404, 150, IDC_SUMMARYLIST);
  ListView_SetExtendedListViewStyle(ListView1, LVS_EX_FULLROWSELECT);
  AddListColumns(ListView1, kColumns);
  PaintBox1.Create(Handle(), 8, 166, 404, 150, IDC_PAINTBOX1, FormFont());

  Label(nullptr, "Billing period starts on &day:", 8, 332, 150);
  editBillingDay = Control(nullptr, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, 160,
                           328, 30, 21, IDC_EDITBILLINGDAY);
  SendMessageA(editBillingDay, EM_LIMITTEXT, 2, 0);
  Label(nullptr, "&Budget per period:", 210, 332, 100);
  editBudget = Control(nullptr, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 312, 328, 64, 21,
                       IDC_EDITBUDGET);
  MakeAmountEdit(editBudget);
  labelSymbol = Control(nullptr, 0, "STATIC", "", SS_LEFT | SS_NOPREFIX, 380, 332, 30, 13);
  Button("&Apply", 252, 360, 76, IDC_BTNAPPLY, true);
  Button("Close", 336, 360, 76, IDC_BTNCLOSESUMMARY);
  FinishControls();
}

void TfrmSummary::FormShow() {
  const BudgetSettings& settings = host.Budget();
  SetTextOf(editBillingDay, std::to_string(settings.billingDay));
  SetTextOf(editBudget, settings.budgetText);
  Refresh();
}

void TfrmSummary::Refresh() {
  const PeriodIndex current = host.CurrentPeriod();
  const RegionalFormats& formats = host.Formats();
  const std::string& symbol = host.CurrencySymbol();
  SetTextOf(labelSymbol, symbol);
  rows = SummaryRows(host.Periods(), current, formats, symbol);
  ListView_SetItemCountEx(ListView1, int(rows.size()), LVSICF_NOSCROLL);
  InvalidateRect(ListView1, nullptr, FALSE);
  PaintBox1.SetData(ChartBars(host.Periods(), current, formats), host.Budget().budget, symbol);
}

LRESULT TfrmSummary::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
    if (info->hdr.hwndFrom == ListView1 && info->hdr.code == LVN_GETDISPINFOA) {
      LVITEMA& item = info->item;
      if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0 && item.iItem >= 0 && size_t(item.iItem) < rows.size()) {
        const SummaryRow& row = rows[size_t(item.iItem)];
        const std::string* cells[] = {&row.period, &row.sessions, &row.duration, &row.cost};
        lstrcpynA(item.pszText, item.iSubItem >= 0 && item.iSubItem < 4 ? cells[item.iSubItem]->c_str() : "",
                  item.cchTextMax);
      }
    }
    return 0;
  }
  return ModalForm::HandleMessage(message, wParam, lParam);
}

void TfrmSummary::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == IDC_BTNAPPLY) btnApplyClick();
  if (id == IDC_BTNCLOSESUMMARY || id == IDCANCEL) Hide();  // the Close button and Esc
}

void TfrmSummary::btnApplyClick() {
  const BudgetCheck check = CheckBudgetForm(TextOf(editBillingDay), TextOf(editBudget));
  if (!check.settings) {
    ShowStandardError(Handle(), check.error);
    SetFocus(check.dayRefused ? editBillingDay : editBudget);
    return;
  }
  if (host.TakeBudget(*check.settings)) Refresh();
}

}  // namespace lt
