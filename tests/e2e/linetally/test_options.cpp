// The telecom preferences dialog as a user works it: typing into its edits, ticking boxes,
// saving, overwriting and deleting services, and leaving by Close or by the close box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "preferences_driver.h"
#include "service_registry.h"

namespace e2e {
namespace {

// The registry keeps strings as UTF-16; its size tells whether a NUL was stored with them.
size_t StoredStringBytes(const std::string& service, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, ServiceKey(service).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 0;
  std::wstring wide(name, name + strlen(name));
  DWORD size = 0;
  RegQueryValueExW(key, wide.c_str(), nullptr, nullptr, nullptr, &size);
  RegCloseKey(key);
  return size;
}

class OptionsTest : public ::testing::Test {
 protected:
  HWND Open() {
    form = OpenDialog(app, IDM_TELECOMSERVICES1, "TfrmOptions");
    return form;
  }
  HWND C(int id) { return Find(form, id); }
  std::optional<RegistryValue> Value(const std::string& service, const char* name) {
    return ReadRegistry(HKEY_CURRENT_USER, ServiceKey(service), name);
  }
  void Save(const std::string& name) {
    Click(C(IDC_BTNSAVEAS));
    AnswerSaveBox(app, name);
  }
  // The click gives the field the focus, as the user's does.
  static void FocusByClick(HWND edit) {
    PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Sleep(200);
  }
  static HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
  }
  void ShowTimes() {
    // The tab control answers TCM_SETCURFOCUS like a click on the tab.
    PostMessageA(C(IDC_PAGECONTROL1), TCM_SETCURFOCUS, 1, 0);
    ASSERT_TRUE(WaitUntil([&] { return Visible(GetDlgItem(form, IDC_TABSHEET2)); }));
    Sleep(300);  // let the page paint before a screenshot
  }

  LinetallyApp app;
  HWND form = nullptr;
};

TEST_F(OptionsTest, FirstShowingWithNoService) {
  app.Start();
  Open();
  EXPECT_EQ(Text(form), "Telecom Preferences");
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 435);
  EXPECT_EQ(client.bottom, 352);
  EXPECT_EQ(SendMessageA(C(IDC_COMBOBOX1), CB_GETCOUNT, 0, 0), 0);
  EXPECT_FALSE(Enabled(C(IDC_BTNDELETE)));
  for (int id : {IDC_EDITCOST, IDC_EDITMINCHARGE, IDC_EDITCONNCHARGE, IDC_EDITDISCOUNT})
    EXPECT_EQ(Text(C(id)), "0.000") << id;
  EXPECT_TRUE(Enabled(C(IDC_EDITCOST)));
  for (int id : {IDC_EDITMINCHARGE, IDC_EDITCONNCHARGE, IDC_EDITDISCOUNT}) EXPECT_FALSE(Enabled(C(id)));
  for (int id : {IDC_CHECKMINCHARGE, IDC_CHECKCONNCHARGE, IDC_CHECKDISCOUNT, IDC_CHECKMON, IDC_CHECKSUN})
    EXPECT_FALSE(Checked(C(id)));
  EXPECT_EQ(Text(C(IDC_LABEL6)), "\xA3");
  EXPECT_EQ(Text(C(IDC_LABEL8)), "\xA3");
  EXPECT_EQ(Text(C(IDC_EDITAFTER)), "__:__");
  EXPECT_EQ(Text(C(IDC_EDITBEFORE)), "__:__");
  EXPECT_TRUE(Visible(GetDlgItem(form, IDC_TABSHEET1))) << "Prices comes first";
  Screenshot(form, "telecom-preferences-prices");
  ShowTimes();
  Screenshot(form, "telecom-preferences-times");
  PostMessageA(form, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  Open();
  EXPECT_TRUE(Visible(GetDlgItem(form, IDC_TABSHEET2))) << "the page left last shows again";
  EXPECT_FALSE(Visible(GetDlgItem(form, IDC_TABSHEET1)));
}

TEST_F(OptionsTest, SavingWritesAllSixteenValuesWithTheirTypes) {
  app.Start();
  Open();
  Retype(C(IDC_EDITCOST), "0.05");
  Click(C(IDC_CHECKMINCHARGE));
  ASSERT_TRUE(WaitUntil([&] { return Enabled(C(IDC_EDITMINCHARGE)); }));
  Retype(C(IDC_EDITMINCHARGE), "0.1");
  Click(C(IDC_CHECKDISCOUNT));
  Click(C(IDC_CHECKDISCOUNT));  // off again: the text still goes with the service
  Retype(C(IDC_EDITCONNCHARGE), "9");
  ShowTimes();
  Click(C(IDC_CHECKMON));
  Click(C(IDC_CHECKSAT));
  Retype(C(IDC_EDITAFTER), "1800");
  Retype(C(IDC_EDITBEFORE), "0800");
  EXPECT_EQ(Text(C(IDC_EDITAFTER)), "18:00");
  Screenshot(form, "telecom-preferences-filled");
  Save("Night");

  ASSERT_TRUE(WaitUntil([&] { return Value("Night", "editBefore").has_value(); }));
  auto check = [&](const char* name, DWORD type, const std::vector<uint8_t>& bytes) {
    auto value = Value("Night", name);
    ASSERT_TRUE(value) << name;
    EXPECT_EQ(value->type, type) << name;
    EXPECT_EQ(value->data, bytes) << name;
  };
  auto text = [&](const char* name, const std::string& expected) {
    auto value = Value("Night", name);
    ASSERT_TRUE(value) << name;
    EXPECT_EQ(value->type, REG_SZ) << name;
    EXPECT_EQ(value->AsString(), expected) << name;
    EXPECT_EQ(StoredStringBytes("Night", name), 2 * expected.size()) << name << ": no NUL stored";
  };
  text("editCost", "0.05");
  check("checkMinCharge", REG_DWORD, Dword(true));
  text("editMinCharge", "0.1");
  check("checkDiscount", REG_DWORD, Dword(false));
  text("editDiscount", "0.000");
  check("checkConnCharge", REG_DWORD, Dword(false));
  text("editConnCharge", "9");
  for (const char* day : {"checkMon", "checkSat"}) check(day, REG_DWORD, Dword(true));
  for (const char* day : {"checkTue", "checkWed", "checkThu", "checkFri", "checkSun"})
    check(day, REG_DWORD, Dword(false));
  check("editAfter", REG_BINARY, {0, 0, 0, 0, 0, 0, 0xE8, 0x3F});
  check("editBefore", REG_BINARY, {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xD5, 0x3F});
  EXPECT_EQ(Text(C(IDC_COMBOBOX1)), "Night");
  EXPECT_TRUE(Enabled(C(IDC_BTNDELETE)));
}

TEST_F(OptionsTest, ConnectionsAreSavedEachOnceAndANameNoConnectionCanHaveIsRefused) {
  app.Start();
  Open();
  ShowTimes();
  Retype(C(IDC_EDITAFTER), "0000");
  Retype(C(IDC_EDITBEFORE), "0000");
  Retype(C(IDC_EDITCONNECTIONS), " Office link; home ;HOME");
  Screenshot(form, "telecom-preferences-connections");
  Save("Office");
  ASSERT_TRUE(WaitUntil([&] { return Value("Office", "editConnections").has_value(); }));
  EXPECT_EQ(Value("Office", "editConnections")->type, REG_SZ);
  EXPECT_EQ(Value("Office", "editConnections")->AsString(), "Office link;home");
  EXPECT_EQ(Text(C(IDC_EDITCONNECTIONS)), "Office link;home") << "the edit shows what was stored";

  Retype(C(IDC_EDITCONNECTIONS), "Office link;ISDN/2");
  Save("Office");
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  Answer(*ask, IDYES);  // overwrite
  auto error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text.rfind("Connections: the name \"ISDN/2\" holds \"/\"", 0), 0u) << error->text;
  Screenshot(error->window, "telecom-preferences-connections-refused");
  Answer(*error, IDOK);
  Sleep(300);
  EXPECT_EQ(Value("Office", "editConnections")->AsString(), "Office link;home") << "nothing written";
  EXPECT_EQ(Text(C(IDC_EDITCONNECTIONS)), "Office link;ISDN/2") << "kept for the user to correct";
}

TEST_F(OptionsTest, AmountEditsTakeDigitsAndOnePoint) {
  app.Start();
  Open();
  Retype(C(IDC_EDITCOST), "1.2.5,3x-");
  EXPECT_EQ(Text(C(IDC_EDITCOST)), "1.253");
  Retype(C(IDC_EDITCOST), "123456789");
  EXPECT_EQ(Text(C(IDC_EDITCOST)), "1234567") << "seven characters at most";
}

TEST_F(OptionsTest, IllegalCharactersAreRefusedAndTheNameOfferedAgain) {
  app.Start();
  Open();
  ShowTimes();
  Retype(C(IDC_EDITAFTER), "0000");
  Retype(C(IDC_EDITBEFORE), "0000");
  Click(C(IDC_BTNSAVEAS));
  AnswerSaveBox(app, "a/b");
  auto error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Service contains an illegal character ( / )");
  Answer(*error, IDOK);
  auto again = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->title, "Save");
  EXPECT_EQ(Text(GetDlgItem(again->window, IDC_INPUTEDIT)), "a/b");
  Retype(GetDlgItem(again->window, IDC_INPUTEDIT), "Tom & Jerry");
  Answer(*again, IDOK);
  error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Service contains an illegal character ( & )");
  Screenshot(error->window, "telecom-preferences-ampersand");
  Answer(*error, IDOK);
  again = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(again);
  Retype(GetDlgItem(again->window, IDC_INPUTEDIT), "   ");
  Answer(*again, IDOK);
  error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Please enter a name for the service.");
  Answer(*error, IDOK);
  again = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(again);
  Answer(*again, IDCANCEL);
  Sleep(300);
  EXPECT_TRUE(ServiceKeys().empty()) << "nothing saved";
}

TEST_F(OptionsTest, OverwriteAsksWhateverTheLetterCase) {
  WriteService("Night", Service{.cost = "0.02"});
  app.Start();
  Open();
  EXPECT_EQ(Text(C(IDC_EDITCOST)), "0.02") << "FormShow reads the first service";
  EXPECT_EQ(Text(C(IDC_EDITAFTER)), "00:00");
  Retype(C(IDC_EDITCOST), "0.07");
  Save("NIGHT");
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "Service exists. Overwrite?");
  Answer(*ask, IDNO);
  Sleep(300);
  EXPECT_EQ(Value("Night", "editCost")->AsString(), "0.02");

  Save("NIGHT");
  ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  Answer(*ask, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return Value("Night", "editCost")->AsString() == "0.07"; }));
  EXPECT_EQ(ServiceKeys(), std::vector<std::string>{"Night"}) << "the stored name keeps its case";
  EXPECT_EQ(Text(C(IDC_COMBOBOX1)), "Night");
}

TEST_F(OptionsTest, IncompleteOrMissingValuesAreRefusedBeforeAnyWrite) {
  app.Start();
  Open();
  ShowTimes();
  Retype(C(IDC_EDITAFTER), "0800");
  Save("Broken");
  auto error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "'  :  :00' is not a valid time");
  Answer(*error, IDOK);
  Retype(C(IDC_EDITBEFORE), "1800");
  Retype(C(IDC_EDITCOST), "");
  PostMessageA(C(IDC_EDITCOST), WM_CHAR, '\b', 0);
  Save("Broken");
  error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Please enter an amount for \"Cost per minute\".");
  Answer(*error, IDOK);
  Sleep(300);
  EXPECT_TRUE(ServiceKeys().empty());
}

TEST_F(OptionsTest, AnIncompleteTimeIsRefusedOnlyForAnotherPlaceInTheDialog) {
  app.Start();
  Open();
  ShowTimes();
  HWND after = C(IDC_EDITAFTER);
  FocusByClick(after);
  TypeChars(after, "1");
  ASSERT_TRUE(WaitUntil([&] { return Text(after) == "1_:__"; })) << Text(after);

  // The user switches to another program and back: the edit simply goes on.
  HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
  Sleep(400);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "refused on leaving for another program";
  DestroyWindow(other);
  SetForegroundWindow(form);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(form) == after; })) << "the field does not get the focus back";

  // The "Prices" tab would hide the field: refused, the page stays.
  ClickAt(C(IDC_PAGECONTROL1), 20, 10);
  auto refusal = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "Invalid input value.  Use escape key to abandon changes");
  Answer(*refusal, IDOK);
  Sleep(200);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "one refusal is enough";
  EXPECT_TRUE(Visible(GetDlgItem(form, IDC_TABSHEET2)));
  EXPECT_FALSE(Visible(GetDlgItem(form, IDC_TABSHEET1)));

  Click(C(IDC_CHECKMON));  // another control of the dialog
  refusal = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(refusal);
  Answer(*refusal, IDOK);
  Sleep(200);
  PressKey(after, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return Text(after) == "__:__"; })) << Text(after);
  EXPECT_TRUE(Visible(form)) << "Escape abandons the edit, not the dialog";
}

TEST_F(OptionsTest, AnAcceptedTimeStaysAndWhatTheFieldShowsIsSaved) {
  app.Start();
  Open();
  ShowTimes();
  HWND after = C(IDC_EDITAFTER), before = C(IDC_EDITBEFORE);
  FocusByClick(after);
  TypeChars(after, "0800");
  ASSERT_TRUE(WaitUntil([&] { return Text(after) == "08:00"; })) << Text(after);
  Click(C(IDC_CHECKMON));  // complete: accepted without a word
  Sleep(300);
  EXPECT_FALSE(FindMessageBox(app.Program().Id()));
  FocusByClick(after);
  PressKey(after, VK_ESCAPE);
  Sleep(300);
  EXPECT_EQ(Text(after), "08:00") << "Escape undid an accepted edit";

  SendMessageA(before, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("18:30"));
  EXPECT_EQ(Text(before), "18:30");
  Save("Evening");
  ASSERT_TRUE(WaitUntil([&] { return Value("Evening", "editBefore").has_value(); }))
      << (FindMessageBox(app.Program().Id()) ? FindMessageBox(app.Program().Id())->text : "");
  EXPECT_EQ(Value("Evening", "editBefore")->data, TimeBytes(18.5 / 24));
  EXPECT_EQ(Value("Evening", "editAfter")->data, TimeBytes(1.0 / 3));
}

// A service whose saving was cut short: it prices nothing, yet the dialog shows it, says what
// it lacks, and a save makes it whole again.
TEST_F(OptionsTest, AServiceWithoutItsStartTimeOpensNamesItAndASaveRepairsIt) {
  WriteService("Broken", Service{.cost = "0.6", .minCharge = "0.10"});
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ServiceKey("Broken").c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueA(key, "editAfter");
  RegCloseKey(key);
  app.Start();
  auto told = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(told) << "the start-up says nothing";
  Answer(*told, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "No call cost defined"; })) << app.Label2();

  PostCommand(app.Main(), IDM_TELECOMSERVICES1);
  auto named = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(named) << "the dialog says nothing";
  EXPECT_EQ(named->title, "Linetally");
  EXPECT_EQ(named->text, "The stored service 'Broken' has unreadable values: Valid after. Save to repair, or Delete.");
  form = FindTopWindow(app.Program().Id(), "TfrmOptions");
  ASSERT_TRUE(form && Visible(form)) << "the dialog is not open behind the message";
  Screenshot(nullptr, "telecom-preferences-unreadable-service");
  Answer(*named, IDOK);
  Sleep(300);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "named once";
  EXPECT_EQ(Text(C(IDC_COMBOBOX1)), "Broken");
  EXPECT_EQ(Text(C(IDC_EDITCOST)), "0.6") << "what reads is shown";
  EXPECT_EQ(Text(C(IDC_EDITAFTER)), "__:__") << "the empty time";
  EXPECT_EQ(Text(C(IDC_EDITBEFORE)), "00:00");
  EXPECT_TRUE(Checked(C(IDC_CHECKSUN)));

  ShowTimes();
  Screenshot(form, "telecom-preferences-unreadable-times");
  Retype(C(IDC_EDITAFTER), "0000");
  Save("Broken");
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "Service exists. Overwrite?");
  Answer(*ask, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return Value("Broken", "editAfter").has_value(); }));
  const struct {
    const char* name;
    DWORD type;
    std::vector<uint8_t> data;
  } whole[] = {
      {"editCost", REG_SZ, TextBytes("0.6")},         {"checkMinCharge", REG_DWORD, Dword(false)},
      {"editMinCharge", REG_SZ, TextBytes("0.10")},   {"checkDiscount", REG_DWORD, Dword(false)},
      {"editDiscount", REG_SZ, TextBytes("0.000")},   {"checkConnCharge", REG_DWORD, Dword(false)},
      {"editConnCharge", REG_SZ, TextBytes("0.000")}, {"checkMon", REG_DWORD, Dword(true)},
      {"checkTue", REG_DWORD, Dword(true)},           {"checkWed", REG_DWORD, Dword(true)},
      {"checkThu", REG_DWORD, Dword(true)},           {"checkFri", REG_DWORD, Dword(true)},
      {"checkSat", REG_DWORD, Dword(true)},           {"checkSun", REG_DWORD, Dword(true)},
      {"editAfter", REG_BINARY, TimeBytes(0)},        {"editBefore", REG_BINARY, TimeBytes(0)},
  };
  for (const auto& value : whole) {
    const auto stored = Value("Broken", value.name);
    ASSERT_TRUE(stored) << value.name;
    EXPECT_EQ(stored->type, value.type) << value.name;
    EXPECT_EQ(stored->type == REG_SZ ? TextBytes(stored->AsString()) : stored->data, value.data) << value.name;
  }

  Click(C(IDC_BTNCLOSE));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.6000 per min"; })) << app.Label2();
  app.RunDebugSession(3);
  const auto [cost, seconds] = LoggedCost(app);
  EXPECT_GE(seconds, 3);
  EXPECT_EQ(cost, 100 * seconds) << "a cent a second by the repaired service";
}

TEST_F(OptionsTest, AServiceWithAnUnreadableValueCanBeDeleted) {
  WriteService("Anytime", Service{.cost = "0.02"});
  WriteService("Broken", Service{});
  WriteRegistryString(HKEY_CURRENT_USER, ServiceKey("Broken"), "checkMon", "yes");
  app.Start();
  auto told = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(told);
  Answer(*told, IDOK);
  Open();
  EXPECT_EQ(Text(C(IDC_COMBOBOX1)), "Anytime");
  SendMessageA(C(IDC_COMBOBOX1), CB_SETCURSEL, 1, 0);
  PostMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_COMBOBOX1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(C(IDC_COMBOBOX1)));
  auto named = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(named);
  EXPECT_EQ(named->text, "The stored service 'Broken' has unreadable values: Mon. Save to repair, or Delete.");
  Answer(*named, IDOK);
  EXPECT_FALSE(Checked(C(IDC_CHECKMON)));
  Click(C(IDC_BTNDELETE));
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  Answer(*ask, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return ServiceKeys() == std::vector<std::string>{"Anytime"}; }));
  Click(C(IDC_BTNCLOSE));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  Sleep(500);
  EXPECT_FALSE(FindMessageBox(app.Program().Id())) << "the reload says nothing more";
  EXPECT_EQ(app.Label2(), "Calls will cost 0.0200 per min");
}

TEST_F(OptionsTest, DeletingTheLastServiceKeepsItsValuesShown) {
  WriteService("Only", Service{.cost = "0.03"});
  app.Start();
  Open();
  ASSERT_TRUE(Enabled(C(IDC_BTNDELETE)));
  Click(C(IDC_BTNDELETE));
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "Are you sure you want to delete this service?");
  Answer(*ask, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return ServiceKeys().empty(); }));
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(C(IDC_BTNDELETE)); }));
  EXPECT_EQ(SendMessageA(C(IDC_COMBOBOX1), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Text(C(IDC_EDITCOST)), "0.03");
}

TEST_F(OptionsTest, CloseReloadsTheServicesButTheCloseBoxDoesNot) {
  WriteService("Anytime", Service{.cost = "0.06"});
  app.Start();
  ASSERT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.0600 per min"; }));
  Open();
  Retype(C(IDC_EDITCOST), "0.09");
  Save("Anytime");
  auto ask = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(ask);
  Answer(*ask, IDYES);
  ASSERT_TRUE(WaitUntil([&] { return Value("Anytime", "editCost")->AsString() == "0.09"; }));
  PostMessageA(form, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  Sleep(600);
  EXPECT_EQ(app.Label2(), "Calls will cost 0.0600 per min");

  Open();
  Click(C(IDC_BTNCLOSE));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  EXPECT_TRUE(WaitUntil([&] { return app.Label2() == "Calls will cost 0.0900 per min"; }))
      << app.Label2();
}

}  // namespace
}  // namespace e2e
