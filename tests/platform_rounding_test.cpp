#include <gtest/gtest.h>

#include <cmath>

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
