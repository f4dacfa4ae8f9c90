#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/random.h"

namespace kv {
namespace {

TEST(NumberRules, SixteenBitValuesWrap) {
  i16 v = 32767;
  v = Wrap16(v + 1);
  EXPECT_EQ(v, -32768);
  v = Wrap16(v - 1);
  EXPECT_EQ(v, 32767);
  EXPECT_EQ(Wrap16(65536 + 5), 5);
  EXPECT_EQ(Wrap16(-32769), 32767);
}

TEST(NumberRules, ThirtyTwoBitValuesWrap) {
  EXPECT_EQ(Add32(2147483647, 1), -2147483647 - 1);
  EXPECT_EQ(Add32(-2147483647 - 1, -1), 2147483647);
  EXPECT_EQ(Add32(-300, 1), -299);
}

TEST(NumberRules, RealsRoundHalfToEven) {
  struct Case {
    double in;
    i64 out;
  };
  const Case cases[] = {{2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},        {1.5, 2},
                        {2.4999, 2}, {2.5001, 3}, {-0.5, 0},  {277.5, 278}, {-532.5, -532}, {0.0, 0},
                        {7.0, 7},   {-7.2, -7}, {-7.8, -8}};
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(NumberRules, RealToSixteenBitRoundsThenWraps) {
  EXPECT_EQ(ToI16(32767.5), -32768);  // rounds to 32768, which wraps
  EXPECT_EQ(ToI16(1440.5), 1440);
}

TEST(NumberRules, ModKeepsTheSignOfTheDividend) {
  EXPECT_EQ(Mod(-9, 10), -9);
  EXPECT_EQ(Mod(9, 10), 9);
  EXPECT_EQ(Mod(-300, 10), 0);
  EXPECT_EQ(Mod(21, 10), 1);
  EXPECT_EQ(Mod(9, -10), 9);
}

TEST(NumberRules, FlagsAreMinusOneAndZero) {
  EXPECT_EQ(Flag(true), -1);
  EXPECT_EQ(Flag(false), 0);
}

TEST(RandomSource, UniformInHalfOpenUnitIntervalAndReproducible) {
  Random a(42), b(42), c(43);
  double sum = 0;
  bool differs = false;
  for (int i = 0; i < 20000; ++i) {
    const double x = a.Next();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_EQ(x, b.Next());
    if (x != c.Next()) differs = true;
    sum += x;
  }
  EXPECT_TRUE(differs);
  EXPECT_NEAR(sum / 20000, 0.5, 0.01);
}

// R(2, 28) gives 28, 29, 30 with chances 1/4, 1/2, 1/4; R(4, 0) gives 0..4 with 1/8, 1/4, 1/4, 1/4, 1/8.
TEST(RandomSource, RoundedRangesHaveHalfWeightEnds) {
  Random rng(7);
  int a[3] = {0, 0, 0};
  int b[5] = {0, 0, 0, 0, 0};
  const int n = 80000;
  for (int i = 0; i < n; ++i) {
    const i64 x = rng.R(2, 28);
    ASSERT_GE(x, 28);
    ASSERT_LE(x, 30);
    ++a[x - 28];
    const i64 y = rng.R(4, 0);
    ASSERT_GE(y, 0);
    ASSERT_LE(y, 4);
    ++b[y];
  }
  EXPECT_NEAR(a[0] / double(n), 0.25, 0.01);
  EXPECT_NEAR(a[1] / double(n), 0.50, 0.01);
  EXPECT_NEAR(a[2] / double(n), 0.25, 0.01);
  EXPECT_NEAR(b[0] / double(n), 0.125, 0.01);
  EXPECT_NEAR(b[2] / double(n), 0.25, 0.01);
  EXPECT_NEAR(b[4] / double(n), 0.125, 0.01);
}

}  // namespace
}  // namespace kv
