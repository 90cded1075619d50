#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <sstream>

#include "linetally/base/registry_memory.h"
#include "linetally/base/stored_fields.h"

namespace lt {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> TimeBytes(double fraction) {
  std::vector<uint8_t> bytes(8);
  std::memcpy(bytes.data(), &fraction, 8);
  return bytes;
}

// A day of the month from 1 to 28 kept as text, as the billing day is.
std::optional<int> Day(const std::string& text) {
  int day = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), day);
  if (error != std::errc() || end != text.data() + text.size() || day < 1 || day > 28) return std::nullopt;
  return day;
}

enum class Kind { Text, Flag, Time, Day };

// One stored value read by its field kind: what the field holds after, and whether it was named.
TEST(FieldReader, EachKindReadsWhatFitsAndNamesTheRestKeepingTheDefault) {
  const std::optional<uint32_t> kMissing;
  const struct Case {
    const char* what;
    Kind kind;
    std::optional<uint32_t> type;  // none: the value is missing
    std::vector<uint8_t> data;
    std::string expected;  // what the field holds after, as text; defaults "default", on, 0.5, 1
    bool named;
  } cases[] = {
      {"text", Kind::Text, kRegSz, Bytes("0.06"), "0.06", false},
      {"expandable text up to its NUL", Kind::Text, kRegExpandSz, Bytes(std::string("ab\0c", 4)), "ab", false},
      {"missing text reads empty", Kind::Text, kMissing, {}, "", false},
      {"text of another type", Kind::Text, kRegDword, {1, 0, 0, 0}, "default", true},
      {"flag", Kind::Flag, kRegDword, {2, 0, 0, 0}, "on", false},
      {"flag off", Kind::Flag, kRegDword, {0, 0, 0, 0}, "off", false},
      {"missing flag", Kind::Flag, kMissing, {}, "on", true},
      {"flag as text", Kind::Flag, kRegSz, Bytes("0"), "on", true},
      {"flag of two bytes", Kind::Flag, kRegDword, {0, 0}, "on", true},
      {"time", Kind::Time, kRegBinary, TimeBytes(0.75), "0.75", false},
      {"midnight", Kind::Time, kRegBinary, TimeBytes(0), "0", false},
      {"missing time", Kind::Time, kMissing, {}, "0.5", true},
      {"time as text", Kind::Time, kRegSz, Bytes("18:00"), "0.5", true},
      {"time of seven bytes", Kind::Time, kRegBinary, std::vector<uint8_t>(7), "0.5", true},
      {"time of a whole day", Kind::Time, kRegBinary, TimeBytes(1), "0.5", true},
      {"time before midnight", Kind::Time, kRegBinary, TimeBytes(-0.25), "0.5", true},
      {"time that is no number", Kind::Time, kRegBinary, TimeBytes(std::nan("")), "0.5", true},
      {"day", Kind::Day, kRegSz, Bytes("15"), "15", false},
      {"missing day keeps the default unsaid", Kind::Day, kMissing, {}, "1", false},
      {"day of another type", Kind::Day, kRegDword, {15, 0, 0, 0}, "1", true},
      {"day that is no number", Kind::Day, kRegSz, Bytes("1x"), "1", true},
      {"day out of range", Kind::Day, kRegSz, Bytes("31"), "1", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto hives = std::make_shared<MemoryHives>();
    MemoryRegistry registry(hives);
    registry.OpenKey("\\Settings", true);
    if (c.type) hives->SetRaw(RootKey::CurrentUser, "Settings", "value", *c.type, c.data);
    FieldReader reader(registry);
    std::string text = "default";
    bool flag = true;
    double time = 0.5;
    int day = 1;
    bool read = false;
    switch (c.kind) {
      case Kind::Text:
        read = reader.Text("value", "Field", text);
        break;
      case Kind::Flag:
        read = reader.Flag("value", "Field", flag);
        text = flag ? "on" : "off";
        break;
      case Kind::Time:
        read = reader.Time("value", "Field", time);
        text = (std::ostringstream() << time).str();
        break;
      case Kind::Day:
        read = reader.Parsed("value", "Field", day, Day);
        text = std::to_string(day);
        break;
    }
    EXPECT_EQ(read, !c.named);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(reader.Labels(), c.named ? std::vector<std::string>{"Field"} : std::vector<std::string>{});
    EXPECT_EQ(hives->GetRaw(RootKey::CurrentUser, "Settings", "value").has_value(), c.type.has_value())
        << "nothing written";
  }
}

TEST(FieldReader, NamesEachLabelOnceInReadingOrderInOneMessage) {
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry(hives);
  registry.OpenKey("\\Settings", true);
  FieldReader reader(registry);
  bool on = false;
  double time = 0;
  reader.Flag("checkMinCharge", "Minimum call charge", on);
  reader.Time("editAfter", "Valid after", time);
  reader.Flag("checkMinCharge", "Minimum call charge", on);
  EXPECT_EQ(reader.Message("The stored service 'Night' has", "Save to repair, or Delete."),
            "The stored service 'Night' has unreadable values: Minimum call charge, Valid after. "
            "Save to repair, or Delete.");
}

}  // namespace
}  // namespace lt
