// The application preferences dialog: what OK writes (the five values and the start-up
// entry), what Cancel leaves alone, and a new currency symbol showing at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "preferences_driver.h"

namespace e2e {
namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

void RemoveRunEntry() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, "Linetally");
  RegCloseKey(key);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveRunEntry();
    app.Start();
  }
  void TearDown() override { RemoveRunEntry(); }
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
  std::optional<RegistryValue> RunEntry() { return ReadRegistry(HKEY_LOCAL_MACHINE, kRunKey, "Linetally"); }

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
  EXPECT_EQ(Lower(entry->AsString()), Lower(app.ExePath())) << "the full path, no quotes";

  Open();
  EXPECT_TRUE(Checked(C(IDC_CHECKSTARTEVERY))) << "the dialog shows what was confirmed";
  Click(C(IDC_CHECKSTARTEVERY));
  Confirm();
  EXPECT_FALSE(RunEntry()) << "unticking removes the entry";
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
  DeleteRegistryTree(HKEY_CURRENT_USER, kLinetallyKey);
  Click(C(IDOK));
  auto error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Failed to set data for 'checkStartMin'");
  Answer(*error, IDOK);
  EXPECT_TRUE(Visible(form));

  // No machine-wide start-up list to write to: the user's values still stand.
  WriteRegistry(HKEY_CURRENT_USER, kLinetallyKey, "checkStartEvery", REG_DWORD, {0, 0, 0, 0});
  DeleteRegistryTree(HKEY_LOCAL_MACHINE, kRunKey);
  Click(C(IDC_CHECKSTARTEVERY));
  Click(C(IDOK));
  error = WaitForMessageBox(app.Program().Id());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, "Failed to set data for 'Linetally'");
  Answer(*error, IDOK);
  EXPECT_TRUE(Visible(form));
  EXPECT_EQ(Flag("checkStartEvery"), (std::vector<uint8_t>{1, 0, 0, 0}));

  // Back on the user's hive after the failure: the next OK works.
  WriteRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "Other", "x");
  Retype(C(IDC_EDITCURRENCY), "$");
  Confirm();
  EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, kLinetallyKey, "editCurrency")->AsString(), "$");
  EXPECT_TRUE(RunEntry());
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

}  // namespace
}  // namespace e2e
