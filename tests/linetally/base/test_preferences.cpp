#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "linetally/base/preferences.h"
#include "linetally/base/registry_memory.h"
#include "linetally/base/startup_entry.h"

namespace lt {
namespace {

class PreferencesTest : public ::testing::Test {
 protected:
  PreferencesTest() { registry.OpenKey(kProgramKey, true); }
  std::shared_ptr<MemoryHives> hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry{hives};
  std::vector<std::string> messages;
  std::function<void(const std::string&)> told = [this](const std::string& text) { messages.push_back(text); };
};

TEST_F(PreferencesTest, FirstStartWritesTheFiveDefaultsWithTheirTypes) {
  WriteMissingPreferenceDefaults(registry);
  const Preferences p = ReadPreferences(registry, told);
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
  const Preferences p = ReadPreferences(registry, told);
  EXPECT_EQ(p.currency, "");
  EXPECT_FALSE(p.confirmDeletes);
}

TEST_F(PreferencesTest, StartUpReadsThreeValuesAndNamesTheOnesThatDoNotReadKeepingTheirDefaults) {
  // Start minimised and the note flag stay off unread, whatever is stored there.
  registry.WriteString("checkStartMin", "yes");
  registry.WriteBool("checkExtraInfo", true);
  registry.WriteBool("checkConfirmDeletes", false);
  WriteMissingPreferenceDefaults(registry);
  Preferences p = ReadPreferences(registry, told);
  EXPECT_FALSE(p.startMinimised);
  EXPECT_FALSE(p.extraInfo);
  EXPECT_TRUE(messages.empty());

  registry.WriteString("checkStartEvery", "yes");
  hives->SetRaw(RootKey::CurrentUser, std::string(kProgramKey).substr(1), "editCurrency", kRegDword, {36, 0, 0, 0});
  p = ReadPreferences(registry, told);
  EXPECT_FALSE(p.startEvery);
  EXPECT_FALSE(p.confirmDeletes) << "read as stored";
  EXPECT_EQ(p.currency, "\xA3");
  EXPECT_EQ(messages, std::vector<std::string>{
                          "The stored application preferences have unreadable values: Every time you start Windows, "
                          "Currency symbol. Their defaults are used until you confirm Application Preferences."});
  EXPECT_EQ(registry.ReadString("checkStartEvery"), "yes") << "nothing written";
}

// Refuses to write one value, as a key the user may not change would.
class RefusingRegistry : public MemoryRegistry {
 public:
  RefusingRegistry(std::shared_ptr<MemoryHives> hives, std::string refused)
      : MemoryRegistry(std::move(hives)), refused(std::move(refused)) {}

 protected:
  bool PlatformSet(const std::string& name, uint32_t type, const std::vector<uint8_t>& data) override {
    return name != refused && MemoryRegistry::PlatformSet(name, type, data);
  }

 private:
  std::string refused;
};

TEST_F(PreferencesTest, OnlyWrittenValuesTakeEffect) {
  Preferences wanted;
  wanted.startEvery = true;
  wanted.confirmDeletes = false;
  wanted.currency = "EUR";
  Preferences inForce;
  WritePreferences(registry, wanted, inForce);
  EXPECT_TRUE(inForce.startEvery);
  EXPECT_FALSE(inForce.confirmDeletes);
  EXPECT_EQ(inForce.currency, "EUR");
  const Preferences back = ReadPreferences(registry, told);
  EXPECT_TRUE(back.startEvery);
  EXPECT_FALSE(back.confirmDeletes);
  EXPECT_EQ(back.currency, "EUR");

  RefusingRegistry refusing(hives, "checkConfirmDeletes");
  refusing.OpenKey(kProgramKey, false);
  wanted = Preferences{};
  inForce = Preferences{};
  wanted.startEvery = true;
  wanted.confirmDeletes = false;
  wanted.currency = "$";
  EXPECT_THROW(WritePreferences(refusing, wanted, inForce), RegistryError);
  EXPECT_TRUE(inForce.startEvery) << "written before the refusal";
  EXPECT_TRUE(inForce.confirmDeletes) << "refused";
  EXPECT_EQ(inForce.currency, "\xA3") << "never written";
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
