#include <gtest/gtest.h>

#include <cmath>

#include "linetally/tariffs/amount.h"
#include "linetally/tariffs/real48.h"

namespace lt {
namespace {

TEST(Real48, KeepsFortySignificantBitsRoundingHalvesUp) {
  EXPECT_EQ(RoundReal48(1.0L), 1.0L);
  EXPECT_EQ(RoundReal48(0.0L), 0.0L);
  long double ulp = std::ldexp(1.0L, -39);  // of values in [1, 2)
  EXPECT_EQ(RoundReal48(1 + ulp / 2), 1 + ulp) << "a half goes up";
  EXPECT_EQ(RoundReal48(1 + ulp / 2 - ulp / 1024), 1.0L);
  EXPECT_EQ(RoundReal48(-(1 + ulp / 2)), -(1 + ulp)) << "and away from zero below it";
  EXPECT_EQ(RoundReal48(std::ldexp(1.0L, -140)), 0.0L) << "below the format's range";
  long double third = RoundReal48(1.0L / 3);
  EXPECT_NE(third, 1.0L / 3);
  EXPECT_EQ(RoundReal48(third), third);
}

TEST(Real48, ConstantsAreTheNearestExtendedValues) {
  EXPECT_EQ(kOneSixtieth, 1.0L / 60);
  EXPECT_NE(static_cast<long double>(1.0 / 60), kOneSixtieth) << "not a double's constant";
  EXPECT_EQ(kOneHundredth * 100, 1.0L);
}

TEST(StrToAmount, ReadsCommaOrPointAndDropsLaterOnes) {
  EXPECT_EQ(StrToAmount("1,5"), 1.5L);
  EXPECT_EQ(StrToAmount("1.2.5"), 1.25L);
  EXPECT_EQ(StrToAmount("1,2.5"), 1.25L);
  EXPECT_EQ(StrToAmount(".5"), 0.5L);
  EXPECT_EQ(StrToAmount("5"), 5.0L);
  EXPECT_EQ(StrToAmount("0.050"), RoundReal48(0.05L));
  EXPECT_EQ(StrToAmount("."), 0.0L);
  EXPECT_EQ(StrToAmount(","), 0.0L);
}

TEST(StrToAmount, AcceptsBlanksSignAndExponent) {
  EXPECT_EQ(StrToAmount("  -2.5 "), -2.5L);
  EXPECT_EQ(StrToAmount("+1e2"), 100.0L);
  EXPECT_EQ(StrToAmount("25E-1"), 2.5L);
  EXPECT_EQ(StrToAmount("1.e+1"), 10.0L);
}

TEST(StrToAmount, ResultIsTheSixByteRealOfTheNearestExtended) {
  EXPECT_EQ(StrToAmount("0.0395"), RoundReal48(0.0395L));
  EXPECT_NE(StrToAmount("0.0395"), 0.0395L);
  EXPECT_EQ(StrToAmount("000.0300"), RoundReal48(0.03L));
  EXPECT_EQ(StrToAmount("1e-30"), RoundReal48(1e-30L));
  EXPECT_EQ(StrToAmount("123456789012345678901.5"), RoundReal48(123456789012345678901.5L));
  EXPECT_EQ(StrToAmount("-0.5e1"), -5.0L);
}

TEST(StrToAmount, AmountTextRoundsOnceFromTheText) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.2516", "1.25"}, {"0.045", "0.04"},  {"0.055", "0.06"}, {"1.01499", "1.01"}, {"1,015", "1.02"},
      {"1.2.5", "1.25"},  {"2.625", "2.62"},  {" 3 ", "3.00"},   {"1e-2", "0.01"},    {"-0.004", "0.00"},
      {"-1.005", "-1.00"}, {".", "0.00"},     {",e5", "0.00"},   {"123456789012.345", "123456789012.34"},
  };
  for (auto [stored, shown] : cases) EXPECT_EQ(AmountText(stored, 2), shown) << stored;
  EXPECT_THROW(AmountText("abc", 2), AmountConversionError);
}

TEST(StrToAmount, TextsThatDoNotConvertAreFatal) {
  for (const char* text : {"", " ", "1e", "--1", "0x10", "1 2", "abc", "1e+", "+", "-", "e5",
                           "1.5x", "inf", "nan", "1e99999"}) {
    EXPECT_FALSE(TryStrToAmount(text)) << '"' << text << '"';
    EXPECT_THROW(StrToAmount(text), AmountConversionError) << '"' << text << '"';
  }
  try {
    StrToAmount("");
  } catch (const AmountConversionError& error) {
    EXPECT_STREQ(error.what(),
                 "An error occurred during Linetally processing.\nThis is most likely the "
                 "result of too many records in your database.");
  }
}

}  // namespace
}  // namespace lt
