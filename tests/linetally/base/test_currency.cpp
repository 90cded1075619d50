#include <gtest/gtest.h>

#include "linetally/base/currency.h"

namespace lt {
namespace {

TEST(Currency, ParseAcceptsTheStandardGrammarOnly) {
  EXPECT_EQ(Currency::Parse("1.2516")->Raw(), 12516);
  EXPECT_EQ(Currency::Parse("  -0.5 ")->Raw(), -5000);
  EXPECT_EQ(Currency::Parse("+3")->Raw(), 30000);
  EXPECT_EQ(Currency::Parse("1e2")->Raw(), 1000000);
  EXPECT_EQ(Currency::Parse("25E-3")->Raw(), 250);
  EXPECT_EQ(Currency::Parse(".5")->Raw(), 5000);
  EXPECT_EQ(Currency::Parse("0")->Raw(), 0);
  for (const char* bad : {"", " ", ".", "1,5", "1.2.5", "1e", "--1", "0x10", "1 2", "abc", "1e+"})
    EXPECT_FALSE(Currency::Parse(bad).has_value()) << bad;
}

TEST(Currency, ParseRoundsToFourDecimalsHalvesToEven) {
  EXPECT_EQ(Currency::Parse("0.00005")->Raw(), 0);
  EXPECT_EQ(Currency::Parse("0.00015")->Raw(), 2);
  EXPECT_EQ(Currency::Parse("0.000051")->Raw(), 1);
  EXPECT_EQ(Currency::Parse("9.99995")->Raw(), 100000);
}

// Rounded to odd, the dropped digits leave their mark, so a second rounding to two decimals
// gives what one rounding of the text gives.
TEST(Currency, ParseRoundedToOddMarksWhatWasDropped) {
  const auto odd = [](const char* text) { return Currency::Parse(text, Currency::Rounding::ToOdd)->Raw(); };
  EXPECT_EQ(odd("0.0250499"), 251);
  EXPECT_EQ(odd("0.01499"), 149);
  EXPECT_EQ(odd("0.0250"), 250) << "nothing dropped, nothing marked";
  EXPECT_EQ(odd("0.02500000"), 250);
  EXPECT_EQ(odd("0.00001"), 1);
  EXPECT_EQ(odd("-0.0250499"), -251);
  EXPECT_EQ(odd("1.2516"), 12516);
  for (const char* text : {"0.0250499", "0.01499", "0.0449999", "0.0450001", "0.035", "1.99999", "0.00499"})
    EXPECT_EQ(Currency::FromRaw(odd(text)).ToFixed(2), RoundDecimalText(text, 2)) << text;
}

TEST(Currency, ParseRefusesWhatDoesNotFitSixtyFourBits) {
  EXPECT_EQ(Currency::Parse("922337203685477.5807")->Raw(), INT64_MAX);
  EXPECT_FALSE(Currency::Parse("922337203685477.5808").has_value());
  EXPECT_EQ(Currency::Parse("-922337203685477.5808")->Raw(), INT64_MIN);
  EXPECT_FALSE(Currency::Parse("1e30").has_value());
}

TEST(Currency, FixedTextRoundsHalvesToEven) {
  EXPECT_EQ(Currency::FromRaw(450).ToFixed(2), "0.04");
  EXPECT_EQ(Currency::FromRaw(350).ToFixed(2), "0.04");
  EXPECT_EQ(Currency::FromRaw(1235).ToFixed(3), "0.124");
  EXPECT_EQ(Currency::FromRaw(12516).ToFixed(2), "1.25");
  EXPECT_EQ(Currency::FromRaw(450).ToFixed(3), "0.045");
  EXPECT_EQ(Currency::FromRaw(99950).ToFixed(2), "10.00");
  EXPECT_EQ(Currency::FromRaw(-450).ToFixed(2), "-0.04");
  EXPECT_EQ(Currency::FromRaw(-50).ToFixed(2), "0.00");
  EXPECT_EQ(Currency::FromRaw(0).ToFixed(3), "0.000");
  EXPECT_EQ(Currency::FromRaw(INT64_MIN).ToFixed(4), "-922337203685477.5808");
}

TEST(Currency, PlainTextDropsTrailingZeros) {
  EXPECT_EQ(Currency::FromRaw(0).ToPlainText(), "0");
  EXPECT_EQ(Currency::FromRaw(12516).ToPlainText(), "1.2516");
  EXPECT_EQ(Currency::FromRaw(23700).ToPlainText(), "2.37");
  EXPECT_EQ(Currency::FromRaw(10000).ToPlainText(), "1");
  EXPECT_EQ(Currency::FromRaw(-7).ToPlainText(), "-0.0007");
}

TEST(Currency, FromRealRoundsHalvesToEven) {
  // 1/32 and 3/32 scale to exact halves: 312.5 and 937.5
  EXPECT_EQ(Currency::FromReal(0.03125L).Raw(), 312);
  EXPECT_EQ(Currency::FromReal(0.09375L).Raw(), 938);
  EXPECT_EQ(Currency::FromReal(-0.03125L).Raw(), -312);
  EXPECT_EQ(Currency::FromReal(2.37L).Raw(), 23700);
  EXPECT_EQ(Currency::FromReal(1e30L).Raw(), INT64_MAX);
  EXPECT_EQ(Currency::FromReal(-1e30L).Raw(), INT64_MIN);
}

// Totals of a log's costs: an amount removed undoes the same amount added whatever came in
// between, and the value shown holds at the ends of the range instead of wrapping.
TEST(Currency, SumsAreExactAndHoldAtTheEndsOfTheRange) {
  const Currency big = Currency::FromRaw(9000000000000000000);
  CurrencySum sum;
  sum.Add(big);
  sum.Add(big);
  sum.Add(Currency::FromRaw(7));
  EXPECT_EQ(sum.Value(), Currency::Max());
  sum.Remove(big);
  EXPECT_EQ(sum.Value(), Currency::FromRaw(9000000000000000007));
  for (int i = 0; i < 3; ++i) sum.Remove(big);
  EXPECT_EQ(sum.Value(), Currency::Min());
  for (int i = 0; i < 2; ++i) sum.Add(big);
  EXPECT_EQ(sum.Value(), Currency::FromRaw(7));
  sum.Add(Currency::Min());
  sum.Add(Currency::Min());
  EXPECT_EQ(sum.Value(), Currency::Min());
  sum.Remove(Currency::Min());
  sum.Remove(Currency::Min());
  sum.Remove(Currency::FromRaw(7));
  EXPECT_EQ(sum, CurrencySum()) << "back to nothing, exactly";
  sum.Add(Currency::FromRaw(-5));
  EXPECT_EQ(sum.Value(), Currency::FromRaw(-5));

  EXPECT_EQ(big + big, Currency::Max());
  EXPECT_EQ(Currency::Min() + Currency::FromRaw(-1), Currency::Min());
  EXPECT_EQ(Currency::FromRaw(-7) - big - big, Currency::Min());
  EXPECT_EQ(Currency::FromRaw(5) + Currency::FromRaw(-7), Currency::FromRaw(-2));
}

}  // namespace
}  // namespace lt
