#include "platform/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zelvane {
namespace {

TEST(RandomSource, DrawsStayInTheHalfOpenUnitRangeWith24Bits) {
  RandomSource random(12345);
  float lowest = 1.0f, highest = 0.0f;
  for (int i = 0; i < 1'000'000; ++i) {
    const float r = random.Next();
    ASSERT_TRUE(r >= 0.0f && r < 1.0f && std::ldexp(r, 24) == std::floor(std::ldexp(r, 24))) << r;
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_LT(lowest, 0.001f);
  EXPECT_GT(highest, 0.999f);
  EXPECT_EQ(random.DrawCount(), 1'000'000u);
}

TEST(RandomSource, ReseedingFromTheClockStartsANewSequenceAndKeepsCounting) {
  RandomSource a(1), b(1);
  EXPECT_EQ(a.Next(), b.Next());
  b.SeedFromClock();
  bool differs = false;
  for (int i = 0; i < 8; ++i) differs |= a.Next() != b.Next();
  EXPECT_TRUE(differs);
  EXPECT_EQ(b.DrawCount(), 9u);
}

// The whole-number choice must equal the double-precision rule for every value the
// source can give.
TEST(RandomSource, WholeNumberChoiceEqualsTheRuleForEveryDraw) {
  for (const int n : {26, 200, (1 << 28) - 1}) {
    for (std::uint32_t bits = 0; bits < (1u << 24); ++bits) {
      const double r = static_cast<float>(bits) * (1.0f / 16777216.0f);
      ASSERT_EQ(RandomSource::ChoiceOf(bits, n), static_cast<int>(std::floor(r * n + 1.0))) << bits << " of " << n;
    }
  }
}

}  // namespace
}  // namespace zelvane
