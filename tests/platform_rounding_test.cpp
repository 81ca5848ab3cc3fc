#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/rounding.h"

using platform::Round;

TEST(Rounding, ExactTiesGoToTheEvenDigit) {
  EXPECT_EQ(Round(0.125, 2), 0.12);
  EXPECT_EQ(Round(0.375, 2), 0.38);
  EXPECT_EQ(Round(1.0625, 3), 1.062);
  EXPECT_EQ(Round(1.1875, 3), 1.188);
  EXPECT_EQ(Round(-0.125, 2), -0.12);
  EXPECT_EQ(Round(2.5, 0), 2.0);
  EXPECT_EQ(Round(3.5, 0), 4.0);
}

TEST(Rounding, NearTiesFollowTheExactBinaryValue) {
  // 10.025 is stored a hair above the tie, 2.675 a hair below it.
  EXPECT_EQ(Round(10.025, 2), 10.03);
  EXPECT_EQ(Round(2.675, 2), 2.67);
}

TEST(Rounding, OrdinaryValues) {
  EXPECT_EQ(Round(2.8400065659073532, 3), 2.84);
  EXPECT_EQ(Round(27.382529030082456, 2), 27.38);
  EXPECT_EQ(Round(4.97999831, 2), 4.98);
  EXPECT_EQ(Round(2.7497129835204452, 3), 2.75);
  EXPECT_EQ(Round(5.0, 2), 5.0);
}

TEST(Rounding, HugeAndTinyValues) {
  EXPECT_EQ(Round(1e300, 2), 1e300);
  EXPECT_EQ(Round(-1.7976931348623157e308, 3), -1.7976931348623157e308);
  EXPECT_EQ(Round(1e-300, 3), 0.0);
  EXPECT_TRUE(std::signbit(Round(-0.001, 2)));  // a negative zero
}

TEST(Rounding, FastPathAgreesWithTheExactDecimalRounding) {
  // Every double on a fine grid, and values right beside decimal ties, must
  // round exactly as the exact decimal expansion says.
  const auto exact = [](double x, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, x);
    return std::strtod(text, nullptr);
  };
  for (int places = 0; places <= 5; ++places) {
    for (int i = -20000; i <= 20000; ++i) {
      const double x = i * 0.000731 + 0.5e-3;
      ASSERT_EQ(Round(x, places), exact(x, places)) << x << " to " << places;
      const double tie = (i + 0.5) / std::pow(10.0, places);
      for (const double near : {std::nextafter(tie, -1e9), tie, std::nextafter(tie, 1e9)}) {
        ASSERT_EQ(Round(near, places), exact(near, places)) << near << " to " << places;
      }
    }
  }
}
