// Working the planner: clicks show an appointment, a double-click opens it in the calendar
// client, F5 reloads, the year buttons step, and the window snaps when resized.
#include <gtest/gtest.h>

#include "yearboard_app.h"

namespace e2e {
namespace {

using App = YearboardApp;

class Planner : public ::testing::Test {
 protected:
  void SetUp() override {
    year = CurrentYear();
    events = {
        {DateTime(year, 3, 12, 10), DateTime(year, 3, 12, 11), "Flight", "Travel"},
        {DateTime(year, 3, 12, 14), DateTime(year, 3, 12, 15), "Lunch", "Holiday"},
        {Date(year, 5, 5), Date(year, 5, 6), "Day off", "Holiday"},
        {DateTime(year + 1, 1, 6, 9), DateTime(year + 1, 1, 6, 10), "Next year's plan", "Travel"},
    };
    app.WriteCalendar(events);
    app.Start();
  }
  void TearDown() override {
    if (app.Program().Running()) app.Close();
  }
  std::string Prefix(int month, int day) const {
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
  }

  YearboardApp app;
  int year = 0;
  std::vector<Event> events;
};

TEST_F(Planner, ClickShowsTheEarliestAppointmentAndSelectsItsCategory) {
  HWND grid = app.Planner();
  App::ClickCell(grid, 3, app.DayColumn(3, 12));
  ASSERT_TRUE(WaitUntil([&] { return !app.Status().empty(); }));
  EXPECT_EQ(app.Status(), Prefix(3, 12) + " 10:00:00 AM - Flight");
  EXPECT_EQ(App::Current(app.Categories()).first, 2);
  app.Settle();
  Screenshot(app.Main(), "yearboard_clicked_day");
  // An all-day start shows no time.
  App::ClickCell(grid, 5, app.DayColumn(5, 5));
  ASSERT_TRUE(WaitUntil([&] { return app.Status() == Prefix(5, 5) + " - Day off"; }));
  EXPECT_EQ(App::Current(app.Categories()).first, 1);
  // An empty day clears the panel.
  App::ClickCell(grid, 5, app.DayColumn(5, 6));
  ASSERT_TRUE(WaitUntil([&] { return app.Status().empty(); }));
  // A header letter acts on January's cell of that column.
  App::ClickCell(grid, 0, 9);
  app.Settle();
  EXPECT_EQ(App::Current(grid), (std::pair<int, int>{1, 9}));
  App::ClickCell(grid, 7, 0);
  app.Settle();
  EXPECT_EQ(App::Current(grid), (std::pair<int, int>{7, 1}));
}

TEST_F(Planner, DoubleClickOpensOnlyTheFirstAppointment) {
  App::DoubleClickCell(app.Planner(), 3, app.DayColumn(3, 12));
  const std::string title = "Flight - Appointment";
  ASSERT_TRUE(WaitUntil([&] {
    return FindTopWindow(app.Program().Id(), "CalendarStandinAppointment", &title) != nullptr;
  }));
  Screenshot(FindTopWindow(app.Program().Id(), "CalendarStandinAppointment", &title), "yearboard_appointment");
  const std::string other = "Lunch - Appointment";
  EXPECT_EQ(FindTopWindow(app.Program().Id(), "CalendarStandinAppointment", &other), nullptr);
  // A double-click on a day without appointments opens nothing, not the day selected before.
  HWND flight = FindTopWindow(app.Program().Id(), "CalendarStandinAppointment", &title);
  PostMessageA(flight, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(flight); }));
  App::DoubleClickCell(app.Planner(), 4, app.DayColumn(4, 1));
  app.Settle();
  EXPECT_EQ(App::Current(app.Planner()).first, 4);
  EXPECT_EQ(FindTopWindow(app.Program().Id(), "CalendarStandinAppointment"), nullptr);
}

TEST_F(Planner, F5PicksUpAnAppointmentAddedMeanwhile) {
  HWND grid = app.Planner();
  const int col = app.DayColumn(8, 20);
  EXPECT_NE(App::CellColor(grid, 8, col), 65280u);
  events.push_back({DateTime(year, 8, 20, 9), DateTime(year, 8, 20, 10), "Added", "Holiday"});
  app.WriteCalendar(events);
  PressKey(grid, VK_F5);
  EXPECT_TRUE(WaitUntil([&] { return App::CellColor(grid, 8, col) == 65280u; }));
  EXPECT_EQ(app.Year(), std::to_string(year));
}

TEST_F(Planner, F5WithShiftCtrlOrAltDoesNotReload) {
  HWND grid = app.Planner();
  const int col = app.DayColumn(8, 20);
  events.push_back({DateTime(year, 8, 20, 9), DateTime(year, 8, 20, 10), "Added", "Holiday"});
  app.WriteCalendar(events);
  // Real keys, so the program's message loop sees the modifiers' state.
  SetForegroundWindow(app.Main());
  for (const WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    PressWithModifier(modifier, VK_F5);
    app.Settle();
    EXPECT_NE(App::CellColor(grid, 8, col), 65280u) << modifier;
  }
  PressWithModifier(0, VK_F5);
  EXPECT_TRUE(WaitUntil([&] { return App::CellColor(grid, 8, col) == 65280u; }));
}

TEST_F(Planner, YearButtonsStepFromTheCaption) {
  HWND grid = app.Planner();
  Click(app.BandControl(IDC_CMDUP));
  ASSERT_TRUE(WaitUntil([&] { return app.Year() == std::to_string(year + 1); }));
  app.Settle();
  // Next year's appointment is there, this year's are gone.
  EXPECT_EQ(App::CellColor(grid, 1, app.DayColumn(1, 6)), 65280u);
  EXPECT_NE(App::CellColor(grid, 3, app.DayColumn(3, 12)), 65280u);
  Click(app.BandControl(IDC_CMDDOWN));
  Click(app.BandControl(IDC_CMDDOWN));
  ASSERT_TRUE(WaitUntil([&] { return app.Year() == std::to_string(year - 1); }));
  app.Settle();
  EXPECT_EQ(App::CellText(grid, 1, 0), "January");
  EXPECT_NE(App::CellColor(grid, 5, app.DayColumn(5, 5)), 65280u);

  // The buttons stop at the first and the last year a calendar can be searched for.
  HWND up = app.BandControl(IDC_CMDUP), down = app.BandControl(IDC_CMDDOWN);
  SendMessageA(app.BandControl(IDC_LBLYEAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("9998"));
  Click(up);
  ASSERT_TRUE(WaitUntil([&] { return app.Year() == "9999" && !IsWindowEnabled(up); }, 10000));
  EXPECT_EQ(App::CellText(grid, 12, 0), "December");
  Click(up);
  app.Settle();
  EXPECT_EQ(app.Year(), "9999");
  EXPECT_TRUE(IsWindowEnabled(down));
  SendMessageA(app.BandControl(IDC_LBLYEAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1602"));
  Click(down);
  ASSERT_TRUE(WaitUntil([&] { return app.Year() == "1601" && !IsWindowEnabled(down); }, 10000));
  EXPECT_TRUE(IsWindowEnabled(up));
}

TEST_F(Planner, ResizingSnapsAndSetsTheScrollRules) {
  HWND main = app.Main();
  const auto size = [&] {
    RECT rect;
    GetWindowRect(main, &rect);
    return std::pair<int, int>{rect.right - rect.left, rect.bottom - rect.top};
  };
  const auto bars = [&] { return SendMessageA(app.Planner(), yb::kGridGetScrollBars, 0, 0) & 0xFF; };
  // The design size: every cell fits without a bar.
  EXPECT_EQ(size().first % 37, 0);
  EXPECT_EQ(size().second % 12, 0);
  SetWindowPos(main, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return size() == std::pair<int, int>{888, 492}; }));
  app.Settle();
  EXPECT_EQ(bars(), 0);
  EXPECT_EQ(SendMessageA(app.Planner(), yb::kGridGetFirstVisible, 0, 0),
            static_cast<LRESULT>(yb::PackCell(1, 1)));
  Screenshot(main, "yearboard_large");
  // Smaller than 6000 x 3000 twips: back to that, then cut to 37 and 12 pixel multiples.
  SetWindowPos(main, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return size() == std::pair<int, int>{370, 192}; }));
  app.Settle();
  EXPECT_EQ(bars(), 3);
  EXPECT_EQ(SendMessageA(app.Planner(), yb::kGridGetRowHeight, 1, 0), 240);
  Screenshot(main, "yearboard_small");
  // Maximised: no snapping, the window keeps the size the system gives it.
  ShowWindow(main, SW_MAXIMIZE);
  app.Settle();
  EXPECT_TRUE(IsZoomed(main));
  // The work area, with the window's frame just outside it.
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const std::pair<int, int> maximized{work.right - work.left + 2 * GetSystemMetrics(SM_CXFRAME),
                                      work.bottom - work.top + 2 * GetSystemMetrics(SM_CYFRAME)};
  ASSERT_TRUE(maximized.first % 37 != 0 || maximized.second % 12 != 0);
  EXPECT_EQ(size(), maximized);
}

}  // namespace
}  // namespace e2e
