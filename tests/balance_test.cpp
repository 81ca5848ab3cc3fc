#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/balance.h"
#include "memory_form.h"
#include "shown_word.h"

namespace {

// The unbalanced warning's claim that p4 and p5 "still differ" must be
// visible in what it prints: two different texts, or the difference itself
// (checked against the state's pressures).
void ExpectHonest(const std::string& warning, const calc::CalcState& s) {
  ASSERT_NE(warning.find(" still differ"), std::string::npos) << warning;
  const std::string p4 = WordAfter(warning, "p4 = "), p5 = WordAfter(warning, "p5 = ");
  ASSERT_FALSE(p4.empty() || p5.empty()) << warning;
  if (p4 != p5) return;
  const std::string by = WordAfter(warning, "still differ, by ");
  ASSERT_FALSE(by.empty()) << "equal pressures said to differ: " << warning;
  EXPECT_NEAR(std::stod(by), std::fabs(s.p4 - s.p5), 0.05 * std::fabs(s.p4 - s.p5)) << warning;
}

}  // namespace

TEST(PressuresBalance, WithinAFractionOfTheFreeStreamPressure) {
  EXPECT_TRUE(calc::PressuresBalance(3.00009, 3.0, 1.0));
  EXPECT_FALSE(calc::PressuresBalance(3.0002, 3.0, 1.0));
  EXPECT_TRUE(calc::PressuresBalance(300009.0, 300000.0, 1e5));
  EXPECT_TRUE(calc::PressuresBalance(0.0, 0.0, 0.0));
}

TEST(PressuresBalance, HugePressuresBalanceToTheirRounding) {
  // At p1 = 3 a pressure of 2e12 has 4.9e-4 between neighbouring doubles,
  // more than 1e-4 of p1: a few of those steps are one pressure.
  const double p = 2163094224317.7715;
  const double two_steps = std::nextafter(std::nextafter(p, 1e300), 1e300);
  EXPECT_TRUE(calc::PressuresBalance(p, two_steps, 3.0));
  EXPECT_TRUE(calc::PressuresBalance(two_steps, p, 3.0));
  EXPECT_FALSE(calc::PressuresBalance(p, p * (1 + 1e-13), 3.0));
  EXPECT_FALSE(calc::PressuresBalance(std::numeric_limits<double>::infinity(), p, 3.0));
}

TEST(UnbalancedWarning, StepSearchAtHugePressuresEndsBalanced) {
  // It used to stall a rounding apart and warn that 2163094224317.77 and
  // 2163094224317.77 "still differ".
  MemoryForm f;
  f.SetInputs("773379", "3", "30", "5");
  f.form.hesapla(calc::SlipLineSearch::Iteras);
  const calc::CalcState& s = f.form.State();
  for (const std::string& warning : f.warnings.shown) ExpectHonest(warning, s);
  EXPECT_TRUE(f.warnings.shown.empty());
  EXPECT_LT(f.List1.items.size(), 100u);
  EXPECT_LE(std::fabs(s.p4 - s.p5), 8 * std::numeric_limits<double>::epsilon() * s.p4);
}

TEST(UnbalancedWarning, PressuresEqualToTheShownDigitsComeWithTheirDifference) {
  // 1e-4 of p1 = 0.5 is below the third decimal the warning shows.
  MemoryForm f;
  f.SetInputs("10", "0.5", "30", "10");
  f.form.hesapla();
  ASSERT_EQ(f.warnings.shown.size(), 1u);
  ExpectHonest(f.warnings.shown[0], f.form.State());
  EXPECT_NE(f.warnings.shown[0].find("p4 = 57.288 and p5 = 57.288 still differ, by "), std::string::npos)
      << f.warnings.shown[0];
}
