#include "engine/power_of_ten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace quantivo::engine {
namespace {

// glibc's strtold rounds every decimal correctly, so it names the nearest value.
Extended Nearest(const std::string& decimal) {
  return std::strtold(decimal.c_str(), nullptr);
}

TEST(ScaleByPowerOfTen, EachStepIsTheNearestPowerOfTen) {
  for (int n = 0; n < 32; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(ScaleByPowerOfTen(1, n, false), Nearest("1e" + std::to_string(n)));
  }
  for (int n = 32; n < 512; n += 32) {
    SCOPED_TRACE(n);
    EXPECT_EQ(ScaleByPowerOfTen(1, n, false), Nearest("1e" + std::to_string(n)));
  }
  for (int n = 512; n < kPowerOfTenLimit; n += 512) {
    SCOPED_TRACE(n);
    EXPECT_EQ(ScaleByPowerOfTen(1, n, false), Nearest("1e" + std::to_string(n)));
  }
}

TEST(ScaleByPowerOfTen, AppliesTheStepsInTurnEachRounded) {
  // 10^545 = 10^1 × 10^32 × 10^512, rounded after each multiplication.
  const Extended expected = 3 * Nearest("1e1") * Nearest("1e32") * Nearest("1e512");
  EXPECT_EQ(ScaleByPowerOfTen(3, 545, false), expected);
  EXPECT_EQ(ScaleByPowerOfTen(3, 545, true),
            3 / Nearest("1e1") / Nearest("1e32") / Nearest("1e512"));
}

TEST(ScaleByPowerOfTen, LargestStepsReachTheEndsOfTheRange) {
  EXPECT_TRUE(std::isinf(ScaleByPowerOfTen(1, 5000, false)));
  EXPECT_EQ(ScaleByPowerOfTen(1, 5000, true), 0);
  const Extended top = ScaleByPowerOfTen(1, 4932, false);
  EXPECT_TRUE(std::isfinite(top));
  EXPECT_GT(top, Nearest("9.99e4931"));
}

}  // namespace
}  // namespace quantivo::engine
