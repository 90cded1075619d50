#pragma once
// TfrmSummary, "Monthly Summary": the billing periods of the log, newest first, a chart of the
// last twelve, and the billing day and budget, which it stores through its host. It stays
// open beside the main window and follows the log while it shows.
#include <windows.h>

#include <string>
#include <vector>

#include "linetally/base/regional_formats.h"
#include "linetally/database/period_totals.h"
#include "linetally/summary/budget.h"
#include "linetally/summary/period_report.h"
#include "linetally/ui/modal_form.h"
#include "linetally/ui/summary_chart.h"

namespace lt {

inline constexpr DWORD kSummaryHelp = 2150;
// Posted to the main window: the over-budget warning is due.
inline constexpr UINT kBudgetWarningMessage = WM_APP + 2;

// What the summary asks of the main window.
class SummaryHost {
 public:
  virtual ~SummaryHost() = default;
  virtual const PeriodTotals& Periods() = 0;
  virtual PeriodIndex CurrentPeriod() = 0;  // by today's date
  virtual const RegionalFormats& Formats() = 0;
  virtual const std::string& CurrencySymbol() = 0;
  virtual const BudgetSettings& Budget() = 0;
  // Keeps and stores the settings; false (after a message) when they could not be stored.
  virtual bool TakeBudget(const BudgetSettings& settings) = 0;
};

class TfrmSummary : public ModalForm {
 public:
  explicit TfrmSummary(SummaryHost& host) : host(host) {}
  void Create(HWND owner);
  // The list and the chart again, when the window shows.
  void Refresh();

 protected:
  void FormShow() override;
  HWND InitialFocus() override { return ListView1; }
  void OnCommand(int id, int code, HWND control) override;
  void OnCloseBox() override { Hide(); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void btnApplyClick();

  SummaryHost& host;
  std::vector<SummaryRow> rows;  // the list's texts, handed out as it paints them
  HWND ListView1 = nullptr, editBillingDay = nullptr, editBudget = nullptr, labelSymbol = nullptr;
  SummaryChart PaintBox1;
};

}  // namespace lt
