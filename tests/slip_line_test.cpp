#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "calc/oblique_shock.h"
#include "diagram/colours.h"
#include "memory_form.h"
#include "platform/runtime_error.h"

namespace {

// Regions 2 and 3 behind the incident shocks, as the Calculate procedure
// hands them to a slip-line search.
struct Incident {
  double M2, p2, M3, p3;
};

class SlipLine : public ::testing::Test {
 protected:
  Incident Solve(double M1, double p1, double tetaA, double tetaB) {
    f.form.State().p1 = p1;
    Incident r{};
    double beta = 0;
    calc::Beta_için_iterasyon(f.messages, M1, p1, f.Rad(tetaA), beta, r.M2, r.p2);
    calc::Beta_için_iterasyon(f.messages, M1, p1, f.Rad(tetaB), beta, r.M3, r.p3);
    return r;
  }
  void Iterasyon(double M1, double p1, double tetaA, double tetaB) {
    const Incident r = Solve(M1, p1, tetaA, tetaB);
    f.form.iterasyon(f.Rad(tetaA), f.Rad(tetaB), r.M2, r.M3, r.p2, r.p3);
  }
  void Iteras(double M1, double p1, double tetaA, double tetaB) {
    const Incident r = Solve(M1, p1, tetaA, tetaB);
    f.form.iteras(f.Rad(tetaA), f.Rad(tetaB), r.M2, r.M3, r.p2, r.p3);
  }
  const diagram::CircleCall* LastCircle() const {
    if (f.Picture1.calls.empty()) return nullptr;
    return std::get_if<diagram::CircleCall>(&f.Picture1.calls.back());
  }

  MemoryForm f;
};

}  // namespace

TEST_F(SlipLine, DefaultInputsBalanceInNineSteps) {
  Iterasyon(3, 1, 10, 5);
  ASSERT_EQ(f.List1.items.size(), 9u);
  EXPECT_EQ(f.List1.items[0],
            "Fi= 7.5   TetaC= 2.5 BetaC= 25.38 M4= 2.399 p4= 2.421   TetaD= 12.5 BetaD= 31.76 "
            "M5= 2.184 p5= 3.311");
  EXPECT_EQ(f.List1.items[1],
            "Fi= 5.17   TetaC= 4.83 BetaC= 27.23 M4= 2.303 p4= 2.807   TetaD= 10.17 BetaD= 29.53 "
            "M5= 2.29 p5= 2.874");
  EXPECT_EQ(f.List1.items[8],
            "Fi= 4.98   TetaC= 5.02 BetaC= 27.39 M4= 2.295 p4= 2.84   TetaD= 9.98 BetaD= 29.36 "
            "M5= 2.299 p5= 2.84");

  const calc::CalcState& s = f.form.State();
  EXPECT_NEAR(s.Fi, 4.97999831, 0.5e-8);  // unrounded at the end
  EXPECT_EQ(s.TetaC, 5.02);
  EXPECT_EQ(s.TetaD, 9.98);
  EXPECT_EQ(s.BetaC, 27.39);
  EXPECT_EQ(s.BetaD, 29.36);
  EXPECT_NEAR(s.M4, 2.295381, 0.5e-6);
  EXPECT_NEAR(s.p4, 2.840007, 0.5e-6);
  EXPECT_NEAR(s.M5, 2.298825, 0.5e-6);
  EXPECT_NEAR(s.p5, 2.840076, 0.5e-6);
  EXPECT_TRUE(f.messages.shown.empty());

  const diagram::CircleCall* marker = LastCircle();
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(marker->x, static_cast<float>(s.Fi));
  EXPECT_EQ(marker->y, static_cast<float>(s.p4));
  EXPECT_EQ(marker->radius, 0.7f);
  EXPECT_EQ(marker->colour, diagram::kRed);
}

TEST_F(SlipLine, ZeroDeflectionOfShockB) {
  Iterasyon(3, 1, 10, 0);
  EXPECT_EQ(f.List1.items.size(), 9u);
  EXPECT_NEAR(f.form.State().Fi, 10.0002, 0.5e-4);
}

TEST_F(SlipLine, StartAtZeroNeverMoves) {
  Iterasyon(3, 1, 5, -5);
  ASSERT_EQ(f.List1.items.size(), 100u);
  for (const std::string& line : f.List1.items) {
    ASSERT_EQ(line,
              "Fi= 0   TetaC= 5 BetaC= 25.06 M4= 2.522 p4= 2.059   TetaD= -5 BetaD= 14.75 "
              "M5= 3.59 p5= 0.431");
  }
  EXPECT_TRUE(f.messages.shown.empty());
  const diagram::CircleCall* marker = LastCircle();
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(marker->x, 0.0f);
  EXPECT_NEAR(marker->y, 2.059, 0.5e-3);
}

TEST_F(SlipLine, StrongerShockBRunsToZero) {
  Iterasyon(3, 1, 5, 10);
  ASSERT_EQ(f.List1.items.size(), 100u);
  EXPECT_EQ(f.List1.items[0],
            "Fi= 7.5   TetaC= -2.5 BetaC= 19.66 M4= 2.871 p4= 1.21   TetaD= 17.5 BetaD= 39.73 "
            "M5= 1.766 p5= 5.802");
  EXPECT_EQ(f.List1.items[1].substr(0, 11), "Fi= -2.32  ");
  EXPECT_LT(std::fabs(f.form.State().Fi), 1e-30);
  EXPECT_TRUE(f.messages.shown.empty());
  const diagram::CircleCall* marker = LastCircle();
  ASSERT_NE(marker, nullptr);
  EXPECT_NEAR(marker->y, 2.059, 0.5e-3);
}

TEST_F(SlipLine, EqualDeflectionsRunAwayAndFailInStep22) {
  f.form.State().Fi = 123;  // from an earlier calculation
  try {
    Iterasyon(3, 1, 10, 10);
    FAIL() << "the iteration must fail";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Kind(), platform::ErrorKind::InvalidArgument);
    EXPECT_EQ(e.Where(), "slip-line step 22, shock C");
  }
  ASSERT_EQ(f.List1.items.size(), 21u);
  EXPECT_EQ(f.List1.items[1].substr(0, 12), "Fi= -0.51   ");
  EXPECT_EQ(f.List1.items[2].substr(0, 12), "Fi= -0.54   ");
  EXPECT_EQ(f.List1.items[20].substr(0, 13), "Fi= -12.62   ");
  EXPECT_EQ(f.form.State().Fi, -12.62);  // rounded value of step 21
  EXPECT_TRUE(f.Picture1.calls.empty()) << "no marker after a failure";
}

TEST_F(SlipLine, BalanceScalesWithThePressureUnit) {
  Iterasyon(3, 2, 10, 5);
  ASSERT_EQ(f.List1.items.size(), 9u);
  EXPECT_NEAR(f.form.State().p4, 2 * 2.840007, 1e-6);
  EXPECT_NEAR(f.form.State().Fi, 4.97999831, 0.5e-8);

  // A tiny pressure unit must not pass for a balance at the start value.
  f.List1.items.clear();
  Iterasyon(3, 0.0001, 10, 5);
  EXPECT_EQ(f.List1.items.size(), 9u);
  EXPECT_NEAR(f.form.State().Fi, 4.97999831, 1e-6);
}

TEST_F(SlipLine, FailureInShockDKeepsShockCOutputs) {
  // Shock D asked for more than region 3 can turn: p4 and M4 of the failing
  // step are written, the rest keep the step before.
  f.form.State().p1 = 1;
  const Incident r = Solve(3, 1, 10, 5);
  f.form.State().M5 = -1;
  EXPECT_THROW(f.form.iterasyon(f.Rad(10), f.Rad(40), r.M2, r.M3, r.p2, r.p3),
               platform::RuntimeError);
  EXPECT_TRUE(f.List1.items.empty());
  EXPECT_EQ(f.form.State().M5, -1);
  EXPECT_GT(f.form.State().M4, 1.0);
}

TEST_F(SlipLine, StepSearchOnDefaultInputs) {
  f.form.State().BetaC = 11;
  f.form.State().BetaD = 22;
  Iteras(3, 1, 10, 5);
  ASSERT_EQ(f.List1.items.size(), 15u);
  EXPECT_EQ(f.List1.items[0], "i= 1  Fi= 7.5  TetaC= 2.5  TetaD= 12.5  p4= 2.4207  p5= 3.31143");
  EXPECT_EQ(f.List1.items[1], "i= 2  Fi= 6  TetaC= 4  TetaD= 11  p4= 2.66396  p5= 3.02443");
  EXPECT_EQ(f.List1.items[14],
            "i= 15  Fi= 4.98  TetaC= 5.02  TetaD= 9.98  p4= 2.84001  p5= 2.84008");
  const calc::CalcState& s = f.form.State();
  EXPECT_NEAR(s.Fi, 4.98, 1e-12);
  EXPECT_NEAR(s.p4, 2.840006, 0.5e-6);
  EXPECT_NEAR(s.p5, 2.840077, 0.5e-6);
  EXPECT_EQ(s.BetaC, 11);  // the step search leaves the shock angles alone
  EXPECT_EQ(s.BetaD, 22);
  const diagram::CircleCall* marker = LastCircle();
  ASSERT_NE(marker, nullptr);
  EXPECT_NEAR(marker->x, 4.98f, 1e-5);
}

TEST_F(SlipLine, StepSearchFindsWhatTheIterationMisses) {
  Iteras(3, 1, 10, 10);
  ASSERT_EQ(f.List1.items.size(), 6u);
  EXPECT_EQ(f.List1.items[5], "i= 6  Fi= 0  TetaC= 10  TetaD= 10  p4= 3.83287  p5= 3.83287");

  f.List1.items.clear();
  Iteras(3, 1, 5, 10);
  ASSERT_EQ(f.List1.items.size(), 19u);
  EXPECT_EQ(f.List1.items[18],
            "i= 19  Fi= -4.98  TetaC= 9.98  TetaD= 5.02  p4= 2.84008  p5= 2.84001");
}

TEST_F(SlipLine, StepSearchWithEqualStartPressuresBalancesAtOnce) {
  Iteras(3, 1, 0, 0);
  ASSERT_EQ(f.List1.items.size(), 1u);
  EXPECT_EQ(f.List1.items[0], "i= 1  Fi= 0  TetaC= 0  TetaD= 0  p4= 1  p5= 1");
  EXPECT_EQ(f.form.State().Fi, 0.0);
}

TEST_F(SlipLine, StepSearchFailureAtStartKeepsTheList) {
  f.List1.AddItem("earlier line");
  const Incident r = Solve(3, 1, 10, 5);
  EXPECT_THROW(f.form.iteras(f.Rad(10), f.Rad(60), r.M2, r.M3, r.p2, r.p3),
               platform::RuntimeError);
  ASSERT_EQ(f.List1.items.size(), 1u);
  EXPECT_EQ(f.List1.items[0], "earlier line");
}
