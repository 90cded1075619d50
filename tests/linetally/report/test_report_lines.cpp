#include <gtest/gtest.h>

#include "linetally/report/report_lines.h"

namespace lt {
namespace {

const std::string kEquals(62, '=');
const std::string kHyphens(62, '-');

TEST(ReportLines, EmptyListPrintsSixLines) {
  const ReportTotals totals{0, Currency{}, "\xA3"};
  EXPECT_EQ(ReportLines({}, totals),
            (std::vector<std::string>{kEquals, "Date        Time   Service                 Duration   Cost", kHyphens,
                                      kHyphens, "TOTAL TIME = 000:00:00 / TOTAL COST = \xA3" "0.00", kEquals}));
}

TEST(ReportLines, RowsStartTheirFieldsUnderTheHeaderWords) {
  const std::vector<ReportRow> rows{{"07/12/2026", "09:15", "Office link", "000:32:38", "1.25"},
                                    {"", "18:02", "Office link", "001:00:00", "3.00"},
                                    {"08/12/2026", "07:30", "Home", "000:00:05", "0.01"}};
  const auto lines = ReportLines(rows, {});
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[3], "07/12/2026  09:15  Office link             000:32:38  1.25");
  EXPECT_EQ(lines[4], "            18:02  Office link             001:00:00  3.00");
  EXPECT_EQ(lines[5], "08/12/2026  07:30  Home                    000:00:05  0.01");
  const std::string& header = lines[1];
  for (const char* word : {"Time", "Service", "Duration", "Cost"}) {
    const size_t column = header.find(word);
    EXPECT_EQ(lines[3][column - 1], ' ') << word;
    EXPECT_NE(lines[3][column], ' ') << word;
  }
}

TEST(ReportLines, ADateEqualToTheRowAboveIsLeftBlank) {
  const std::vector<ReportRow> rows{{"07/12/2026", "09:15", "A", "000:00:01", "0.00"},
                                    {"07/12/2026", "10:15", "A", "000:00:01", "0.00"}};
  const auto lines = ReportLines(rows, {});
  EXPECT_EQ(lines[3].substr(0, 10), "07/12/2026");
  EXPECT_EQ(lines[4].substr(0, 12), std::string(12, ' '));
}

TEST(ReportLines, ALongServiceNameShiftsOnlyItsOwnRow) {
  const std::string name30 = "Thirty characters of a service";
  ASSERT_EQ(name30.size(), 30u);
  const std::vector<ReportRow> rows{{"07/12/2026", "09:15", name30, "000:10:00", "0.50"},
                                    {"", "10:00", "Short", "000:20:00", "1.00"}};
  const auto lines = ReportLines(rows, {});
  EXPECT_EQ(lines[3], "07/12/2026  09:15  " + name30 + "000:10:00  0.50");
  EXPECT_EQ(lines[4].find("000:20:00"), 43u);
  EXPECT_EQ(lines[4].find("1.00"), 54u);
}

TEST(ReportLines, TotalsShowTimeAndCostWithTwoDecimalsHalvesToEven) {
  EXPECT_EQ(TotalsLine({3661, Currency::FromRaw(23450), ""}), "TOTAL TIME = 001:01:01 / TOTAL COST = 2.34");
  EXPECT_EQ(TotalsLine({360000, Currency::FromRaw(23550), "$"}), "TOTAL TIME = 100:00:00 / TOTAL COST = $2.36");
  EXPECT_EQ(TotalsLine({0, Currency::FromRaw(-12500), "EUR"}), "TOTAL TIME = 000:00:00 / TOTAL COST = EUR-1.25");
}

}  // namespace
}  // namespace lt
