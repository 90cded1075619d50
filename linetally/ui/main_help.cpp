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

}  // namespace

void TfrmMain::Print1Click() {
  std::optional<PrinterDc> printer = PrinterChoice().Print(Handle());
  if (!printer) return;
  // The stored totals only: a session in progress is in neither.
  const ReportTotals totals{database.SumSeconds(), totalCost, preferences.currency};
  GdiPrintSurface surface(printer->Get());
  // The rows as the list shows them, built from the records.
  std::vector<ReportRow> rows;
  for (size_t i = 1; i <= database.Table().Count(); ++i)
    if (const auto row = listRows.Build(database.Table(), i))
      rows.push_back({row->date, row->time, row->service, row->duration, row->cost});
  PrintLines(surface, kAppTitle, ReportLines(rows, totals));
}

void TfrmMain::PrintSetup1Click() { PrinterChoice().Setup(Handle()); }

void TfrmMain::Contents1Click() { HelpViewer(helpFile).Contents(Handle()); }

void TfrmMain::KeywordSearch1Click() { HelpViewer(helpFile).Finder(Handle()); }

void TfrmMain::BTPricingInformation1Click() { OpenWebPage(kOperatorPricesPage); }

void TfrmMain::LntHomePage1Click() { OpenWebPage(kHomePage); }

void TfrmMain::AboutLnt1Click() { frmAbout->ShowModal(); }

}  // namespace lt
