// Bounded fuzz runs of the readers that take text from files and the registry: the record line
// and its dates and numbers, the journal line, amounts, the registry's times and the file
// splitter. Under the sanitizers a crash or a report fails the run; each reader also keeps a
// property its callers rely on.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "linetally/base/registry_memory.h"
#include "linetally/database/record_table.h"
#include "linetally/database/session_database.h"
#include "linetally/database/session_journal.h"
#include "linetally/tariffs/amount.h"
#include "tests/linetally/fuzz/mutator.h"

namespace lt::testing {
namespace {

constexpr double kSecondsEach = 2.5;

std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    char hex[8];
    std::snprintf(hex, sizeof hex, c >= 32 && c < 127 && c != '\\' ? "%c" : "\\x%02x", c);
    out += hex;
  }
  return out;
}

// Records every input that breaks a property, and reports the first few.
class Findings {
 public:
  void Add(const std::string& what, const std::string& input) {
    if (count++ < 5) ADD_FAILURE() << what << " for \"" << Escaped(input) << "\"";
  }
  ~Findings() { EXPECT_EQ(count, 0); }

 private:
  long count = 0;
};

// How many inputs, and how many of them the reader took as good: a run that takes none tests
// only the refusals.
void Report(const char* target, long inputs, long taken) {
  std::printf("%s: %ld inputs in %.1f s, %ld taken as good\n", target, inputs, kSecondsEach, taken);
  EXPECT_GT(taken, 0);
}

TEST(Fuzz, RecordLinesDatesNumbersAndJournalLines) {
  const RegionalFormats formats[] = {DayFirstFormats(), DayFirstFormats('.', '.'), DayFirstFormats('-', ':')};
  Mutator mutator({"07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,",
                   "7.12.2026 9.15,7.12.2026 9.47.40,-0, A-B ,0,note",
                   "29-02-2024 23:59:59,01-03-2024 00:00:00,2147483647,x,99999999.9999,"},
                  ",/.-: +0123456789\r\n\t\xa3");
  Findings findings;
  long taken = 0;
  const long inputs = FuzzFor(kSecondsEach, mutator, [&](const std::string& text) {
    for (const RegionalFormats& f : formats) {
      const RecordFields fields = SplitRecordLine(text);
      IsListable(fields, f);
      if (auto date = ParseRecordDateTime(fields[0], f);
          date && ParseRecordDateTime(FormatRecordDateTime(*date, f), f) != date)
        findings.Add("a date that does not read back as written", text);
      if (auto seconds = ParseRecordInteger(fields[2]); seconds && ParseRecordInteger(std::to_string(*seconds)) != seconds)
        findings.Add("a whole number that does not read back", text);
      if (auto record = ParseJournalLine(text, f)) {
        ++taken;
        const std::string line = BuildRecordLine(*record, f);
        auto again = ParseJournalLine(line, f);
        if (!again || BuildRecordLine(*again, f) != line) findings.Add("a recovered record that does not read back", text);
        if (!IsListable(SplitRecordLine(line), f)) findings.Add("a recovered record that cannot be listed", text);
        if (ReadRecordCost(SplitRecordLine(line)[4]) != record->cost)
          findings.Add("a recovered cost that does not read back", text);
      }
    }
  });
  Report("record lines and checkpoints", inputs, taken);
}

// "," and "." both stand for the decimal point, and the throwing reader agrees with the other.
TEST(Fuzz, StrToAmount) {
  Mutator mutator({"1.2516", "-0,5", "  +12.5e-3 ", "0.0000", "1e4000", "99999999999999999999.99"},
                  ".,+-eE 0123456789\t");
  Findings findings;
  long taken = 0;
  const long inputs = FuzzFor(kSecondsEach, mutator, [&](const std::string& text) {
    const auto value = TryStrToAmount(text);
    taken += value.has_value();
    bool thrown = false;
    try {
      StrToAmount(text);
    } catch (const AmountConversionError&) {
      thrown = true;
    }
    if (thrown == value.has_value()) findings.Add("the two readers disagree", text);
    if (text.find(',') == std::string::npos && text.find('.') != std::string::npos) {
      std::string comma = text;
      comma[comma.find('.')] = ',';
      const auto other = TryStrToAmount(comma);
      if (other.has_value() != value.has_value() || (value && !(*other == *value || (*other != *other && *value != *value))))
        findings.Add("a comma reads unlike a point", text);
    }
  });
  Report("StrToAmount", inputs, taken);
}

// Eight bytes of REG_BINARY come back bit for bit; anything else is refused by name.
TEST(Fuzz, RegistryTimes) {
  Mutator mutator({std::string("\x03\0\0\0\0\0\0\xe0\x3f", 9), std::string("\x03\x9a\x99\x99\x99\x99\x99\xb9\x3f", 9),
                   std::string("\x04\x01\0\0\0", 5), std::string("\x01" "0.5", 4)},
                  std::string("\0\x01\x03\x04\xff\x7f\xf0", 7));
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry(hives);
  registry.OpenKey("\\Times", true);
  Findings findings;
  long taken = 0;
  const long inputs = FuzzFor(kSecondsEach, mutator, [&](const std::string& text) {
    const uint32_t type = text.empty() ? 0 : uint8_t(text[0]) % 6;
    const std::vector<uint8_t> data(text.begin() + (text.empty() ? 0 : 1), text.end());
    hives->SetRaw(RootKey::CurrentUser, "Times", "editStart", type, data);
    try {
      const double value = registry.ReadTime("editStart");
      ++taken;
      if (type != kRegBinary || data.size() != 8 || std::memcmp(&value, data.data(), 8) != 0)
        findings.Add("a time read from other data", text);
    } catch (const RegistryError& error) {
      const std::string message = error.what();
      if (type == kRegBinary && data.size() == 8) findings.Add("a good time refused", text);
      if (message != "Invalid data type for 'editStart'" && message != "Failed to get data for 'editStart'")
        findings.Add("an unexpected message: " + message, text);
    }
  });
  Report("registry times", inputs, taken);
}

// Lines hold no line ending or NUL, and joining them gives a file that splits the same again.
TEST(Fuzz, FileSplitter) {
  Mutator mutator({"a,b\r\nc\nd\re", "\r\n\r\n", "x\0y\r\n", "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,O,1.25,\r\n"},
                  std::string("\r\n\0,a", 5));
  Findings findings;
  RecordTable table;
  long taken = 0;
  const long inputs = FuzzFor(kSecondsEach, mutator, [&](const std::string& text) {
    const RecordLines lines = SplitFileText(text);
    for (const auto& line : lines)
      if (line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) findings.Add("a line with an ending", text);
    if (SplitFileText(JoinFileText(lines)) != lines) findings.Add("lines that do not split the same again", text);
    table.Parse(lines, 1);
    taken += !lines.empty();
  });
  Report("file splitter", inputs, taken);
}

}  // namespace
}  // namespace lt::testing
