// TfrmMain's report and Help commands: Print and Print Setup, the help viewer, the two web
// pages and the about box.
#include "linetally/ui/main_window.h"

#include <commctrl.h>


#include "linetally/report/line_printer.h"
#include "linetally/report/print_surface_win32.h"
#include "linetally/report/report_lines.h"
#include "linetally/ui/about_box.h"
#include "linetally/ui/help_links.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

// The printer chosen in PrintDialog1 or PrinterSetupDialog1, for the rest of the run.
PrinterDialogs& PrinterChoice() {
  static PrinterDialogs dialogs;
  return dialogs;
}

std::string CellText(HWND listView, int row, int column) {
  char text[512] = {};
  ListView_GetItemText(listView, row, column, text, sizeof text);
  return text;
}

// The list's texts as shown, in display order.
std::vector<ReportRow> ListRows(HWND listView) {
  std::vector<ReportRow> rows;
  const int count = ListView_GetItemCount(listView);
  for (int i = 0; i < count; ++i)
    rows.push_back({CellText(listView, i, 0), CellText(listView, i, 1), CellText(listView, i, 2),
                    CellText(listView, i, 3), CellText(listView, i, 4)});
  return rows;
}

}  // namespace

void TfrmMain::Print1Click() {
  std::optional<PrinterDc> printer = PrinterChoice().Print(Handle());
  if (!printer) return;
  // The stored totals only: a session in progress is in neither.
  const ReportTotals totals{database.SumSeconds(), totalCost, preferences.currency};
  GdiPrintSurface surface(printer->Get());
  PrintLines(surface, kAppTitle, ReportLines(ListRows(listView1), totals));
}

void TfrmMain::PrintSetup1Click() { PrinterChoice().Setup(Handle()); }

void TfrmMain::Contents1Click() { HelpViewer(helpFile).Contents(Handle()); }

void TfrmMain::KeywordSearch1Click() { HelpViewer(helpFile).Finder(Handle()); }

void TfrmMain::BTPricingInformation1Click() { OpenWebPage(kOperatorPricesPage); }

void TfrmMain::LntHomePage1Click() { OpenWebPage(kHomePage); }

void TfrmMain::AboutLnt1Click() { frmAbout->ShowModal(); }

}  // namespace lt
