#include <algorithm>

#include "linetally/base/registry_memory.h"
#include "tests/linetally/base/test_registry_suite.h"

namespace lt::testing {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RegistryError& error) {
    return error.what();
  }
  return "(no error)";
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST_P(RegistrySuite, OpensOnlyExistingKeysUnlessCreating) {
  EXPECT_FALSE(reg().OpenKey("\\" + key + "\\Missing", false));
  EXPECT_FALSE(reg().HasCurrentKey());
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  EXPECT_FALSE(reg().OpenKey("\\" + key + "\\Missing", false));
  EXPECT_EQ(reg().CurrentPath(), key) << "a failed open keeps the current key";
  ASSERT_TRUE(reg().OpenKey("Made\\Deeper", true)) << "relative to the current key";
  EXPECT_EQ(reg().CurrentPath(), key + "\\Made\\Deeper");
  reg().CloseKey();
  EXPECT_TRUE(reg().KeyExists("\\" + key + "\\made\\DEEPER")) << "names ignore letter case";
  EXPECT_TRUE(reg().KeyExists(key + "\\Made")) << "relative to the root with no key open";
}

TEST_P(RegistrySuite, ListsSubKeysAndDeletesWholeTrees) {
  ASSERT_TRUE(reg().OpenKey("\\" + key + "\\Night Rate", true));
  ASSERT_TRUE(reg().OpenKey("\\" + key + "\\Day/Rate*", true)) << "names the dialog refuses";
  ASSERT_TRUE(reg().OpenKey("\\" + key + "\\Night Rate\\Inner", true));
  reg().WriteString("editCost", "0.05");
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  std::vector<std::string> names = reg().GetKeyNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Day/Rate*", "Night Rate"}));

  EXPECT_TRUE(reg().DeleteKey("NIGHT RATE"));
  EXPECT_FALSE(reg().KeyExists("Night Rate"));
  EXPECT_EQ(reg().GetKeyNames(), (std::vector<std::string>{"Day/Rate*"}));
  EXPECT_FALSE(reg().DeleteKey("Night Rate"));
}

TEST_P(RegistrySuite, SwitchingTheRootClosesTheKey) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  reg().SetRootKey(RootKey::LocalMachine);
  EXPECT_FALSE(reg().HasCurrentKey());
  EXPECT_EQ(reg().GetRootKey(), RootKey::LocalMachine);
  EXPECT_FALSE(reg().KeyExists("\\" + key));
  reg().SetRootKey(RootKey::CurrentUser);
  EXPECT_TRUE(reg().KeyExists("\\" + key));
}

TEST_P(RegistrySuite, StringsAreWrittenWithoutNulAndReadEitherWay) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  reg().WriteString("editCurrency", "\xA3");
  std::optional<RawValue> raw = env->GetRaw(key, "editCurrency");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, kRegSz);
  EXPECT_EQ(raw->data, std::vector<uint8_t>{0xA3});
  EXPECT_EQ(reg().ReadString("editCurrency"), "\xA3");
  for (const char* text : {"0.1", "0.05", "Corvane Linetally"}) {
    reg().WriteString("text", text);
    EXPECT_EQ(env->GetRaw(key, "text")->data, Bytes(text)) << "stored without a NUL";
  }

  env->SetRaw(key, "withNul", kRegSz, {'0', '.', '5', 0});
  env->SetRaw(key, "cutAtNul", kRegSz, {'1', 0, '2', 0});
  env->SetRaw(key, "expand", kRegExpandSz, Bytes("0.06"));
  EXPECT_EQ(reg().ReadString("withNul"), "0.5");
  EXPECT_EQ(reg().ReadString("cutAtNul"), "1");
  EXPECT_EQ(reg().ReadString("expand"), "0.06");
  EXPECT_EQ(reg().ReadString("absent"), "");

  reg().WriteString("editDiscount", "");
  EXPECT_TRUE(reg().ValueExists("editDiscount"));
  EXPECT_EQ(reg().ReadString("editDiscount"), "");
}

TEST_P(RegistrySuite, StringOfAnotherTypeIsRefused) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  env->SetRaw(key, "editCost", kRegDword, {1, 0, 0, 0});
  env->SetRaw(key, "emptyBinary", kRegBinary, {});
  env->SetRaw(key, "emptyNone", kRegNone, {});
  EXPECT_EQ(ErrorOf([&] { reg().ReadString("editCost"); }), "Invalid data type for 'editCost'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadString("emptyBinary"); }), "Invalid data type for 'emptyBinary'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadString("emptyNone"); }), "Invalid data type for 'emptyNone'");
}

TEST_P(RegistrySuite, BooleansAreFourByteDwords) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  reg().WriteBool("checkMon", true);
  reg().WriteBool("checkSun", false);
  EXPECT_EQ(env->GetRaw(key, "checkMon")->data, (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(env->GetRaw(key, "checkMon")->type, kRegDword);
  EXPECT_EQ(env->GetRaw(key, "checkSun")->data, (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_TRUE(reg().ReadBool("checkMon"));
  EXPECT_FALSE(reg().ReadBool("checkSun"));
  env->SetRaw(key, "checkTue", kRegDword, {0, 2, 0, 0});
  EXPECT_TRUE(reg().ReadBool("checkTue")) << "any non-zero value is true";
}

TEST_P(RegistrySuite, BooleanFailuresCarryTheirTexts) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  env->SetRaw(key, "shortText", kRegSz, Bytes("1"));
  env->SetRaw(key, "longText", kRegSz, Bytes("true!"));
  env->SetRaw(key, "twoBytes", kRegDword, {1, 0});
  env->SetRaw(key, "binary", kRegBinary, {1, 0, 0, 0});
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("absent"); }), "Failed to get data for 'absent'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("longText"); }), "Failed to get data for 'longText'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("shortText"); }), "Invalid data type for 'shortText'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("twoBytes"); }), "Invalid data type for 'twoBytes'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("binary"); }), "Invalid data type for 'binary'");
}

TEST_P(RegistrySuite, TimesAreEightByteBinaries) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  reg().WriteTime("editAfter", 0.75);
  reg().WriteTime("editBefore", 1.0 / 3.0);
  EXPECT_EQ(env->GetRaw(key, "editAfter")->type, kRegBinary);
  EXPECT_EQ(env->GetRaw(key, "editAfter")->data,
            (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xE8, 0x3F}));
  EXPECT_EQ(env->GetRaw(key, "editBefore")->data,
            (std::vector<uint8_t>{0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xD5, 0x3F}));
  EXPECT_EQ(reg().ReadTime("editAfter"), 0.75);
  EXPECT_EQ(reg().ReadTime("editBefore"), 1.0 / 3.0);
}

TEST_P(RegistrySuite, TimeFailuresCarryTheirTexts) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  env->SetRaw(key, "seven", kRegBinary, std::vector<uint8_t>(7, 0));
  env->SetRaw(key, "nine", kRegBinary, std::vector<uint8_t>(9, 0));
  env->SetRaw(key, "text", kRegSz, Bytes("18:00"));
  EXPECT_EQ(ErrorOf([&] { reg().ReadTime("editAfter"); }), "Failed to get data for 'editAfter'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadTime("nine"); }), "Failed to get data for 'nine'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadTime("seven"); }), "Invalid data type for 'seven'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadTime("text"); }), "Invalid data type for 'text'");
}

TEST_P(RegistrySuite, ValuesExistAndAreDeleted) {
  ASSERT_TRUE(reg().OpenKey("\\" + key, false));
  EXPECT_FALSE(reg().ValueExists("checkStartMin"));
  EXPECT_FALSE(reg().DeleteValue("checkStartMin"));
  reg().WriteBool("checkStartMin", false);
  EXPECT_TRUE(reg().ValueExists("CHECKSTARTMIN"));
  EXPECT_TRUE(reg().DeleteValue("checkStartMin"));
  EXPECT_FALSE(reg().ValueExists("checkStartMin"));
}

TEST_P(RegistrySuite, ValueAccessWithoutAnOpenKeyFails) {
  EXPECT_EQ(ErrorOf([&] { reg().WriteString("Linetally", "x"); }),
            "Failed to set data for 'Linetally'");
  EXPECT_EQ(ErrorOf([&] { reg().WriteBool("checkMon", true); }),
            "Failed to set data for 'checkMon'");
  EXPECT_EQ(ErrorOf([&] { reg().ReadBool("checkMon"); }), "Failed to get data for 'checkMon'");
  EXPECT_FALSE(reg().ValueExists("checkMon"));
}

class MemoryEnv : public RegistryEnv {
 public:
  MemoryEnv() : hives(std::make_shared<MemoryHives>()), registry(hives) {}
  Registry& Object() override { return registry; }
  std::string Scratch() override {
    hives->Create(RootKey::CurrentUser, "Software\\Scratch");
    return "Software\\Scratch";
  }
  void SetRaw(const std::string& path, const std::string& name, uint32_t type,
              std::vector<uint8_t> data) override {
    hives->SetRaw(RootKey::CurrentUser, path, name, type, std::move(data));
  }
  std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) override {
    auto value = hives->GetRaw(RootKey::CurrentUser, path, name);
    if (!value) return std::nullopt;
    return RawValue{value->type, value->data};
  }
  std::shared_ptr<MemoryHives> hives;
  MemoryRegistry registry;
};

INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite,
                         ::testing::Values(RegistryImpl{
                             "Memory", [] { return std::make_unique<MemoryEnv>(); }}),
                         ImplName);

TEST(MemoryRegistry, ReadOnlyHiveRefusesChanges) {
  auto hives = std::make_shared<MemoryHives>();
  hives->Create(RootKey::LocalMachine, "SOFTWARE\\Run");
  hives->SetReadOnly(RootKey::LocalMachine, true);
  MemoryRegistry registry(hives);
  registry.SetRootKey(RootKey::LocalMachine);
  EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Other", true));
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Run", false));
  EXPECT_EQ(ErrorOf([&] { registry.WriteString("Linetally", "C:\\Linetally.exe"); }),
            "Failed to set data for 'Linetally'");
  EXPECT_FALSE(registry.DeleteKey("\\SOFTWARE\\Run"));
}

TEST(MemoryRegistry, KeyDeletedByAnotherObjectIsNoLongerReadable) {
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry first(hives), second(hives);
  ASSERT_TRUE(first.OpenKey("\\Software\\A\\B", true));
  ASSERT_TRUE(second.DeleteKey("\\Software\\A"));
  EXPECT_EQ(ErrorOf([&] { first.ReadBool("checkMon"); }), "Failed to get data for 'checkMon'");
  EXPECT_EQ(ErrorOf([&] { first.WriteBool("checkMon", true); }),
            "Failed to set data for 'checkMon'");
}

}  // namespace
}  // namespace lt::testing
