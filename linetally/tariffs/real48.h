#pragma once
// Tariff arithmetic runs in 80-bit long double; every value the tariff code keeps is stored
// as a 6-byte real (40-bit significand, rounded half up), so that rounding is reproduced here.
namespace lt {

// The extended-precision constants nearest to 1/60 and to one hundredth.
inline constexpr long double kOneSixtieth = 1.0L / 60.0L;
inline constexpr long double kOneHundredth = 0.01L;

// x rounded to 40 significant bits, halves away from zero; below the format's range, 0.
long double RoundReal48(long double x);

}  // namespace lt
