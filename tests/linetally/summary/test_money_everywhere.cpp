// The money of one record as every place shows it: the list's row, the log's total in the
// status bar and the tray hint, the period in the monthly summary and its chart. One reading of
// the stored cost, one rounding to the display, sums that cannot wrap.
#include <gtest/gtest.h>

#include "linetally/database/file_store_memory.h"
#include "linetally/database/list_rows.h"
#include "linetally/database/session_database.h"
#include "linetally/monitor/status_texts.h"
#include "linetally/summary/period_report.h"

namespace lt {
namespace {

class QuietUi : public DatabaseUi {
 public:
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowSizeWarning(const std::string&, int) override {}
  std::vector<std::string> errors;
};

// A log of the given cost fields, one record each on 3 December 2026, loaded as at start-up.
class Log {
 public:
  explicit Log(const std::vector<std::string>& costs) {
    std::string text;
    for (const auto& cost : costs) text += "03/12/2026 10:00:00,03/12/2026 10:01:00,60,Home," + cost + ",\r\n";
    files.files["C:\\Lnt.dat"] = text;
    db.LoadDatabase(db.WorkingFile());
    db.ReadDatabase(1);
  }
  std::string Row(size_t k) const { return ListRowBuilder(formats).Build(db.Table(), k)->cost; }
  // Panel 2 and the tray hint with no session running, as the status bar shows them.
  StatusTexts Status() const {
    StatusValues values;
    values.symbol = "\xA3";
    values.totalCost = db.SumCost();
    return ComputeStatusTexts(values);
  }
  std::string SummaryCost() const {
    const PeriodIndex december = PeriodOf(CivilDateTime{2026, 12, 3}, 1);
    return SummaryRows(db.Periods(), december, formats, "\xA3").front().cost;
  }

  MemoryFileStore files;
  RegionalFormats formats = DayFirstFormats();
  QuietUi ui;
  SessionDatabase db{files, ui, formats, "C:\\"};
};

TEST(MoneyEverywhere, OneRecordShowsOneFigureInTheRowTheTotalsAndTheSummary) {
  const struct {
    const char* stored;
    const char* shown;  // two decimals
    const char* total;  // three decimals
  } cases[] = {
      {"1.2516", "1.25", "1.252"},
      {"0.045", "0.04", "0.045"},        // halves to even
      {"0.0250499", "0.03", "0.025"},    // the summary and the tray once showed 0.02
      {"0.02505", "0.03", "0.025"},
      {"0.01499", "0.01", "0.015"},
      {"0.0351", "0.04", "0.035"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Log log({c.stored});
    EXPECT_EQ(log.Row(1), c.shown);
    EXPECT_EQ(log.Status().trayHint, std::string("Current \xA3" "0.00 / Total \xA3") + c.shown);
    EXPECT_EQ(log.Status().panel2, std::string("Total \xA3") + c.total);
    EXPECT_EQ(log.SummaryCost(), std::string("\xA3") + c.shown);
    EXPECT_TRUE(log.ui.errors.empty());
  }
  // Each as the stored text rounds once, through the one reading of the cost.
  for (const auto& c : cases) EXPECT_EQ(RoundDecimalText(c.stored, 2), c.shown) << c.stored;
}

// A cost that does not read ("1.2.3" once showed 1.23 in the row, refused the total with a box
// on every refresh, and counted 0 in the summary with no word) counts nothing anywhere, shows
// as stored in its row, and is told once.
TEST(MoneyEverywhere, ACostThatDoesNotReadCountsNothingAnywhereAndIsToldOnce) {
  Log log({"1.25", "1.2.3", "abc", "0.75"});
  EXPECT_EQ(log.Row(2), "1.2.3");
  EXPECT_EQ(log.Row(3), "abc");
  EXPECT_EQ(log.db.SumCost(), Currency::FromRaw(20000));
  EXPECT_EQ(log.SummaryCost(), "\xA3" "2.00");
  EXPECT_EQ(log.db.UnreadableCostToTell(), "'1.2.3' is not a valid floating point value");
  EXPECT_EQ(log.db.UnreadableCostToTell(), std::nullopt) << "once";
  log.db.UpdateDB(SessionRecord{{2026, 12, 4, 9, 0, 0}, {2026, 12, 4, 9, 1, 0}, 60, "Home", Currency::FromRaw(1), ""});
  EXPECT_EQ(log.db.UnreadableCostToTell(), std::nullopt) << "a refresh after a logged session says nothing again";
  log.db.DeleteRows({1, 2});
  EXPECT_EQ(log.db.UnreadableCostToTell(), std::nullopt);
  log.db.LoadDatabase(log.db.WorkingFile());
  log.db.ReadDatabase(1);
  EXPECT_EQ(log.db.UnreadableCostToTell(), "'1.2.3' is not a valid floating point value") << "a log read anew";
}

// Two costs of 900,000,000,000,000 once made the totals negative (UBSan: signed overflow).
TEST(MoneyEverywhere, TotalsHoldAtTheEndOfTheRangeAndComeBackExactly) {
  Log log({"900000000000000", "900000000000000", "0.5"});
  EXPECT_EQ(log.db.SumCost(), Currency::Max());
  EXPECT_EQ(log.db.Periods().All().begin()->second.cost, Currency::Max());
  EXPECT_EQ(log.Status().panel2, "Total \xA3" "922337203685477.581");
  log.db.DeleteRows({0});
  EXPECT_EQ(log.db.SumCost(), Currency::FromRaw(9000000000000005000)) << "removing undoes adding, exactly";
  EXPECT_EQ(log.db.Periods().All().begin()->second.cost, Currency::FromRaw(9000000000000005000));

  StatusValues values;
  values.totalCost = Currency::Max();
  values.callCost = Currency::FromRaw(5);
  EXPECT_EQ(ComputeStatusTexts(values).panel2, "Total 922337203685477.581") << "the session on top holds too";
  EXPECT_EQ(Currency::Min() + Currency::FromRaw(-1), Currency::Min());
  EXPECT_EQ(Currency::Min() - Currency::FromRaw(1), Currency::Min());
  EXPECT_EQ(Currency::Max() - Currency::FromRaw(-1), Currency::Max());
}

// A budget of 1e15 in the registry once looped the chart's scale for ever (and the session
// timer with it); costs above about 3e12 overflowed the bars' height.
TEST(MoneyEverywhere, TheChartScalesAnyAmount) {
  const std::vector<ChartBar> none;
  EXPECT_EQ(ChartTop(none, std::nullopt), Currency::FromRaw(10000)) << "at least one unit";
  EXPECT_EQ(ChartTop({{"Dec", Currency::FromRaw(12500), true}}, std::nullopt), Currency::FromRaw(20000));
  EXPECT_EQ(ChartTop(none, Currency::FromReal(1e15L)), Currency::Max());
  EXPECT_EQ(ChartTop(none, Currency::FromReal(5e14L)), Currency::FromRaw(5000000000000000000));
  EXPECT_EQ(ChartTop({{"Dec", Currency::Max(), true}}, std::nullopt), Currency::Max());

  const Currency top = ChartTop({{"Dec", *Currency::Parse("5000000000000"), true}}, std::nullopt);
  EXPECT_EQ(ChartHeightOf(*Currency::Parse("5000000000000"), top, 200), 200);
  EXPECT_EQ(ChartHeightOf(*Currency::Parse("2500000000000"), top, 200), 100);
  EXPECT_EQ(ChartHeightOf(Currency::Max(), Currency::Max(), 200), 200);
  EXPECT_EQ(ChartHeightOf(Currency::FromRaw(-5), top, 200), 0);
  EXPECT_EQ(ChartHeightOf(Currency::FromRaw(5), Currency(), 200), 0);
}

}  // namespace
}  // namespace lt
