#include <gtest/gtest.h>

#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/calendar/item_search.h"

namespace yb {
namespace {

SearchRecord Record(double start, double end, std::string subject, std::string categories = "") {
  return {start, end, std::move(categories), std::move(subject), 0};
}

TEST(FilterDate, ReadsMonthFirstWithOptionalTime) {
  double d = 0;
  ASSERT_TRUE(ParseFilterDate("01/01/1998", d));
  EXPECT_DOUBLE_EQ(d, DateSerial(1998, 1, 1));
  ASSERT_TRUE(ParseFilterDate("5/7/1998", d));
  EXPECT_DOUBLE_EQ(d, DateSerial(1998, 5, 7));
  ASSERT_TRUE(ParseFilterDate("5/7/1998 14:30", d));
  EXPECT_DOUBLE_EQ(d, DateTimeSerial(1998, 5, 7, 14, 30, 0));
  ASSERT_TRUE(ParseFilterDate("5/7/1998 12:05:09 AM", d));
  EXPECT_DOUBLE_EQ(d, DateTimeSerial(1998, 5, 7, 0, 5, 9));
  ASSERT_TRUE(ParseFilterDate("5/7/1998 12:00 pm", d));
  EXPECT_DOUBLE_EQ(d, DateTimeSerial(1998, 5, 7, 12, 0, 0));
}

TEST(FilterDate, RejectsImpossibleDates) {
  double d = 0;
  for (const char* bad :
       {"", "13/01/1998", "02/29/1998", "02/30/2000", "1/1/98", "1-1-1998", "1/1/1998 25:00",
        "1/1/1998 13:00 PM", "1/1/1998 10:00 XM", "1/1/1998x", "00/10/1998"})
    EXPECT_FALSE(ParseFilterDate(bad, d)) << bad;
  EXPECT_TRUE(ParseFilterDate("02/29/2000", d));
}

TEST(Restriction, YearFilterIncludesNewYearMidnightOnly) {
  const Restriction r(YearFilter(1998));
  EXPECT_TRUE(r.Matches(Record(DateSerial(1998, 1, 1), 0, "first")));
  EXPECT_TRUE(r.Matches(Record(DateTimeSerial(1998, 12, 31, 23, 59, 59), 0, "last")));
  EXPECT_FALSE(r.Matches(Record(DateSerial(1999, 1, 1), 0, "next")));
  EXPECT_FALSE(r.Matches(Record(DateTimeSerial(1997, 12, 31, 23, 59, 59), 0, "before")));
  EXPECT_LE(r.StartFrom(), DateSerial(1998, 1, 1));
  EXPECT_GE(r.StartTo(), DateSerial(1999, 1, 1));
  EXPECT_LT(r.StartTo(), DateSerial(1999, 1, 2));
}

TEST(Restriction, TextAndEndConditionsIgnoreCaseAndCompareExactly) {
  const SearchRecord r = Record(DateTimeSerial(1998, 5, 5, 10, 0, 0),
                                DateTimeSerial(1998, 5, 5, 11, 0, 0), "Dentist", "Health");
  EXPECT_TRUE(Restriction("[Subject] = 'DENTIST'").Matches(r));
  EXPECT_TRUE(Restriction("[categories] <> \"Work\"").Matches(r));
  EXPECT_TRUE(
      Restriction("[End] <= '5/5/1998 11:00 AM'  and  [End] > '5/5/1998 10:59'").Matches(r));
  EXPECT_FALSE(Restriction("[End] < '5/5/1998 11:00'").Matches(r));
  EXPECT_FALSE(Restriction("[Start] = '5/5/1998'").Matches(r));
}

TEST(Restriction, FaultsNameTheirPosition) {
  const auto message = [](const std::string& text) -> std::string {
    try {
      Restriction r(text);
    } catch (const CalendarError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message("[Start] >= '13/01/1998'"),
            "Cannot parse the condition \"[Start] >= '13/01/1998'\" at position 12.");
  EXPECT_EQ(message(""), "Cannot parse the condition \"\" at position 1.");
  EXPECT_EQ(message("[Colour] = 'red'"),
            "Cannot parse the condition \"[Colour] = 'red'\" at position 1.");
  EXPECT_EQ(message("[Subject] ~ 'x'"),
            "Cannot parse the condition \"[Subject] ~ 'x'\" at position 11.");
  for (const char* bad : {"[Subject] = 'x' And", "[Subject] = 'x' Or [Subject] = 'y'",
                          "[Subject] = 'x", "[Subject = 'x'", "Subject = 'x'", "[Subject] = x",
                          "[Subject] = 'x' And And [Subject] = 'y'"})
    EXPECT_THROW(Restriction{bad}, CalendarError) << bad;
}

class Records : public SearchSource {
 public:
  explicit Records(std::vector<SearchRecord> records) : records(std::move(records)) {}
  std::size_t EntryCount() const override { return records.size(); }
  SearchRecord Master(std::size_t i) const override { return records[i]; }
  void Occurrences(std::size_t i, double from, double to,
                   std::vector<SearchRecord>& out) const override {
    if (records[i].start >= from && records[i].start < to) out.push_back(records[i]);
  }

 private:
  std::vector<SearchRecord> records;
};

TEST(ItemSearch, SortIsStableAndFindRestarts) {
  const double may5 = DateSerial(1998, 5, 5);
  const Records source({Record(may5 + 0.5, 0, "b"), Record(may5, 0, "a1"), Record(may5, 0, "a2"),
                        Record(may5 + 0.25, 0, "c")});
  ItemSearch search;
  EXPECT_EQ(search.FindNext(), nullptr);
  search.Sort("[Start]", false);
  std::vector<std::string> order;
  for (const SearchRecord* r = search.Find(source, YearFilter(1998)); r; r = search.FindNext())
    order.push_back(r->subject);
  EXPECT_EQ(order, (std::vector<std::string>{"a1", "a2", "c", "b"}));
  search.Sort("[Subject]", true);
  EXPECT_EQ(search.Find(source, YearFilter(1998))->subject, "c");
  EXPECT_EQ(search.Find(source, YearFilter(1999)), nullptr);
  EXPECT_EQ(search.FindNext(), nullptr);
  EXPECT_THROW(search.Sort("Start", false), CalendarError);
  EXPECT_THROW(search.Sort("[Location]", false), CalendarError);
}

}  // namespace
}  // namespace yb
