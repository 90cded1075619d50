// The GDI surface on the test prefix's default printer (a CUPS PDF queue).
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include "linetally/report/line_printer.h"
#include "linetally/report/print_surface_win32.h"

namespace lt {
namespace {

PrinterDc DefaultPrinterDc() {
  char name[256];
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return PrinterDc(nullptr);
  return PrinterDc(CreateDCA("WINSPOOL", name, nullptr, nullptr));
}

TEST(GdiPrintSurface, OneDocumentAtATime) {
  PrinterDc first = DefaultPrinterDc(), second = DefaultPrinterDc();
  ASSERT_NE(first.Get(), nullptr) << "the test prefix has no default printer";
  GdiPrintSurface a(first.Get()), b(second.Get());
  a.BeginDocument("first");
  try {
    b.BeginDocument("second");
    FAIL() << "a second document began";
  } catch (const PrintError& e) {
    EXPECT_STREQ(e.what(), "Printing in progress");
  }
  a.EndDocument();
  EXPECT_NO_THROW(b.BeginDocument("second"));
  b.EndDocument();
}

TEST(GdiPrintSurface, CourierIsFixedPitchAtTenPoints) {
  PrinterDc dc = DefaultPrinterDc();
  ASSERT_NE(dc.Get(), nullptr) << "the test prefix has no default printer";
  GdiPrintSurface page(dc.Get());
  page.BeginDocument("metrics");
  page.SelectFont("Courier");
  EXPECT_EQ(page.MeasureText("iiii").width, page.MeasureText("WWWW").width);
  const int tenPoints = MulDiv(10, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
  const FontMetrics metrics = page.Metrics();
  EXPECT_GE(metrics.height, tenPoints);
  EXPECT_LT(metrics.height, tenPoints * 3 / 2);
  EXPECT_EQ(page.MeasureText(std::string(62, '=')).width, 62 * page.MeasureText("=").width);
  EXPECT_LT(page.MeasureText(std::string(62, '=')).width, page.PageWidth());  // the report fits
  page.EndDocument();
}

TEST(GdiPrintSurface, ALineOfTextReachesThePrinter) {
  PrinterDc dc = DefaultPrinterDc();
  ASSERT_NE(dc.Get(), nullptr) << "the test prefix has no default printer";
  GdiPrintSurface page(dc.Get());
  EXPECT_NO_THROW(PrintLines(page, "surface test", {"first line", "", "third line\tafter a tab"}));
}

}  // namespace
}  // namespace lt
