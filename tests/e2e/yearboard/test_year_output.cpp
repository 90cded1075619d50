// The year on paper and in a picture: Print Year (Ctrl+P) through the Print dialog to the
// prefix's PDF printer, Save Year as Picture as PNG and BMP; every day comes out in the colour
// the year grid reports for it. Show All Categories of a Day: a day of two categories in two
// stripes, on screen and on paper, and the choice kept for the next start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "printouts.h"
#include "sheet_image.h"
#include "yearboard/sheet/sheet_layout.h"
#include "yearboard_app.h"

namespace e2e {
namespace {

using App = YearboardApp;

constexpr int kPageDpi = 150;
const yb::Color kBlue = yb::Rgb(0, 0, 255), kYellow = yb::Rgb(255, 255, 0), kMagenta = yb::Rgb(255, 0, 255);
const yb::Color kCyan = yb::Rgb(0, 255, 255), kGreen = yb::Rgb(0, 160, 0);

std::string ShortDateToday() {
  char text[64] = "";
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
  return text;
}

void SaveColor(const std::string& category, yb::Color color) {
  WriteRegistryString(HKEY_CURRENT_USER, kYearboardCategoriesKey, category, std::to_string(color));
}

// Print Year through the Print dialog's OK; the new PDF whose text holds `title`.
std::optional<std::pair<std::string, std::string>> PrintYear(App& app, const std::string& title,
                                                             const std::string& screenshot = "") {
  const auto before = PdfFiles();
  SetForegroundWindow(app.Main());
  app.Settle();
  PressWithControl('P');
  const bool confirmed = ConfirmPrintDialog(app.Program().Id(), screenshot);
  EXPECT_TRUE(confirmed) << "no Print dialog";
  if (!confirmed) return std::nullopt;
  return WaitForPdf(before, [&](const std::string& text) { return text.find(title) != std::string::npos; });
}

// The picture saved through the Save dialog at that (Windows) path.
void SavePicture(App& app, const std::string& path, const std::string& screenshot = "") {
  PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_SAVEPICTURE, 0);
  if (!screenshot.empty()) {
    ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(app.Program().Id()).has_value(); }, 10000));
    app.Settle();
    Screenshot(FindMessageBox(app.Program().Id())->window, screenshot);
  }
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Save Year as Picture", path, 10000)) << "no Save dialog";
  ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
  app.Settle();
}

// Every day of the grid against the middle of its cell on the page or picture.
void ExpectDaysAsOnScreen(const App& app, const Image& image, const std::string& what) {
  const auto grid = FindSheetGrid(image, Drawn(yb::kSheetLineColor));
  ASSERT_TRUE(grid.has_value()) << what << ": no grid of 12 x 37 cells found";
  int days = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int c = 1; c <= 37; ++c) {
      if (App::CellText(app.Planner(), m, c).empty()) continue;
      ++days;
      const COLORREF screen = Drawn(App::CellColor(app.Planner(), m, c));
      const COLORREF paper = image.At(grid->columns[c - 1].Middle(), grid->rows[m - 1].Middle());
      EXPECT_TRUE(Near(paper, screen)) << what << " month " << m << " column " << c << ": " << ColorText(paper)
                                       << ", on screen " << ColorText(screen);
    }
  }
  EXPECT_GE(days, 365);
}

class YearOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    SaveColor("Travel", kYellow);
    SaveColor("Work", kBlue);
    SaveColor("Birthday", kMagenta);
    SaveColor("Learning", kCyan);
    app.SetMasterList("Holiday;Travel;Work;Birthday;Learning;");
    app.Folder().CopyIn(std::string(STANDIN_SAMPLE_CALENDAR), "calendar.ics");
    app.Start();
  }
  void TearDown() override {
    if (app.Program().Running()) app.Close();
  }

  App app;
};

TEST_F(YearOutput, ThePrintedYearIsOneLandscapePageWithEveryDayInItsScreenColour) {
  const std::string title = std::to_string(CurrentYear()) + " - Calendar client";
  const auto printout = PrintYear(app, title, "yearboard_print_dialog");
  ASSERT_TRUE(printout.has_value()) << "no printout arrived in " << PdfFolderUnix() << " (scripts/cups-pdf.sh)";
  const std::string info = UnixOutput("/usr/bin/pdfinfo '" + PdfPath(printout->first) + "' > {out}");
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  const std::string& text = printout->second;
  for (const std::string& expected : {std::string("January"), std::string("December"), std::string("Mon"),
                                      std::string("Holiday"), std::string("Travel"), std::string("Work"),
                                      std::string("Birthday"), std::string("Learning"), std::string("No category"),
                                      "Printed " + ShortDateToday()})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " is not on the page:\n" << text;

  const auto page = RenderPdfPage(printout->first, kPageDpi, "yearboard_printout");
  ASSERT_TRUE(page.has_value()) << "pdftoppm gave no page";
  EXPECT_GT(page->width, page->height) << "landscape";
  ExpectDaysAsOnScreen(app, *page, "paper");
}

TEST_F(YearOutput, TheSavedPictureShowsEveryDayInItsScreenColourAsPngOrBmp) {
  const std::string folder = "/tmp/yb-picture-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(WindowsPath(folder).c_str(), nullptr);
  struct Case {
    const char* name;
    const char* signature;
  };
  for (const Case test : {Case{"year.png", "\x89PNG"}, Case{"year.bmp", "BM"}}) {
    const std::string unixPath = folder + "/" + test.name;
    DeleteFileA(WindowsPath(unixPath).c_str());  // Wine reuses process ids: a file of an earlier run
    SavePicture(app, WindowsPath(unixPath), std::string(test.name) == "year.png" ? "yearboard_save_picture" : "");
    std::ifstream in(WindowsPath(unixPath), std::ios::binary);
    std::string start(4, '\0');
    in.read(start.data(), 4);
    in.close();
    EXPECT_EQ(start.substr(0, std::string(test.signature).size()), test.signature) << test.name;
    const auto picture = DecodePicture(unixPath);
    ASSERT_TRUE(picture.has_value()) << test.name << " does not decode";
    EXPECT_EQ(picture->width, 1600);
    ExpectDaysAsOnScreen(app, *picture, test.name);
    if (std::string(test.name) == "year.png")
      RunUnix("/usr/bin/convert " + unixPath + " " + std::getenv("LT_SCREENSHOT_DIR") + "/yearboard_picture.png");
    DeleteFileA(WindowsPath(unixPath).c_str());
  }
  RemoveDirectoryA(WindowsPath(folder).c_str());
}

// The middle of the right-hand part of each band of a cell (the day number is on the left).
std::vector<COLORREF> Bands(const std::function<COLORREF(int, int)>& pixel, int left, int top, int right,
                            int bottom, int count) {
  std::vector<COLORREF> colors;
  const int x = left + (right - left) * 4 / 5;
  for (int i = 0; i < count; ++i) colors.push_back(pixel(x, top + (bottom - top) * (2 * i + 1) / (2 * count)));
  return colors;
}

// Whether a pixel in the text colour lies within a pixel of the middle of the band: the "+".
bool PlusInBand(const std::function<COLORREF(int, int)>& pixel, int left, int top, int right, int bottom,
                int band, int count) {
  const int x = (left + right) / 2, y = top + (bottom - top) * (2 * band + 1) / (2 * count);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Near(pixel(x + dx, y + dy), GetSysColor(COLOR_WINDOWTEXT), 40)) return true;
  return false;
}

TEST(DayStripes, ADayOfTwoCategoriesShowsBothOnScreenAndPaperAndTheChoiceIsKept) {
  const int y = CurrentYear();
  std::vector<Event> events{{Date(y, 5, 5), Date(y, 5, 6), "Holiday", "Holiday"},
                            {DateTime(y, 5, 5, 14), DateTime(y, 5, 5, 15), "Trip", "Travel"}};
  // 6 May: five categories, so three stripes and a "+".
  for (const char* category : {"Holiday", "Travel", "Work", "Birthday", "Learning"})
    events.push_back({DateTime(y, 5, 6, 9), DateTime(y, 5, 6, 10), category, category});
  std::vector<COLORREF> expected{Drawn(kGreen), Drawn(kYellow)};
  {
    App app;
    SaveColor("Holiday", kGreen);
    SaveColor("Travel", kYellow);
    app.WriteCalendar(events);
    app.Start();
    const int may5 = app.DayColumn(5, 5);
    EXPECT_TRUE(App::CellStripes(app.Planner(), 5, may5).empty()) << "off until chosen";
    PostMessageA(app.Main(), WM_SYSCOMMAND, IDM_ALLCATEGORIES, 0);
    ASSERT_TRUE(WaitUntil([&] { return App::CellStripes(app.Planner(), 5, may5).size() == 2; }));
    EXPECT_EQ(App::CellStripes(app.Planner(), 5, may5), (std::vector<yb::Color>{kGreen, kYellow}));
    app.Settle();
    RECT cell = App::CellRect(app.Planner(), 5, may5);
    MapWindowPoints(app.Planner(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
    HDC screen = GetDC(nullptr);
    const auto onScreen = Bands([&](int px, int py) { return GetPixel(screen, px, py); }, cell.left, cell.top,
                                cell.right - 1, cell.bottom - 1, 2);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < 2; ++i)
      EXPECT_TRUE(Near(onScreen[i], expected[i])) << "screen band " << i << ": " << ColorText(onScreen[i]);
    EXPECT_EQ(App::CellStripes(app.Planner(), 5, may5 + 1).size(), 5u);
    RECT more = App::CellRect(app.Planner(), 5, may5 + 1);
    MapWindowPoints(app.Planner(), nullptr, reinterpret_cast<POINT*>(&more), 2);
    screen = GetDC(nullptr);
    EXPECT_TRUE(PlusInBand([&](int px, int py) { return GetPixel(screen, px, py); }, more.left, more.top,
                           more.right - 1, more.bottom - 1, 3, 4))
        << "no + on screen";
    ReleaseDC(nullptr, screen);
    Screenshot(app.Main(), "yearboard_day_stripes");
    // A click still names the day's first appointment.
    App::ClickCell(app.Planner(), 5, may5);
    SYSTEMTIME may{static_cast<WORD>(y), 5, 0, 5, 0, 0, 0, 0};
    char day[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &may, nullptr, day, sizeof day);
    EXPECT_TRUE(WaitUntil([&] { return app.Status() == std::string(day) + " - Holiday"; })) << app.Status();
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, "Software\\Yearboard\\Planner", "ShowAllCategories")->AsString(), "1");

    const auto printout = PrintYear(app, std::to_string(y) + " - Calendar client");
    ASSERT_TRUE(printout.has_value()) << "no printout arrived";
    const auto page = RenderPdfPage(printout->first, kPageDpi, "yearboard_printout_stripes");
    ASSERT_TRUE(page.has_value());
    const auto grid = FindSheetGrid(*page, Drawn(yb::kSheetLineColor));
    ASSERT_TRUE(grid.has_value());
    const Span& column = grid->columns[may5 - 1];
    const Span& row = grid->rows[4];
    const auto onPaper = Bands([&](int px, int py) { return page->At(px, py); }, column.from, row.from, column.to,
                               row.to, 2);
    for (int i = 0; i < 2; ++i)
      EXPECT_TRUE(Near(onPaper[i], expected[i])) << "paper band " << i << ": " << ColorText(onPaper[i]);
    const Span& next = grid->columns[may5];
    EXPECT_TRUE(PlusInBand([&](int px, int py) { return page->At(px, py); }, next.from, row.from, next.to, row.to,
                           3, 4))
        << "no + on paper";
    app.Close();
  }
  App again(false);
  again.WriteCalendar(events);
  again.Start();
  EXPECT_EQ(App::CellStripes(again.Planner(), 5, again.DayColumn(5, 5)), (std::vector<yb::Color>{kGreen, kYellow}))
      << "the choice is kept";
  again.Close();
}

}  // namespace
}  // namespace e2e
