#include <gtest/gtest.h>

#include "linetally/base/clock.h"
#include "linetally/tariffs/amount.h"
#include "linetally/tariffs/call_cost.h"
#include "linetally/tariffs/real48.h"

namespace lt {
namespace {

struct Gauge {
  std::string minCharge;
  int service;
  long double costPerSecond, accumulated;
};

class RecordingDisplay : public CostDisplay {
 public:
  void SetPriceLabel(const std::string& text) override { label = text; }
  void DoProgressBar(const std::string& minCharge, int service, long double costPerSecond,
                     long double accumulated) override {
    gauges.push_back({minCharge, service, costPerSecond, accumulated});
  }
  void ShowTrayFrame(int frame) override { frames.push_back(frame); }

  std::string label;
  std::vector<Gauge> gauges;
  std::vector<int> frames;
};

constexpr double kHour = 1.0 / 24;

TelecomService AllWeek(const std::string& name, const std::string& cost) {
  TelecomService s;
  s.Name = name;
  s.Cost = cost;
  s.Days = "1234567";
  return s;
}

// Wednesday 9 December 2026 unless another day is given.
CivilDateTime At(int hour, int minute, int second = 0, int ms = 0, int day = 9) {
  return {2026, 12, day, hour, minute, second, ms};
}

class CallCostTest : public ::testing::Test {
 protected:
  CallCostTest() : clock(At(12, 0)), step(table, clock) {}

  // A session of `seconds` cost steps from a fresh start; the last result.
  Currency Session(int seconds) {
    state = CostState{0, true, ""};
    Currency cost;
    for (int i = 0; i < seconds; ++i) cost = step.UpdateCallCost(state, display);
    return cost;
  }
  void ThreeTariffs() {
    TelecomService day = AllWeek("Daytime", "0.06"), evening = AllWeek("Evening", "0.02"),
                   weekend = AllWeek("Weekend", "0.01");
    day.Days = evening.Days = "23456";
    day.After = evening.Before = 8 * kHour;
    day.Before = evening.After = 18 * kHour;
    weekend.Days = "17";
    table.Add(day);
    table.Add(evening);
    table.Add(weekend);
  }
  std::string Picked(CivilDateTime when) {
    clock.Set(when);
    state = CostState{0, true, ""};
    step.UpdateCallCost(state, display);
    std::string cost = display.label;
    step.UpdatePriceLabel(display);
    return cost + " | " + display.label;
  }

  ServiceTable table;
  SettableClock clock;
  TariffCostStep step;
  RecordingDisplay display;
  CostState state;
};

TEST_F(CallCostTest, PerMinutePriceAccruesBySecond) {
  table.Add(AllWeek("Plain", "0.0395"));
  EXPECT_EQ(Session(1).Raw(), 7);
  EXPECT_EQ(Session(2).Raw(), 13);
  EXPECT_EQ(Session(3600).Raw(), 23700);
  EXPECT_EQ(display.label, "Plain 0.0395 per min");
  EXPECT_EQ(display.frames.back(), 15) << "no minimum charge: the on-line frame";
  EXPECT_TRUE(display.gauges.empty());
}

TEST_F(CallCostTest, DiscountReducesTheRate) {
  TelecomService s = AllWeek("Night", "0.06");
  table.Add(AllWeek("Flat", "0.06"));
  EXPECT_EQ(Session(45).Raw(), 450);
  s.DiscountOn = true;
  s.Discount = "10";
  table = ServiceTable();
  table.Add(s);
  EXPECT_EQ(Session(100).Raw(), 900);
  EXPECT_EQ(display.label, "Night 0.0540 per min");
  step.UpdatePriceLabel(display);
  EXPECT_EQ(display.label, "Calls will cost 0.0540 per min");
}

TEST_F(CallCostTest, ConnectionAndMinimumCharges) {
  TelecomService s = AllWeek("Dial", "0.06");
  s.ConnChargeOn = s.MinChargeOn = true;
  s.ConnCharge = "0.05";
  s.MinCharge = "0.10";
  table.Add(s);
  EXPECT_EQ(Session(1).Raw(), 1000);
  EXPECT_NEAR(static_cast<double>(state.accumulatedCost), 0.051, 1e-9);
  EXPECT_FALSE(state.firstSecond);
  EXPECT_EQ(Session(50).Raw(), 1000);
  EXPECT_EQ(Session(51).Raw(), 1010);
  EXPECT_EQ(Session(60).Raw(), 1100);
  EXPECT_EQ(Session(120).Raw(), 1700);
  ASSERT_EQ(display.gauges.size(), 1u + 50 + 51 + 60 + 120);
  const Gauge& first = display.gauges[0];
  EXPECT_EQ(first.minCharge, "0.10");
  EXPECT_EQ(first.service, 1);
  EXPECT_EQ(first.costPerSecond, RoundReal48(RoundReal48(0.06L) * kOneSixtieth));
  EXPECT_EQ(first.accumulated, first.costPerSecond) << "the gauge sees the charge one step later";
  EXPECT_TRUE(display.frames.empty());
}

TEST_F(CallCostTest, ChargesAreDiscountedLikeThePrice) {
  TelecomService s = AllWeek("Quarter off", "0.06");
  s.ConnChargeOn = s.MinChargeOn = s.DiscountOn = true;
  s.Discount = "25";
  s.ConnCharge = "0.04";
  s.MinCharge = "0.10";
  table.Add(s);
  EXPECT_EQ(Session(60).Raw(), 750);
  EXPECT_EQ(Session(1).Raw(), 750) << "minimum 0.075";
  EXPECT_NEAR(static_cast<double>(ApplyDiscount(table, 1, StrToAmount("0.04"))), 0.03, 1e-12);
}

TEST_F(CallCostTest, ConnectionChargeWaitsForAServiceThatHasOne) {
  TelecomService free = AllWeek("Free", "0"), dial = AllWeek("Dial", "0");
  free.Days = "4";  // Wednesday
  dial.ConnChargeOn = true;
  dial.ConnCharge = "0.05";
  table.Add(free);
  table.Add(dial);
  state = CostState{0, true, ""};
  step.UpdateCallCost(state, display);
  EXPECT_TRUE(state.firstSecond);
  clock.Set(At(12, 0, 0, 0, 10));  // Thursday: only Dial applies
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 500);
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 500) << "added once";
}

TEST_F(CallCostTest, NoServiceInForceCostsNothingAndKeepsTheTotal) {
  EXPECT_EQ(Session(1).Raw(), 0);
  EXPECT_EQ(display.label, "No call cost defined");
  step.UpdatePriceLabel(display);
  EXPECT_EQ(display.label, "No call cost defined");
  TelecomService s = AllWeek("Weekdays", "0.06");
  s.Days = "23456";
  table.Add(s);
  state = CostState{0.5L, true, ""};
  clock.Set(At(12, 0, 0, 0, 12));  // Saturday
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 0);
  EXPECT_EQ(state.accumulatedCost, 0.5L);
  EXPECT_TRUE(state.firstSecond);
  EXPECT_TRUE(display.frames.empty());
}

TEST_F(CallCostTest, DaytimeEveningWeekend) {
  ThreeTariffs();
  EXPECT_EQ(Picked(At(12, 0)), "Daytime 0.0600 per min | Calls will cost 0.0600 per min");
  EXPECT_EQ(Picked(At(18, 0)), "Daytime 0.0600 per min | No call cost defined");
  EXPECT_EQ(Picked(At(23, 30)), "Evening 0.0200 per min | Calls will cost 0.0200 per min");
  EXPECT_EQ(Picked(At(7, 59)), "Evening 0.0200 per min | Calls will cost 0.0200 per min");
  EXPECT_EQ(Picked(At(8, 0)), "Daytime 0.0600 per min | No call cost defined");
  EXPECT_EQ(Picked(At(12, 0, 0, 0, 12)), "Weekend 0.0100 per min | Calls will cost 0.0100 per min");
  EXPECT_EQ(Picked(At(0, 0, 0, 0, 13)), "Weekend 0.0100 per min | Calls will cost 0.0100 per min");
}

TEST_F(CallCostTest, CallAcrossATariffBoundaryIsPricedPieceByPiece) {
  ThreeTariffs();
  state = CostState{0, true, ""};
  Currency cost;
  for (int i = 0; i < 60; ++i) {
    clock.Set(At(17, 59, 30, 100));
    clock.AdvanceMilliseconds(i * 1000);
    cost = step.UpdateCallCost(state, display);
  }
  EXPECT_EQ(cost.Raw(), 400);
  EXPECT_EQ(display.label, "Evening 0.0200 per min");
}

TEST_F(CallCostTest, OverlapsPickTheFirstForCostAndTheLastForTheLabel) {
  table.Add(AllWeek("First", "0.05"));
  table.Add(AllWeek("Second", "0.07"));
  EXPECT_EQ(Picked(At(12, 0)), "First 0.0500 per min | Calls will cost 0.0700 per min");
}

// The cost step walks only the services for the connection timed; the idle label looks at all.
TEST_F(CallCostTest, EachConnectionIsPricedByTheServicesForIt) {
  TelecomService office = AllWeek("Office", "0.06"), home = AllWeek("Home", "0.02"),
                 debug = AllWeek("Debug", "0.01"), anywhere = AllWeek("Anywhere", "0.10"),
                 late = AllWeek("Late office", "0.03");
  office.Days = "23456";
  office.Connections = "Office link";
  home.Connections = " Home dial ;\xC9" "cole;;mobile; HOME DIAL";
  debug.Connections = "debug session";
  late.Connections = "Office link";
  late.After = 18 * kHour;
  late.Before = 23 * kHour;
  for (const TelecomService& s : {office, home, debug, anywhere, late}) table.Add(s);
  const struct {
    const char* connection;
    CivilDateTime when;
    const char* label;
  } cases[] = {
      {"Office link", At(12, 0), "Office 0.0600 per min"},
      {"OFFICE LINK", At(12, 0), "Office 0.0600 per min"},       // letter case
      {"Home dial", At(12, 0), "Home 0.0200 per min"},           // Office is in force, but not for it
      {"home DIAL", At(12, 0), "Home 0.0200 per min"},
      {"\xE9" "COLE", At(12, 0), "Home 0.0200 per min"},            // accented letters fold too
      {"Mobile", At(12, 0), "Home 0.0200 per min"},
      {"Home dial 2", At(12, 0), "Anywhere 0.1000 per min"},     // whole names only
      {"Office link", At(12, 0, 0, 0, 12), "Anywhere 0.1000 per min"},  // Saturday: Office is off
      {"Office link", At(19, 0, 0, 0, 12), "Anywhere 0.1000 per min"},  // the first in force wins
      {"Debug Session", At(12, 0), "Debug 0.0100 per min"},
      {"", At(12, 0), "Anywhere 0.1000 per min"},
  };
  for (const auto& c : cases) {
    clock.Set(c.when);
    state = CostState{0, true, c.connection};
    step.UpdateCallCost(state, display);
    EXPECT_EQ(display.label, c.label) << c.connection;
  }
  clock.Set(At(19, 0));
  step.UpdatePriceLabel(display);
  EXPECT_EQ(display.label, "Calls will cost 0.0300 per min") << "idle: the last service shown, for any connection";
  table = ServiceTable();
  table.Add(office);
  state = CostState{0, true, "Home dial"};
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 0);
  EXPECT_EQ(display.label, "No call cost defined");
}

TEST_F(CallCostTest, ClockIsReadAfreshForEachBound) {
  TelecomService s = AllWeek("Day", "0.06");
  s.After = 8 * kHour;
  s.Before = 18 * kHour;
  table.Add(s);
  // The day test, then A <= t at 18:00:00.000, then t <= B at 18:00:00.001.
  clock.Set(At(17, 59, 59, 999));
  clock.SetStepMilliseconds(1);
  state = CostState{0, true, ""};
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 0);
  EXPECT_EQ(display.label, "No call cost defined");
  clock.Set(At(17, 59, 59, 998));
  EXPECT_EQ(step.UpdateCallCost(state, display).Raw(), 10);
}

TEST_F(CallCostTest, DiscountEdges) {
  TelecomService s = AllWeek("All off", "0.06");
  s.DiscountOn = true;
  s.Discount = "100";
  table.Add(s);
  step.UpdatePriceLabel(display);
  EXPECT_EQ(display.label, "Calls will cost 0.0000 per min");
  s.Discount = "0";
  s.Name = "None off";
  table = ServiceTable();
  table.Add(s);
  EXPECT_EQ(Session(60).Raw(), 600);
  s.Discount = "150";
  EXPECT_EQ(Rate(s), RoundReal48(RoundReal48(0.06L) * (1 - 150 * kOneHundredth)));
  EXPECT_LT(Rate(s), 0);
}

TEST_F(CallCostTest, UnusedAmountsAreNotConverted) {
  TelecomService s = AllWeek("Sloppy", "0.06");
  s.MinCharge = s.ConnCharge = s.Discount = "";
  table.Add(s);
  EXPECT_EQ(Session(60).Raw(), 600);
  table = ServiceTable();
  s.MinChargeOn = true;
  s.MinCharge = "0";
  table.Add(s);
  EXPECT_EQ(Session(1).Raw(), 10);
  EXPECT_EQ(display.frames.back(), 15) << "a minimum of 0 is none";
}

TEST_F(CallCostTest, EmptyPriceIsFatalWhenUsed) {
  table.Add(AllWeek("Broken", ""));
  state = CostState{0, true, ""};
  EXPECT_THROW(step.UpdateCallCost(state, display), AmountConversionError);
  EXPECT_THROW(step.UpdatePriceLabel(display), AmountConversionError);
}

}  // namespace
}  // namespace lt
