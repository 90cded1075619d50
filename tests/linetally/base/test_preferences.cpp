#include <gtest/gtest.h>

#include <memory>

#include "linetally/base/preferences.h"
#include "linetally/base/registry_memory.h"

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

}  // namespace
}  // namespace lt
