#include <tuple>

#include "tests/linetally/database/database_fixture.h"

namespace lt::testing {
namespace {

// Year and month the period starts in, sessions, seconds, cost in ten-thousandths.
using Expected = std::vector<std::tuple<int, int, int64_t, int64_t, int64_t>>;

struct Case {
  const char* what;
  int billingDay;
  RecordLines lines;
  Expected periods;
};

const Case kCases[] = {
    {"an empty log has no period", 1, {}, {}},
    {"day 1: a session across midnight into the next month counts where it started",
     1,
     {"30/11/2026 23:50:00,01/12/2026 00:10:00,1200,Home,0.2,", "01/12/2026 00:10:00,01/12/2026 00:11:00,60,Home,0.01,",
      "31/12/2026 23:00:00,31/12/2026 23:30:00,1800,Home,0.3,"},
     {{2026, 11, 1, 1200, 2000}, {2026, 12, 2, 1860, 3100}}},
    {"day 15: periods run from the 15th to the 14th, across the year's end",
     15,
     {"14/12/2026 23:59:00,15/12/2026 00:09:00,600,Home,0.1,", "15/12/2026 00:00:00,15/12/2026 00:01:00,60,Home,0.0125,",
      "05/01/2027 10:00:00,05/01/2027 10:01:00,60,Home,0.0125,", "15/01/2027 08:00:00,15/01/2027 08:01:00,60,Home,1,"},
     {{2026, 11, 1, 600, 1000}, {2026, 12, 2, 120, 250}, {2027, 1, 1, 60, 10000}}},
    {"a cost that does not read counts nothing, an undated line counts nowhere",
     1,
     {"02/03/2026 10:00:00,02/03/2026 10:01:00,60,Home,1.2.5,", "not a record", "03/03/2026 10:00:00,,60,Home,0.5,"},
     {{2026, 3, 2, 120, 5000}}},
};

Expected Periods(const PeriodTotals& totals) {
  Expected result;
  for (const auto& [period, total] : totals.All())
    result.emplace_back(PeriodYear(period), PeriodMonth(period), total.sessions, total.seconds, total.cost.Raw());
  return result;
}

// The log kept by periods, through the database's loading and through removing each record.
TEST_F(DatabaseTest, PeriodTotalsGroupSessionsByTheBillingDay) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    WriteFile("Lnt.dat", JoinFileText(c.lines));
    db.SetBillingDay(1);
    db.LoadDatabase(db.WorkingFile());
    db.ReadDatabase(1);
    db.SetBillingDay(c.billingDay);
    EXPECT_EQ(Periods(db.Periods()), c.periods);

    PeriodTotals totals(formats);
    totals.SetBillingDay(c.billingDay, db.Table());
    for (size_t k = 1; k <= db.Table().Count(); ++k) totals.RecordRemoved(db.Table().Row(k));
    EXPECT_TRUE(totals.All().empty());
  }
}

}  // namespace
}  // namespace lt::testing
