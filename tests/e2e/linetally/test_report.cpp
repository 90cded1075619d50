// File > Print: the session report on the test prefix's PDF printer, read back from the PDF.
#include <gtest/gtest.h>

#include <algorithm>

#include "linetally_app.h"
#include "report_pdf.h"

namespace e2e {
namespace {

const std::string kEquals(62, '='), kHyphens(62, '-');
const std::string kHeader = "Date        Time   Service                 Duration   Cost";

void AppendPadded(std::string& line, const std::string& text, size_t width) {
  line += text;
  if (text.size() < width) line.append(width - text.size(), ' ');
}

// The report row of a list row, from what the window shows.
std::string RowLine(const std::vector<std::string>& row, bool showDate) {
  std::string line;
  AppendPadded(line, showDate ? row[0] : std::string(), 12);
  AppendPadded(line, row[1], 7);
  AppendPadded(line, row[2], 24);
  AppendPadded(line, row[3], 11);
  line += row[4];
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// The printed lines, blank ones left out, gaps as Gaps() gives them.
std::vector<std::string> AllLines(const std::vector<std::vector<std::string>>& pages) {
  std::vector<std::string> lines;
  for (const auto& page : pages)
    for (const auto& line : page)
      if (!line.empty()) lines.push_back(Gaps(line));
  return lines;
}

std::vector<std::string> Gapped(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(Gaps(line));
  return out;
}

// A copy that printed through the pipe to lp is not always ended by TerminateProcess under
// Wine, and a new copy would find it and end at once: each test ends its copy with Exit.
void StartWhenNoOtherCopyRuns(LinetallyApp& app) {
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("TApplication", "Linetally") == nullptr; }, 20000))
      << "an earlier copy of Linetally still runs";
  app.Start();
}

void Exit(LinetallyApp& app) {
  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_TRUE(app.Program().WaitForExit(20000).has_value()) << "Linetally did not end after Exit";
}

// Print1Click through the print dialog's OK; the text of the PDF that came of it, known by
// the text of its last row.
std::optional<std::string> PrintFromMenu(LinetallyApp& app, const std::string& lastRow,
                                         const std::string& screenshot = "") {
  const auto before = PdfFiles();
  PostCommand(app.Main(), IDM_PRINT1);
  const bool confirmed = ConfirmPrintDialog(app.Program().Id(), screenshot);
  EXPECT_TRUE(confirmed) << "no print dialog";
  if (!confirmed) return std::nullopt;
  return WaitForPrintout(before, lastRow, "TOTAL COST");
}

TEST(Report, FilePrintPutsEveryLineOfTheReportOnPaper) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat",
                     "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n"
                     "07/12/2026 18:02:00,07/12/2026 19:02:00,3600,Office link,3,\r\n"
                     "08/12/2026 07:30:10,08/12/2026 07:30:15,5,Thirty characters of a service,0.01,\r\n");
  StartWhenNoOtherCopyRuns(app);
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 3u);

  const auto text = PrintFromMenu(app, "Thirty characters", "linetally-print-dialog");
  ASSERT_TRUE(text.has_value()) << "no printout arrived in " << PdfFolderUnix() << " (is cupsd running? scripts/cups-pdf.sh)";
  const auto pages = PagesOf(*text);
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<std::string> expected{kEquals,
                                          kHeader,
                                          kHyphens,
                                          RowLine(rows[0], true),
                                          RowLine(rows[1], false),
                                          RowLine(rows[2], true),
                                          kHyphens,
                                          "TOTAL TIME = 001:32:43 / TOTAL COST = \xC2\xA3" "4.26",
                                          kEquals};
  EXPECT_EQ(AllLines(pages), Gapped(expected));
  EXPECT_NE(RowLine(rows[0], true).find("Office link             000:32:38  1.25"), std::string::npos);
  EXPECT_EQ(RowLine(rows[1], false).substr(0, 12), std::string(12, ' '));
  EXPECT_EQ(AllLines(pages)[4].substr(0, 6), " 18:02");  // the repeated date left blank
  EXPECT_NE(RowLine(rows[2], true).find("Thirty characters of a service000:00:05  0.01"), std::string::npos);
  Exit(app);
}

TEST(Report, ALongReportGoesOnToTheNextPageWithoutANewHeader) {
  LinetallyApp app;
  std::string file;
  for (int i = 0; i < 200; ++i) {
    // Days 1 to 12 read the same with the day or the month first.
    const int d = i / 3 % 12 + 1;
    std::string day = std::to_string(d);
    if (d < 10) day.insert(day.begin(), '0');
    file += day + "/11/2026 10:00:00," + day + "/11/2026 10:01:00,60,Line " + std::to_string(i) + ",0.05,\r\n";
  }
  app.Folder().Write("Lnt.dat", file);
  StartWhenNoOtherCopyRuns(app);
  const auto rows = app.Rows();
  ASSERT_EQ(rows.size(), 200u);

  const auto text = PrintFromMenu(app, "Line 199");
  ASSERT_TRUE(text.has_value()) << "no printout arrived";
  const auto pages = PagesOf(*text);
  ASSERT_GE(pages.size(), 2u);
  const auto lines = AllLines(pages);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), Gaps(kHeader)), 1);
  ASSERT_EQ(lines.size(), 206u);
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(lines[3 + i], Gaps(RowLine(rows[i], i == 0 || rows[i][0] != rows[i - 1][0]))) << i;
  EXPECT_EQ(lines[205], kEquals);
  // The second page starts with a session row, not with a rule or the header.
  const auto& second = pages[1];
  const auto first = std::find_if(second.begin(), second.end(), [](const std::string& l) { return !l.empty(); });
  ASSERT_NE(first, second.end());
  EXPECT_NE(first->find("Line "), std::string::npos) << *first;
  Exit(app);
}

TEST(Report, ASessionInProgressIsInNeitherTotal) {
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", "07/12/2026 09:15:02,07/12/2026 09:16:02,60,Office link,0.5,\r\n");
  StartWhenNoOtherCopyRuns(app);
  app.ShowDebugButton();
  HWND button = app.Control(IDC_BUTTON1);
  Click(button);
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(3); }, 10000)) << app.Label1();

  const auto text = PrintFromMenu(app, "Office link");
  ASSERT_TRUE(text.has_value()) << "no printout arrived";
  EXPECT_NE(text->find("TOTAL TIME = 000:01:00 / TOTAL COST = \xC2\xA3" "0.50"), std::string::npos) << *text;

  Click(button);  // the session ends and is logged
  EXPECT_TRUE(WaitUntil([&] { return app.Rows().size() == 2; }));
  Exit(app);
}

TEST(Report, CancellingThePrintDialogPrintsNothing) {
  LinetallyApp app;
  StartWhenNoOtherCopyRuns(app);
  const auto before = PdfFiles();
  PostCommand(app.Main(), IDM_PRINT1);
  auto dialog = WaitForMessageBox(app.Program().Id(), 10000);
  ASSERT_TRUE(dialog.has_value());
  Answer(*dialog, IDCANCEL);
  EXPECT_FALSE(WaitForNewPdf(before, 4000).has_value());
  EXPECT_FALSE(WaitForMessageBox(app.Program().Id(), 1000).has_value()) << "a message after cancelling";
  Exit(app);
}

}  // namespace
}  // namespace e2e
