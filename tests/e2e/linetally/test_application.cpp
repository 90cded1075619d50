// The application preferences dialog: what OK writes (the five values and the start-up
// entry), what Cancel leaves alone, and a new currency symbol showing at once. Also the
// program's manifest: it runs as the invoking user, so nothing it writes is redirected.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "preferences_driver.h"

namespace e2e {
namespace {

// The user's Run key holds the entry; the machine-wide one only ever loses an old one.
constexpr const char* kUserRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kMachineRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

void RemoveRunEntries() {
  for (auto [root, path] : {std::pair{HKEY_CURRENT_USER, kUserRunKey}, std::pair{HKEY_LOCAL_MACHINE, kMachineRunKey}}) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) continue;
    RegDeleteValueA(key, "Linetally");
    RegCloseKey(key);
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveRunEntries();
    app.Start();
  }
  void TearDown() override { RemoveRunEntries(); }
  HWND Open() { return form = OpenDialog(app, IDM_APPLICATION1, "TfrmApplication"); }
  HWND C(int id) { return GetDlgItem(form, id); }
  void Confirm() {
    Click(C(IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !Visible(form); })) << "the dialog stays open";
  }
  std::vector<uint8_t> Flag(const char* name) {
    auto value = ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, name);
    EXPECT_TRUE(value) << name;
    EXPECT_EQ(value ? value->type : 0, DWORD(REG_DWORD)) << name;
    return value ? value->data : std::vector<uint8_t>{};
  }
  std::optional<RegistryValue> RunEntry() { return ReadRegistry(HKEY_CURRENT_USER, kUserRunKey, "Linetally"); }
  std::optional<RegistryValue> MachineEntry() {
    return ReadRegistry(HKEY_LOCAL_MACHINE, kMachineRunKey, "Linetally");
  }

  LinetallyApp app;
  HWND form = nullptr;
};

TEST_F(ApplicationTest, ShowsTheStoredPreferences) {
  Open();
  EXPECT_EQ(Text(form), "Application Preferences");
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 315);
  EXPECT_EQ(client.bottom, 311);
  EXPECT_FALSE(Checked(C(IDC_CHECKSTARTMIN)));
  EXPECT_FALSE(Checked(C(IDC_CHECKSTARTEVERY)));
  EXPECT_TRUE(Checked(C(IDC_CHECKCONFIRMDELETES)));
  EXPECT_FALSE(Checked(C(IDC_CHECKEXTRAINFO)));
  EXPECT_FALSE(Enabled(C(IDC_CHECKSTARTMIN)));
  EXPECT_FALSE(Enabled(C(IDC_CHECKEXTRAINFO)));
  EXPECT_EQ(Text(C(IDC_EDITCURRENCY)), "\xA3");
  Screenshot(form, "application-preferences");
}

TEST_F(ApplicationTest, OkWritesTheFiveValuesAndTheStartupEntry) {
  Open();
  Click(C(IDC_CHECKSTARTEVERY));
  Click(C(IDC_CHECKCONFIRMDELETES));
  Confirm();
  const std::vector<uint8_t> off{0, 0, 0, 0}, on{1, 0, 0, 0};
  EXPECT_EQ(Flag("checkStartMin"), off);
  EXPECT_EQ(Flag("checkStartEvery"), on);
  EXPECT_EQ(Flag("checkConfirmDeletes"), off);
  EXPECT_EQ(Flag("checkExtraInfo"), off);
  auto symbol = ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editCurrency");
  ASSERT_TRUE(symbol);
  EXPECT_EQ(symbol->type, DWORD(REG_SZ));
  EXPECT_EQ(symbol->AsString(), "\xA3");
  auto entry = RunEntry();
  ASSERT_TRUE(entry) << "no start-up entry";
  EXPECT_EQ(entry->type, DWORD(REG_SZ));
  EXPECT_EQ(entry->data.size(), app.ExePath().size()) << "the full path, no quotes, no NUL";
  EXPECT_EQ(Lower(entry->AsString()), Lower(app.ExePath()));
  EXPECT_FALSE(MachineEntry()) << "nothing written machine-wide";

  // An entry an earlier version left machine-wide goes too when the option is unticked.
  WriteRegistryString(HKEY_LOCAL_MACHINE, kMachineRunKey, "Linetally", "C:\\Old\\Linetally.exe");
  Open();
  EXPECT_TRUE(Checked(C(IDC_CHECKSTARTEVERY))) << "the dialog shows what was confirmed";
  Click(C(IDC_CHECKSTARTEVERY));
  Confirm();
  EXPECT_FALSE(RunEntry()) << "unticking removes the entry";
  EXPECT_FALSE(MachineEntry()) << "and the machine-wide one";
  EXPECT_EQ(Flag("checkStartEvery"), off);
}

TEST_F(ApplicationTest, NewSymbolShowsAtOnceInThePanelsAndTheTelecomLabels) {
  Open();
  Retype(C(IDC_EDITCURRENCY), "EUR$");
  EXPECT_EQ(Text(C(IDC_EDITCURRENCY)), "EUR") << "three characters at most";
  Confirm();
  EXPECT_EQ(app.Panel(1), "Current EUR0.000");
  EXPECT_EQ(app.Panel(2), "Total EUR0.000");
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editCurrency")->AsString(), "EUR");
  HWND options = OpenDialog(app, IDM_TELECOMSERVICES1, "TfrmOptions");
  EXPECT_EQ(Text(Find(options, IDC_LABEL6)), "EUR");
  EXPECT_EQ(Text(Find(options, IDC_LABEL7)), "EUR");
  EXPECT_EQ(Text(Find(options, IDC_LABEL8)), "EUR");
}

TEST_F(ApplicationTest, RefusedWritesAreReportedAndTheDialogStaysOpen) {
  Open();
  Click(C(IDC_CHECKCONFIRMDELETES));
  Retype(C(IDC_EDITCURRENCY), "$");
  DeleteRegistryTree(HKEY_CURRENT_USER, kLinetallyKey);
  Click(C(IDOK));
  auto error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Failed to set data for 'checkStartMin'");
  Answer(*error, IDOK);
  EXPECT_TRUE(Visible(form));
  // Nothing was written, so nothing took effect.
  Click(C(IDCANCEL));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  EXPECT_EQ(app.Panel(1), "Current \xA3" "0.000");
  Open();
  EXPECT_TRUE(Checked(C(IDC_CHECKCONFIRMDELETES)));
  EXPECT_EQ(Text(C(IDC_EDITCURRENCY)), "\xA3");

  // No machine-wide start-up list at all, as for a user without rights there: ticking works.
  WriteRegistry(HKEY_CURRENT_USER, kLinetallyKey, "checkStartEvery", REG_DWORD, {0, 0, 0, 0});
  DeleteRegistryTree(HKEY_LOCAL_MACHINE, kMachineRunKey);
  Click(C(IDC_CHECKSTARTEVERY));
  Retype(C(IDC_EDITCURRENCY), "$");
  Confirm();
  EXPECT_EQ(Flag("checkStartEvery"), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editCurrency")->AsString(), "$");
  EXPECT_TRUE(RunEntry());
}

// Ctrl+K and the Edit menu's Preferences submenu, pressed as the user presses them.
TEST_F(ApplicationTest, ShortcutAndMenuOpenTheDialogs) {
  SetForegroundWindow(app.Main());
  Sleep(200);
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_CONTROL, 'K', 'K', VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, keys, sizeof(INPUT));
  ASSERT_TRUE(WaitUntil([&] {
    form = FindTopWindow(app.Program().Id(), "TfrmApplication");
    return form && Visible(form);
  })) << "Ctrl+K";
  EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal: the main window waits";
  Click(C(IDCANCEL));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form) && IsWindowEnabled(app.Main()); }));

  auto openPopup = [&](size_t count) {
    std::vector<HWND> popups;
    WaitUntil([&] {
      popups.clear();
      for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
           menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
        if (IsWindowVisible(menu)) popups.push_back(menu);
      return popups.size() >= count;
    });
    Sleep(200);
    return popups.size() >= count ? popups.front() : nullptr;
  };
  SetForegroundWindow(app.Main());
  PostMessageA(app.Main(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  HWND edit = openPopup(1);
  ASSERT_TRUE(edit) << "no Edit menu";
  PostMessageA(edit, WM_CHAR, 'p', 0);
  HWND preferences = openPopup(2);
  ASSERT_TRUE(preferences) << "no Preferences submenu";
  PostMessageA(preferences, WM_CHAR, 't', 0);
  HWND options = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    options = FindTopWindow(app.Program().Id(), "TfrmOptions");
    return options && Visible(options);
  })) << "Edit > Preferences > Telecom Services";
  if (options) Click(Find(options, IDC_BTNCLOSE));
}

TEST_F(ApplicationTest, CancelChangesNothing) {
  Open();
  Click(C(IDC_CHECKSTARTEVERY));
  Click(C(IDC_CHECKCONFIRMDELETES));
  Retype(C(IDC_EDITCURRENCY), "$");
  Click(C(IDCANCEL));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(form); }));
  EXPECT_EQ(Flag("checkConfirmDeletes"), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editCurrency")->AsString(), "\xA3");
  EXPECT_FALSE(RunEntry());
  EXPECT_EQ(app.Panel(1), "Current \xA3" "0.000");
  Open();
  EXPECT_FALSE(Checked(C(IDC_CHECKSTARTEVERY))) << "abandoned edits leave no trace";
  EXPECT_TRUE(Checked(C(IDC_CHECKCONFIRMDELETES)));
  EXPECT_EQ(Text(C(IDC_EDITCURRENCY)), "\xA3");
}

// No common-controls dependency: with one, the controls would change their look.
TEST(Manifest, RunsAsTheInvokingUserWithTheClassicControls) {
  const std::string manifest = ManifestOf(std::string(E2E_BIN_DIR) + "/Linetally.exe");
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << manifest;
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

}  // namespace
}  // namespace e2e
