#include <gtest/gtest.h>

#include <memory>

#include "linetally/base/preferences.h"
#include "linetally/base/registry_memory.h"
#include "linetally/base/startup_entry.h"

namespace lt {
namespace {

class PreferencesTest : public ::testing::Test {
 protected:
  PreferencesTest() { registry.OpenKey(kProgramKey, true); }
  MemoryRegistry registry{std::make_shared<MemoryHives>()};
};

TEST_F(PreferencesTest, FirstStartWritesTheFiveDefaultsWithTheirTypes) {
  WriteMissingPreferenceDefaults(registry);
  const Preferences p = ReadPreferences(registry);
  EXPECT_FALSE(p.startMinimised);
  EXPECT_FALSE(p.startEvery);
  EXPECT_TRUE(p.confirmDeletes);
  EXPECT_FALSE(p.extraInfo);
  EXPECT_EQ(p.currency, "\xA3");
  EXPECT_TRUE(registry.ReadBool("checkConfirmDeletes"));
}

TEST_F(PreferencesTest, ExistingValuesAreKeptEvenAnEmptySymbol) {
  registry.WriteString("editCurrency", "");
  registry.WriteBool("checkConfirmDeletes", false);
  WriteMissingPreferenceDefaults(registry);
  const Preferences p = ReadPreferences(registry);
  EXPECT_EQ(p.currency, "");
  EXPECT_FALSE(p.confirmDeletes);
}

TEST_F(PreferencesTest, AWrongTypeIsReportedByName) {
  registry.WriteString("checkStartEvery", "yes");
  WriteMissingPreferenceDefaults(registry);
  try {
    ReadPreferences(registry);
    FAIL() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'checkStartEvery'");
  }
}

TEST_F(PreferencesTest, WriteThenReadRoundTrips) {
  Preferences p;
  p.startEvery = true;
  p.confirmDeletes = false;
  p.currency = "EUR";
  WritePreferences(registry, p);
  const Preferences back = ReadPreferences(registry);
  EXPECT_TRUE(back.startEvery);
  EXPECT_FALSE(back.confirmDeletes);
  EXPECT_EQ(back.currency, "EUR");
}

// The user's Run key is written; unticking clears both keys, the machine-wide one only where
// the program may; the object ends on the user's hive whatever happened.
TEST(StartupEntryTest, LivesInTheUsersRunKeyAndUntickingClearsBoth) {
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string path = "C:\\Programs\\Linetally.exe";
  for (bool machineReadOnly : {false, true}) {
    SCOPED_TRACE(machineReadOnly ? "machine-wide key read-only" : "machine-wide key writable");
    auto hives = std::make_shared<MemoryHives>();
    MemoryRegistry registry(hives);
    hives->SetRaw(RootKey::LocalMachine, run, "Linetally", kRegSz, {'o', 'l', 'd'});
    hives->SetRaw(RootKey::LocalMachine, run, "Other", kRegSz, {'x'});
    hives->SetReadOnly(RootKey::LocalMachine, machineReadOnly);

    UpdateStartupEntry(registry, true, path);
    auto entry = hives->GetRaw(RootKey::CurrentUser, run, "Linetally");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, kRegSz);
    EXPECT_EQ(entry->data, std::vector<uint8_t>(path.begin(), path.end()));
    EXPECT_EQ(registry.GetRootKey(), RootKey::CurrentUser);

    UpdateStartupEntry(registry, false, path);
    EXPECT_FALSE(hives->GetRaw(RootKey::CurrentUser, run, "Linetally"));
    EXPECT_EQ(bool(hives->GetRaw(RootKey::LocalMachine, run, "Linetally")), machineReadOnly);
    EXPECT_TRUE(hives->GetRaw(RootKey::LocalMachine, run, "Other"));
    EXPECT_EQ(registry.GetRootKey(), RootKey::CurrentUser);
    UpdateStartupEntry(registry, false, path);  // nothing left to remove
  }
}

TEST(StartupEntryTest, ARefusedUserWriteIsReportedByName) {
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry(hives);
  hives->SetReadOnly(RootKey::CurrentUser, true);
  try {
    UpdateStartupEntry(registry, true, "C:\\Linetally.exe");
    FAIL() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'Linetally'");
  }
  EXPECT_EQ(registry.GetRootKey(), RootKey::CurrentUser);
  EXPECT_FALSE(registry.HasCurrentKey());
}

}  // namespace
}  // namespace lt
