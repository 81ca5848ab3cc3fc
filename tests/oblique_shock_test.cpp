#include <gtest/gtest.h>

#include <cmath>

#include "calc/calc_state.h"
#include "calc/oblique_shock.h"
#include "platform/memory_controls.h"
#include "platform/runtime_error.h"

namespace {

struct ShockCase {
  double M1, p1, teta_deg;
  int passes;
  bool message;
  double beta_deg, M2, p2;
};

void PrintTo(const ShockCase& c, std::ostream* os) {
  *os << "M1=" << c.M1 << " p1=" << c.p1 << " Teta=" << c.teta_deg;
}

}  // namespace

class ObliqueShock : public ::testing::TestWithParam<ShockCase> {
 protected:
  void SetUp() override { calc::FillConstants(state); }
  calc::CalcState state;
  platform::MemoryMessageBox box;
};

// Significant digits as given: beta to 1e-4 degrees, M2 and p2 to 6 digits.
TEST_P(ObliqueShock, ReproducesTheTable) {
  const ShockCase c = GetParam();
  const double teta = c.teta_deg * state.DegToRad;
  const calc::ShockSine sine = calc::IterateShockSine(c.M1, teta);
  EXPECT_EQ(sine.passes, c.passes);
  EXPECT_EQ(sine.converged, !c.message);

  double beta = -1, M2 = -1, p2 = -1;
  calc::Beta_için_iterasyon(box, c.M1, c.p1, teta, beta, M2, p2);
  EXPECT_NEAR(beta / state.DegToRad, c.beta_deg, 0.5e-4);
  EXPECT_NEAR(M2, c.M2, 0.5e-5 * std::max(1.0, c.M2));
  EXPECT_NEAR(p2, c.p2, 0.5e-5 * std::max(1.0, c.p2));
  if (c.message) {
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0], "iterasyon 20 adımda yakınsamadı");
  } else {
    EXPECT_TRUE(box.shown.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ObliqueShock,
    ::testing::Values(ShockCase{3, 1, 10, 7, false, 27.3825, 2.50503, 2.05445},
                      ShockCase{3, 1, 5, 6, false, 23.1332, 2.74971, 1.45398},
                      ShockCase{3, 1, 0, 1, false, 19.4712, 3, 1},
                      ShockCase{3, 2, 10, 7, false, 27.3825, 2.50503, 4.10890},
                      ShockCase{2, 1, 20, 11, false, 53.4226, 1.21023, 2.84283},
                      ShockCase{1.5, 1, 5, 6, false, 47.8892, 1.32530, 1.27798},
                      ShockCase{5, 1, 20, 11, false, 29.8006, 3.02225, 7.03728},
                      ShockCase{3, 1, 33.6, 19, false, 61.1376, 1.08480, 7.88676},
                      ShockCase{3, 1, 33.7, 20, true, 61.6157, 1.06912, 7.96045},
                      ShockCase{3, 1, 34, 20, true, 63.5820, 1.00610, 8.25485},
                      ShockCase{3, 1, 34.1, 20, true, 64.7535, 0.97007, 8.42323},
                      ShockCase{3, 1, -5, 7, false, 16.3721, 3.27773, 0.66759}));

class ObliqueShockFailure : public ::testing::Test {
 protected:
  void SetUp() override { calc::FillConstants(state); }

  // Runs the solver with sentinel outputs; returns the kind raised.
  platform::ErrorKind Fail(double M1, double teta_deg) {
    beta = M2 = p2 = -7;
    try {
      calc::Beta_için_iterasyon(box, M1, 1, teta_deg * state.DegToRad, beta, M2, p2);
    } catch (const platform::RuntimeError& e) {
      return e.Kind();
    }
    ADD_FAILURE() << "M1 = " << M1 << ", Teta = " << teta_deg << " did not fail";
    return platform::ErrorKind::Overflow;
  }
  void ExpectNothingWritten() {
    EXPECT_EQ(beta, -7);
    EXPECT_EQ(M2, -7);
    EXPECT_EQ(p2, -7);
    EXPECT_TRUE(box.shown.empty());
  }

  calc::CalcState state;
  platform::MemoryMessageBox box;
  double beta = 0, M2 = 0, p2 = 0;
};

TEST_F(ObliqueShockFailure, SubsonicAndSonicMachNumbers) {
  using platform::ErrorKind;
  EXPECT_EQ(Fail(0, 10), ErrorKind::DivisionByZero);
  ExpectNothingWritten();
  EXPECT_EQ(Fail(0.8, 10), ErrorKind::InvalidArgument);
  ExpectNothingWritten();
  EXPECT_EQ(Fail(1, 10), ErrorKind::DivisionByZero);
  ExpectNothingWritten();
  EXPECT_EQ(Fail(1, 0), ErrorKind::DivisionByZero);
  EXPECT_EQ(Fail(0.5, -3), ErrorKind::InvalidArgument);
}

TEST_F(ObliqueShockFailure, DeflectionBeyondAttachment) {
  EXPECT_EQ(Fail(3, 35), platform::ErrorKind::InvalidArgument);
  ExpectNothingWritten();
  EXPECT_EQ(Fail(3, 34.3), platform::ErrorKind::InvalidArgument);
  ExpectNothingWritten();
}

TEST_F(ObliqueShockFailure, LargeNegativeDeflection) {
  EXPECT_EQ(Fail(3, -15), platform::ErrorKind::InvalidArgument);
  ExpectNothingWritten();
  EXPECT_EQ(Fail(5, -9.3), platform::ErrorKind::InvalidArgument);
  ExpectNothingWritten();
}

TEST_F(ObliqueShockFailure, OverflowingInputs) {
  EXPECT_EQ(Fail(1e200, 10), platform::ErrorKind::Overflow);
  ExpectNothingWritten();

  // The shock itself is fine; only the pressure behind it overflows, after
  // Beta and M2 are written.
  beta = M2 = p2 = -7;
  try {
    calc::Beta_için_iterasyon(box, 3, 1e308, 10 * state.DegToRad, beta, M2, p2);
    FAIL();
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Kind(), platform::ErrorKind::Overflow);
  }
  EXPECT_NEAR(beta / state.DegToRad, 27.3825, 0.5e-4);
  EXPECT_NEAR(M2, 2.50503, 0.5e-5);
  EXPECT_EQ(p2, -7);
}

TEST(ObliqueShockIteration, ToleranceAndPassLimitBoundaries) {
  calc::CalcState state;
  calc::FillConstants(state);
  // Around the largest deflection at M1 = 3 the passes run out before the
  // estimate climbs past 1; from about -11.92 degrees down as well.
  EXPECT_FALSE(calc::IterateShockSine(3, 33.68 * state.DegToRad).converged);
  EXPECT_TRUE(calc::IterateShockSine(3, 33.6 * state.DegToRad).converged);
  EXPECT_FALSE(calc::IterateShockSine(3, -12 * state.DegToRad).converged);
  EXPECT_TRUE(calc::IterateShockSine(3, -11.8 * state.DegToRad).converged);
  // Zero deflection: the Mach angle, at once.
  const calc::ShockSine mach = calc::IterateShockSine(3, 0);
  EXPECT_EQ(mach.sine, 1.0 / 3.0);
  EXPECT_EQ(mach.passes, 1);
}
