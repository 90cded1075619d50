#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>

#include "linetally/base/registry_memory.h"
#include "linetally/tariffs/service_form.h"
#include "linetally/tariffs/service_store.h"

namespace lt {
namespace {

constexpr const char* kKey = "Software\\Corvane\\Linetally";

std::vector<uint8_t> TimeBytes(double fraction) {
  std::vector<uint8_t> bytes(8);
  std::memcpy(bytes.data(), &fraction, 8);
  return bytes;
}

class ServiceStoreTest : public ::testing::Test {
 protected:
  ServiceStoreTest() : hives(std::make_shared<MemoryHives>()), registry(hives) {
    hives->Create(RootKey::CurrentUser, kKey);
  }
  TelecomService Sample(const std::string& name) {
    TelecomService s;
    s.Name = name;
    s.Cost = "0.06";
    s.MinChargeOn = true;
    s.MinCharge = "0.10";
    s.ConnCharge = "0.05";
    s.Discount = "";
    s.Mon = s.Wed = s.Sat = true;
    s.After = 0.75;
    s.Before = 1.0 / 3;
    s.Connections = "Office link;Home";
    return s;
  }
  std::string Path(const std::string& name) { return std::string(kKey) + "\\" + name; }
  std::vector<std::string> Load() {
    std::vector<std::string> messages;
    LoadServiceTable(registry, table, told, [&](const std::string& text) { messages.push_back(text); });
    return messages;
  }
  MemoryHives::Key* KeyOf(const std::string& name) { return hives->Find(RootKey::CurrentUser, Path(name)); }

  std::shared_ptr<MemoryHives> hives;
  MemoryRegistry registry;
  ServiceTable table;
  std::set<std::string> told;
};

TEST_F(ServiceStoreTest, WritesAllValuesWithTheirTypes) {
  WriteService(registry, "Night", Sample("Night"));
  EXPECT_FALSE(registry.HasCurrentKey());
  MemoryHives::Key* key = hives->Find(RootKey::CurrentUser, Path("Night"));
  ASSERT_NE(key, nullptr);
  std::vector<std::string> names;
  for (const auto& v : key->values) names.push_back(v.name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "editCost", "checkMinCharge", "editMinCharge", "checkDiscount",
                       "editDiscount", "checkConnCharge", "editConnCharge", "checkMon",
                       "checkTue", "checkWed", "checkThu", "checkFri", "checkSat", "checkSun",
                       "editAfter", "editBefore", "editConnections"}));
  auto raw = [&](const char* name) { return *hives->GetRaw(RootKey::CurrentUser, Path("Night"), name); };
  EXPECT_EQ(raw("editCost").type, kRegSz);
  EXPECT_EQ(raw("editCost").data, (std::vector<uint8_t>{'0', '.', '0', '6'}));
  EXPECT_EQ(raw("editDiscount").data, std::vector<uint8_t>{});
  EXPECT_EQ(raw("checkSat").type, kRegDword);
  EXPECT_EQ(raw("checkSat").data, (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(raw("checkSun").data, (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(raw("editAfter").type, kRegBinary);
  EXPECT_EQ(raw("editAfter").data, (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xE8, 0x3F}));
}

TEST_F(ServiceStoreTest, ReadsBackWhatWasWrittenWithDays) {
  WriteService(registry, "Night", Sample("Night"));
  const StoredService stored = ReadService(registry, "Night");
  EXPECT_TRUE(stored.Reads());
  const TelecomService& s = stored.service;
  EXPECT_EQ(s.Name, "Night");
  EXPECT_EQ(s.Cost, "0.06");
  EXPECT_TRUE(s.MinChargeOn);
  EXPECT_EQ(s.MinCharge, "0.10");
  EXPECT_FALSE(s.ConnChargeOn);
  EXPECT_EQ(s.ConnCharge, "0.05");
  EXPECT_EQ(s.Days, "247");
  EXPECT_EQ(s.After, 0.75);
  EXPECT_EQ(s.Before, 1.0 / 3);
  EXPECT_EQ(s.Connections, "Office link;Home");
}

TEST_F(ServiceStoreTest, DaysCoverTheWeekInAscendingDigits) {
  TelecomService s;
  EXPECT_EQ(BuildDays(s), "");
  s.Mon = s.Tue = s.Wed = s.Thu = s.Fri = true;
  EXPECT_EQ(BuildDays(s), "23456");
  s.Sun = s.Sat = true;
  EXPECT_EQ(BuildDays(s), "1234567");
}

TEST_F(ServiceStoreTest, LoadsEveryServiceInRegistryOrderWithoutACap) {
  for (int i = 0; i < 60; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "S%02d", i);
    WriteService(registry, name, Sample(name));
  }
  WriteService(registry, "a/b*c", Sample("a/b*c"));  // a name the dialog refuses
  EXPECT_TRUE(Load().empty());
  ASSERT_EQ(table.ServiceCount(), 61u);
  EXPECT_EQ(table.Service(1).Name, "a/b*c");
  EXPECT_EQ(table.Service(2).Name, "S00");
  EXPECT_EQ(table.Service(61).Name, "S59");
  EXPECT_EQ(table.Service(61).Days, "247");
}

TEST_F(ServiceStoreTest, NoServiceGivesAnEmptyTable) {
  WriteService(registry, "Old", Sample("Old"));
  Load();
  ASSERT_TRUE(registry.DeleteKey(std::string("\\") + Path("Old")));
  EXPECT_TRUE(Load().empty());
  EXPECT_EQ(table.ServiceCount(), 0u);
}

// Whatever one value holds, the service reads: its other fields, and the names of the rest.
TEST_F(ServiceStoreTest, AServiceReadsFieldByFieldAndNamesWhatDidNotRead) {
  const struct {
    const char* what;
    std::function<void()> damage;
    std::vector<std::string> labels;
  } cases[] = {
      {"lost editAfter", [&] { std::erase_if(KeyOf("S")->values, [](auto& v) { return v.name == "editAfter"; }); },
       {"Valid after"}},
      {"a flag as text", [&] { hives->SetRaw(RootKey::CurrentUser, Path("S"), "checkMon", kRegSz, {'1'}); }, {"Mon"}},
      {"a short time and a long one",
       [&] {
         hives->SetRaw(RootKey::CurrentUser, Path("S"), "editAfter", kRegBinary, std::vector<uint8_t>(7));
         hives->SetRaw(RootKey::CurrentUser, Path("S"), "editBefore", kRegBinary, std::vector<uint8_t>(9));
       },
       {"Valid after", "Valid before"}},
      {"an amount as a number and its flag lost",
       [&] {
         hives->SetRaw(RootKey::CurrentUser, Path("S"), "editMinCharge", kRegDword, {1, 0, 0, 0});
         std::erase_if(KeyOf("S")->values, [](auto& v) { return v.name == "checkMinCharge"; });
       },
       {"Minimum call charge"}},
      {"a lost amount reads as empty text", [&] { KeyOf("S")->values.erase(KeyOf("S")->values.begin()); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteService(registry, "S", Sample("S"));
    c.damage();
    const StoredService stored = ReadService(registry, "S");
    EXPECT_EQ(stored.labels, c.labels);
    EXPECT_EQ(stored.Reads(), c.labels.empty());
    EXPECT_FALSE(registry.HasCurrentKey());
    const TelecomService& s = stored.service;
    EXPECT_EQ(s.Name, "S");
    EXPECT_EQ(s.MinCharge, stored.Unreadable(&TelecomService::MinCharge) ? "" : "0.10");
    EXPECT_EQ(s.Days, stored.Unreadable(&TelecomService::Mon) ? "47" : "247") << "the other days stand";
    EXPECT_EQ(s.After, stored.Unreadable(&TelecomService::After) ? 0 : 0.75);
    EXPECT_EQ(s.Before, stored.Unreadable(&TelecomService::Before) ? 0 : 1.0 / 3);
  }
}

TEST_F(ServiceStoreTest, AServiceThatDoesNotReadIsLeftOutAndToldOnceARun) {
  for (const char* name : {"A", "B", "C", "D"}) WriteService(registry, name, Sample(name));
  std::erase_if(KeyOf("B")->values, [](auto& v) { return v.name == "editBefore"; });
  hives->SetRaw(RootKey::CurrentUser, Path("C"), "checkMon", kRegSz, {'1'});
  hives->SetRaw(RootKey::CurrentUser, Path("C"), "editAfter", kRegSz, {'8'});
  const std::string later = "Calls are not priced by it until it is repaired in Telecom Preferences.";
  EXPECT_EQ(Load(), (std::vector<std::string>{
                        "The stored service 'B' has unreadable values: Valid before. " + later,
                        "The stored service 'C' has unreadable values: Mon, Valid after. " + later}));
  ASSERT_EQ(table.ServiceCount(), 2u) << "only the services that read count";
  EXPECT_EQ(table.Service(1).Name, "A");
  EXPECT_EQ(table.Service(2).Name, "D");
  EXPECT_FALSE(registry.HasCurrentKey());

  EXPECT_TRUE(Load().empty()) << "the reload after the dialog says nothing new";
  EXPECT_EQ(table.ServiceCount(), 2u);
  WriteService(registry, "B", Sample("B"));
  std::erase_if(KeyOf("A")->values, [](auto& v) { return v.name == "checkFri"; });
  EXPECT_EQ(Load(), (std::vector<std::string>{"The stored service 'A' has unreadable values: Fri. " + later}));
  ASSERT_EQ(table.ServiceCount(), 2u);
  EXPECT_EQ(table.Service(1).Name, "B") << "repaired";
}

TEST_F(ServiceStoreTest, TheFormShowsATimeThatDidNotReadAsTheEmptyTime) {
  WriteService(registry, "S", Sample("S"));
  hives->SetRaw(RootKey::CurrentUser, Path("S"), "editBefore", kRegBinary, TimeBytes(1.5));
  const ServiceForm form = FormOf(ReadService(registry, "S"));
  EXPECT_EQ(form.after, "18:00");
  EXPECT_EQ(form.before, "  :  ");
  EXPECT_EQ(form.cost, "0.06");
  EXPECT_TRUE(form.mon);
}

}  // namespace
}  // namespace lt
