// The monthly summary: opened from the Edit menu and with Ctrl+M, its periods, the billing day
// and budget it stores (a bad day refused, a wrong-typed value read as none), following a delete
// and a logged session, Esc, and the over-budget warning given once a period.
#include <gtest/gtest.h>

#include <cstdio>

#include "preferences_driver.h"
#include "service_registry.h"

namespace e2e {
namespace {

std::string MonthName(int month) {
  char name[64] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + LCTYPE(month - 1), name, sizeof name);
  return name;
}

// A record line starting at the given day and time, as the log writes it (en-US separators).
std::string Line(int year, int month, int day, int hour, int seconds, const char* cost) {
  char text[128];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:00:00,%02d/%02d/%04d %02d:59:00,%d,Home,%s,", day, month, year,
                hour, day, month, year, hour, seconds, cost);
  return text;
}

HWND OpenSummaryFromTheMenu(LinetallyApp& app) {
  SetForegroundWindow(app.Main());
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  HWND edit = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (edit = OpenPopupMenu()) != nullptr; })) << "no Edit menu";
  Sleep(200);
  PostMessageA(edit, WM_CHAR, 's', 0);  // Monthly &Summary...
  HWND form = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    form = FindTopWindow(app.Program().Id(), "TfrmSummary");
    return form && Visible(form);
  })) << "Edit > Monthly Summary";
  Sleep(300);  // painted
  return form;
}

std::vector<std::vector<std::string>> SummaryRows(HWND form) {
  return ListViewRows(GetDlgItem(form, IDC_SUMMARYLIST), 4);
}

TEST(Summary, ListsThePeriodsAndKeepsTheBillingDayAndBudget) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  const int year = today.wYear, month = today.wMonth;
  const int lastYear = month == 1 ? year - 1 : year, lastMonth = month == 1 ? 12 : month - 1;
  LinetallyApp app;
  app.Folder().Write("Lnt.dat", Line(lastYear, lastMonth, 20, 9, 3600, "2") + "\r\n" +
                                    Line(year, month, 1, 10, 60, "1.5") + "\r\n" +
                                    Line(year, month, 1, 11, 30, "0.25") + "\r\n");
  WriteRegistryString(HKEY_CURRENT_USER, kLinetallyKey, "editBudget", "3");
  app.Start();
  HWND form = OpenSummaryFromTheMenu(app);
  ASSERT_TRUE(form);
  EXPECT_EQ(Text(form), "Monthly Summary");
  const std::string thisPeriod = MonthName(month) + " " + std::to_string(year);
  const std::string lastPeriod = MonthName(lastMonth) + " " + std::to_string(lastYear);
  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(SummaryRows(form), (Rows{{thisPeriod, "2", "000:01:30", "\xA3" "1.75"},
                                     {lastPeriod, "1", "001:00:00", "\xA3" "2.00"}}));
  EXPECT_EQ(Text(GetDlgItem(form, IDC_EDITBILLINGDAY)), "1");
  EXPECT_EQ(Text(GetDlgItem(form, IDC_EDITBUDGET)), "3");
  Screenshot(form, "monthly-summary");

  Retype(GetDlgItem(form, IDC_EDITBILLINGDAY), "31");
  Click(GetDlgItem(form, IDC_BTNAPPLY));
  auto refused = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(refused) << "a billing day of 31 is taken";
  EXPECT_EQ(refused->text, "\"Billing period starts on day\" must be a day from 1 to 28.");
  Answer(*refused, IDOK);
  EXPECT_FALSE(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBillingDay")) << "nothing stored";

  // From the 15th, the sessions of the 1st belong to the period that started last month.
  Retype(GetDlgItem(form, IDC_EDITBILLINGDAY), "15");
  Retype(GetDlgItem(form, IDC_EDITBUDGET), "\b");  // no budget
  Click(GetDlgItem(form, IDC_BTNAPPLY));
  ASSERT_TRUE(WaitUntil([&] { return ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBillingDay").has_value(); }));
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBillingDay")->AsString(), "15");
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBudget")->type, DWORD(REG_SZ));
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBudget")->AsString(), "");
  const std::vector<std::string> regrouped{lastPeriod, "3", "001:01:30", "\xA3" "3.75"};
  EXPECT_TRUE(WaitUntil([&] { return SummaryRows(form).back() == regrouped; }));

  // Deleting last month's session from the main window shows here at once.
  ListViewSelect(app.Control(IDC_LISTVIEW1), {0});
  PostCommand(app.Main(), IDM_DELETE1);
  auto question = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(question);
  Answer(*question, IDYES);
  const std::vector<std::string> afterDelete{lastPeriod, "2", "000:01:30", "\xA3" "1.75"};
  EXPECT_TRUE(WaitUntil([&] { return SummaryRows(form).back() == afterDelete; })) << "the summary follows a delete";

  PressKey(GetDlgItem(form, IDC_SUMMARYLIST), VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(form); })) << "Esc closes the summary";
}

TEST(Summary, ASessionOverTheBudgetIsToldOncePerPeriod) {
  LinetallyApp app;
  Service dial;
  dial.cost = "0.6";  // a cent a second
  WriteService("Dial-up", dial);
  WriteRegistryString(HKEY_CURRENT_USER, kLinetallyKey, "editBudget", "0.01");
  app.Start();
  SetForegroundWindow(app.Main());
  WaitUntil([&] { return GetForegroundWindow() == app.Main(); }, 3000);
  PressWithControl('M');
  HWND form = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return Visible(form = FindTopWindow(app.Program().Id(), "TfrmSummary")); }))
      << "Ctrl+M";
  SetForegroundWindow(app.Main());

  app.ShowDebugButton();
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(3); }));
  Click(app.Control(IDC_BUTTON1));
  auto warning = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(warning) << "no warning over the budget";
  const std::string cost = app.Rows().at(0).at(4);
  EXPECT_EQ(warning->text,
            "This period's calls have cost \xA3" + cost + ", over your budget of \xA3" "0.01.");
  Screenshot(nullptr, "monthly-summary-over-budget");
  Answer(*warning, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return SummaryRows(form).at(0).at(1) == "1"; })) << "the summary follows the log";

  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Label1() == "Debugging for " + DurationOf(2); }));
  Click(app.Control(IDC_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 2; }));
  Sleep(500);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "told once a period";
  EXPECT_EQ(SummaryRows(form).at(0).at(1), "2");
}

TEST(Summary, AWrongTypedBudgetReadsAsNoneWithOneMessage) {
  LinetallyApp app;
  WriteRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBudget", REG_DWORD, {10, 0, 0, 0});
  app.Start();
  auto box = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(box) << "the wrong type goes unsaid";
  EXPECT_EQ(box->text, "The stored monthly summary settings have unreadable values: Budget per period. The billing "
                       "periods start on day 1 and no budget is set.");
  Answer(*box, IDOK);
  HWND form = OpenSummaryFromTheMenu(app);
  ASSERT_TRUE(form);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "one message";
  EXPECT_EQ(Text(GetDlgItem(form, IDC_EDITBUDGET)), "");
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editBudget")->type, DWORD(REG_DWORD)) << "left as it was";
}

}  // namespace
}  // namespace e2e
