#include <gtest/gtest.h>

#include "linetally/monitor/gauge.h"
#include "linetally/monitor/status_texts.h"

namespace lt {
namespace {

TEST(Gauge, ShowsTheSecondsTheMinimumChargeStillPaysFor) {
  const long double c = 0.001L;  // 0.06 per minute
  GaugeState g = ComputeGauge(0.06L, c, 30 * c);
  EXPECT_EQ(g.maximum, 60);
  EXPECT_EQ(g.position, 30);
  EXPECT_EQ(g.trayFrame, 7);
  g = ComputeGauge(0.06L, c, 59 * c);
  EXPECT_EQ(g.position, 1);
  EXPECT_EQ(g.trayFrame, 15);
  g = ComputeGauge(0.06L, c, 1 * c);
  EXPECT_EQ(g.position, 59);
  EXPECT_EQ(g.trayFrame, 14);
  g = ComputeGauge(0.06L, c, 90 * c);
  EXPECT_EQ(g.position, 0) << "the bar clamps";
  EXPECT_EQ(g.trayFrame, 15);
}

TEST(Gauge, HalvesGoToTheEvenNeighbour) {
  // 14 * 5 / 28 = 2.5 -> 2; 14 * 9 / 28 = 4.5 -> 4
  EXPECT_EQ(ComputeGauge(28, 1, 23).trayFrame, 2);
  EXPECT_EQ(ComputeGauge(28, 1, 19).trayFrame, 4);
  EXPECT_EQ(ComputeGauge(2.5L, 1, 0).maximum, 2);
}

TEST(Gauge, NoPeriodWithoutAPositiveCostPerSecondOrMinimum) {
  for (GaugeState g : {ComputeGauge(0.1L, 0, 0.05L), ComputeGauge(-0.1L, 0.001L, 0.05L)}) {
    EXPECT_EQ(g.maximum, 0);
    EXPECT_EQ(g.position, 0);
    EXPECT_EQ(g.trayFrame, 15);
  }
}

TEST(StatusTexts, WorkedExample) {
  StatusValues v;
  v.symbol = "\xA3";
  v.totalCost = Currency::FromRaw(23700);
  v.callCost = Currency::FromRaw(450);
  v.sumSeconds = 7140;
  v.onlineSeconds = 45;
  StatusTexts t = ComputeStatusTexts(v);
  EXPECT_EQ(t.panel1, "Current \xA3" "0.045");
  EXPECT_EQ(t.panel2, "Total \xA3" "2.415");
  EXPECT_EQ(t.trayHint, "Current \xA3" "0.04 / Total \xA3" "2.42");
  v.showTime = true;
  t = ComputeStatusTexts(v);
  EXPECT_EQ(t.panel2, "Total 001:59:45");
  EXPECT_EQ(t.trayHint, "Current \xA3" "0.04 / Total \xA3" "2.42") << "the hint always shows money";
}

TEST(StatusTexts, EmptySymbolAndNegativeAmounts) {
  StatusValues v;
  StatusTexts t = ComputeStatusTexts(v);
  EXPECT_EQ(t.panel1, "Current 0.000");
  EXPECT_EQ(t.panel2, "Total 0.000");
  EXPECT_EQ(t.trayHint, "Current 0.00 / Total 0.00");
  v.symbol = "$";
  v.totalCost = Currency::FromRaw(-1235);
  t = ComputeStatusTexts(v);
  EXPECT_EQ(t.panel2, "Total $-0.124");
  EXPECT_EQ(t.trayHint, "Current $0.00 / Total $-0.12");
}

}  // namespace
}  // namespace lt
