#include <gtest/gtest.h>

#include "linetally/database/record_table.h"
#include "linetally/database/session_record.h"

namespace lt {
namespace {

SessionRecord Example() {
  SessionRecord r;
  r.start = {2026, 12, 7, 9, 15, 2};
  r.end = {2026, 12, 7, 9, 47, 40};
  r.seconds = 1958;
  r.service = "Office link";
  r.cost = Currency::FromRaw(12516);
  return r;
}

TEST(RecordLine, IsWrittenAsSixFieldsEndingWithAComma) {
  EXPECT_EQ(BuildRecordLine(Example(), DayFirstFormats()),
            "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,");
  SessionRecord r = Example();
  r.service = "A,B";
  r.cost = Currency();
  EXPECT_EQ(BuildRecordLine(r, DayFirstFormats('.', '.')), "07.12.2026 09.15.02,07.12.2026 09.47.40,1958,A-B,0,");
  r.service = "";
  EXPECT_EQ(SplitRecordLine(BuildRecordLine(r, UsFormats()))[3], "Debug Session");
}

TEST(RecordLine, DateIsReadInTheWrittenOrderWhateverTheSystemOrder) {
  // A month-first system must still read 13/12 as 13 December.
  for (const RegionalFormats& f : {UsFormats(), DayFirstFormats()}) {
    auto v = ParseRecordDateTime("13/12/2026 23:05:09", f);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, (CivilDateTime{2026, 12, 13, 23, 5, 9}));
  }
  EXPECT_EQ(*ParseRecordDateTime("7/1/2026 9:05", UsFormats()), (CivilDateTime{2026, 1, 7, 9, 5, 0}));
  EXPECT_EQ(*ParseRecordDateTime("07.12.2026 09.15.02", DayFirstFormats('.', '.')),
            (CivilDateTime{2026, 12, 7, 9, 15, 2}));
  for (const char* bad : {"", "07/12/2026 09:15:0", "31/02/2026 10:00:00", "07/13/2026 10:00:00", "07-12-2026",
                          "07/12/26 10:00:00", "07/12/2026 24:00:00", "07/12/2026 10:00:00 x", "garbage"})
    EXPECT_FALSE(ParseRecordDateTime(bad, DayFirstFormats()).has_value()) << bad;
}

TEST(RecordLine, SecondsFieldIsAThirtyTwoBitWholeNumber) {
  EXPECT_EQ(ParseRecordInteger("1958"), 1958);
  EXPECT_EQ(ParseRecordInteger(" -3 "), -3);
  EXPECT_EQ(ParseRecordInteger("2147483647"), 2147483647);
  EXPECT_FALSE(ParseRecordInteger("2147483648").has_value());
  for (const char* bad : {"", " ", "1.5", "12a", "+", "0x10"}) EXPECT_FALSE(ParseRecordInteger(bad).has_value()) << bad;
}

TEST(RecordLine, FieldsSplitAtCommas) {
  EXPECT_EQ(SplitRecordLine("a,b,c,d,e"), (RecordFields{"a", "b", "c", "d", "e", ""}));
  EXPECT_EQ(SplitRecordLine("a,b,c,d,e,f,g,h"), (RecordFields{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(SplitRecordLine("a,,c,,,"), (RecordFields{"a", "", "c", "", "", ""}));
  EXPECT_EQ(SplitRecordLine(""), (RecordFields{"", "", "", "", "", ""}));
}

TEST(FileText, EveryLineEndingEndsALine) {
  EXPECT_EQ(SplitFileText("a\r\nb\nc\rd"), (RecordLines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitFileText("a\r\n\r\nb\r\n"), (RecordLines{"a", "", "b"}));
  EXPECT_EQ(SplitFileText("a\n\rb"), (RecordLines{"a", "", "b"}));
  EXPECT_EQ(SplitFileText(std::string("a\r\nb\0c\r\nd", 9)), (RecordLines{"a", "b"}));
  EXPECT_TRUE(SplitFileText("").empty());
  EXPECT_EQ(JoinFileText({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(JoinFileText({}), "");
}

// The lines share one buffer that grows as lines come: a line taken from the lines themselves,
// or all of them at once, must come through the growth whole.
TEST(FileText, LinesTakenFromThemselvesSurviveTheGrowth) {
  RecordLines lines = {"first line", "", "third"};
  RecordLines expected = lines;
  for (int i = 0; i < 200; ++i) {
    lines.push_back(lines[i % 3]);
    expected.push_back(std::string(expected[i % 3]));
  }
  lines.Append(lines);
  expected.Append(RecordLines(expected));
  EXPECT_EQ(lines, expected);
  ASSERT_EQ(lines.size(), 406u);
  EXPECT_EQ(lines[203], "first line");
}

}  // namespace
}  // namespace lt
