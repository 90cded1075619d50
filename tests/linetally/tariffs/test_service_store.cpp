#include <gtest/gtest.h>

#include "linetally/base/registry_memory.h"
#include "linetally/tariffs/service_store.h"

namespace lt {
namespace {

constexpr const char* kKey = "Software\\Corvane\\Linetally";

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
    std::vector<std::string> errors;
    LoadServiceTable(registry, table, [&](const std::string& e) { errors.push_back(e); });
    return errors;
  }

  std::shared_ptr<MemoryHives> hives;
  MemoryRegistry registry;
  ServiceTable table;
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
  TelecomService s = ReadService(registry, "Night", DayReadOrder::MondayFirst);
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

TEST_F(ServiceStoreTest, FailingServiceIsReportedOnceAndSkipped) {
  WriteService(registry, "A", Sample("A"));
  WriteService(registry, "B", Sample("B"));
  WriteService(registry, "C", Sample("C"));
  WriteService(registry, "D", Sample("D"));
  auto lose = [&](const char* service, const char* value) {
    std::erase_if(hives->Find(RootKey::CurrentUser, Path(service))->values,
                  [&](const auto& v) { return v.name == value; });
  };
  lose("B", "editBefore");
  lose("C", "editAfter");
  std::vector<std::string> errors = Load();
  EXPECT_EQ(errors, (std::vector<std::string>{"Failed to get data for 'editBefore'",
                                              "Failed to get data for 'editAfter'"}));
  ASSERT_EQ(table.ServiceCount(), 2u) << "only the services actually loaded count";
  EXPECT_EQ(table.Service(1).Name, "A");
  EXPECT_EQ(table.Service(2).Name, "D");
  EXPECT_FALSE(registry.HasCurrentKey());
}

TEST_F(ServiceStoreTest, WrongTypesAndSizesNameTheirValue) {
  WriteService(registry, "A", Sample("A"));
  WriteService(registry, "B", Sample("B"));
  WriteService(registry, "C", Sample("C"));
  hives->SetRaw(RootKey::CurrentUser, Path("A"), "checkSun", kRegSz, {'1'});
  hives->SetRaw(RootKey::CurrentUser, Path("B"), "editAfter", kRegBinary, std::vector<uint8_t>(7));
  hives->SetRaw(RootKey::CurrentUser, Path("C"), "editBefore", kRegBinary, std::vector<uint8_t>(9));
  EXPECT_EQ(Load(), (std::vector<std::string>{"Invalid data type for 'checkSun'",
                                              "Invalid data type for 'editAfter'",
                                              "Failed to get data for 'editBefore'"}));
  EXPECT_EQ(table.ServiceCount(), 0u);
}

TEST_F(ServiceStoreTest, MissingStringsReadEmptyButOtherValuesDoNot) {
  hives->SetRaw(RootKey::CurrentUser, Path("Bare"), "checkMinCharge", kRegDword, {0, 0, 0, 0});
  EXPECT_EQ(Load(), (std::vector<std::string>{"Failed to get data for 'checkDiscount'"}));
}

TEST_F(ServiceStoreTest, DialogOrderNamesMondayFirst) {
  WriteService(registry, "A", Sample("A"));
  MemoryHives::Key* key = hives->Find(RootKey::CurrentUser, Path("A"));
  std::erase_if(key->values, [](const auto& v) { return v.name == "checkSun" || v.name == "checkMon"; });
  EXPECT_THROW(
      {
        try {
          ReadService(registry, "A", DayReadOrder::MondayFirst);
        } catch (const RegistryError& e) {
          EXPECT_STREQ(e.what(), "Failed to get data for 'checkMon'");
          throw;
        }
      },
      RegistryError);
  EXPECT_EQ(Load(), (std::vector<std::string>{"Failed to get data for 'checkSun'"}));
}

}  // namespace
}  // namespace lt
