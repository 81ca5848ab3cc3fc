#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "diagram/colours.h"
#include "memory_form.h"
#include "platform/runtime_error.h"

namespace {

class Calculate : public ::testing::Test {
 protected:
  std::vector<std::string> Results() const {
    return {f.Text_BetaA.Text(), f.Text_M2.Text(),    f.Text_p2.Text(),    f.Text_BetaB.Text(),
            f.Text_M3.Text(),    f.Text_p3.Text(),    f.Text_Fi.Text(),    f.Text_TetaC.Text(),
            f.Text_BetaC.Text(), f.Text_M4.Text(),    f.Text_p4.Text(),    f.Text_TetaD.Text(),
            f.Text_BetaD.Text(), f.Text_M5.Text(),    f.Text_p5.Text()};
  }
  // Runs Calculate and returns the kind it failed with.
  platform::ErrorKind Failing() {
    try {
      f.form.hesapla();
    } catch (const platform::RuntimeError& e) {
      where = e.Where();
      return e.Kind();
    }
    ADD_FAILURE() << "Calculate did not fail";
    return platform::ErrorKind::Overflow;
  }
  template <typename Call>
  std::vector<Call> CallsOf() const {
    std::vector<Call> found;
    for (const auto& call : f.Picture1.calls) {
      if (const auto* c = std::get_if<Call>(&call)) found.push_back(*c);
    }
    return found;
  }

  MemoryForm f;
  std::string where;
};

const std::vector<std::string> kDefaultResults = {"27.38", "2.505", "2.054", "23.13", "2.75",
                                                  "1.454", "4.98",  "5.02",  "27.39", "2.295",
                                                  "2.84",  "9.98",  "29.36", "2.299", "2.84"};

}  // namespace

TEST_F(Calculate, DefaultInputs) {
  f.form.hesapla();
  EXPECT_EQ(Results(), kDefaultResults);
  EXPECT_EQ(f.List1.items.size(), 9u);
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_TRUE(f.warnings.shown.empty());

  const calc::CalcState& s = f.form.State();
  EXPECT_EQ(s.M1, 3);
  EXPECT_EQ(s.TetaA, 10);
  EXPECT_EQ(s.TetaB, 5);
  EXPECT_EQ(s.PolarSteps, 100);
  EXPECT_NEAR(s.M2, 2.5050342351524324, 1e-15);
  EXPECT_NEAR(s.M3, 2.7497129835204452, 1e-15);
  // The inputs keep what was typed.
  EXPECT_EQ(f.Text_M1.Text(), "3");
}

TEST_F(Calculate, DrawsTheDiagramInOrder) {
  f.form.hesapla();
  const auto& calls = f.Picture1.calls;
  ASSERT_GE(calls.size(), 4u);
  EXPECT_TRUE(std::holds_alternative<diagram::ScaleCall>(calls[0]));
  EXPECT_TRUE(std::holds_alternative<diagram::ClsCall>(calls[1]));
  // Two axes, three polars of 201 points, two region points, one solution marker.
  EXPECT_EQ(CallsOf<diagram::LineCall>().size(), 2u);
  const auto points = CallsOf<diagram::PSetCall>();
  ASSERT_EQ(points.size(), 603u);
  EXPECT_EQ(points[0].colour, diagram::kBlue);
  EXPECT_EQ(points[201].colour, diagram::kRed);
  EXPECT_EQ(points[402].colour, diagram::kGreen);
  EXPECT_EQ(points[201].x, 10.0f);
  EXPECT_EQ(points[402].x, -5.0f);
  const auto circles = CallsOf<diagram::CircleCall>();
  ASSERT_EQ(circles.size(), 3u);
  EXPECT_EQ(circles[0].x, 10.0f);
  EXPECT_EQ(circles[0].y, static_cast<float>(2.0544479651940457));
  EXPECT_EQ(circles[0].colour, diagram::kBlue);
  EXPECT_EQ(circles[1].x, -5.0f);
  EXPECT_EQ(circles[1].y, static_cast<float>(1.453980801749747));
  EXPECT_EQ(circles[2].colour, diagram::kRed);
  // The region points lie between the free-stream polar and the region polars.
  EXPECT_TRUE(std::holds_alternative<diagram::CircleCall>(calls[2 + 2 + 201]));
}

TEST_F(Calculate, SameInputsTwiceGiveTheSameOutputs) {
  f.form.hesapla();
  const auto first_results = Results();
  const auto first_log = f.List1.items;
  const auto first_calls = f.Picture1.calls.size();
  f.Picture1.calls.clear();
  f.form.hesapla();
  EXPECT_EQ(Results(), first_results);
  EXPECT_EQ(f.List1.items, first_log);
  EXPECT_EQ(f.Picture1.calls.size(), first_calls);
}

TEST_F(Calculate, SwappedDeflectionsSwapRegionsTwoAndThree) {
  f.SetInputs("3", "1", "5", "10");
  f.form.hesapla();
  const auto r = Results();
  EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 6),
            (std::vector<std::string>{"23.13", "2.75", "1.454", "27.38", "2.505", "2.054"}));
  ASSERT_EQ(f.warnings.shown.size(), 1u) << "100 steps without balance must be told";
  EXPECT_NE(f.warnings.shown[0].find("not a solution"), std::string::npos);
}

TEST_F(Calculate, ZeroDeflectionGivesTheMachWave) {
  f.SetInputs("3", "1", "0", "5");
  f.form.hesapla();
  EXPECT_EQ(f.Text_BetaA.Text(), "19.47");
  EXPECT_EQ(f.Text_M2.Text(), "3");
  EXPECT_EQ(f.Text_p2.Text(), "1");
}

TEST_F(Calculate, PressureScalesWithP1) {
  f.SetInputs("3", "2", "10", "5");
  f.form.hesapla();
  EXPECT_EQ(f.Text_p2.Text(), "4.109");
  EXPECT_EQ(f.Text_p3.Text(), "2.908");
  EXPECT_EQ(f.Text_BetaA.Text(), "27.38");
  EXPECT_EQ(f.Text_p4.Text(), "5.68");
  EXPECT_EQ(f.List1.items.size(), 9u);
}

TEST_F(Calculate, LeadingNumberRuleOnInputs) {
  f.SetInputs("3,5", " 1", "1 0", "5abc");
  f.form.hesapla();
  EXPECT_EQ(Results(), kDefaultResults);

  f.SetInputs("3.5", "1", "10", "5");
  f.form.hesapla();
  EXPECT_EQ(f.form.State().M1, 3.5);
}

TEST_F(Calculate, EmptyOrLetterMachNumberFailsInShockA) {
  f.SetInputs("", "1", "10", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::DivisionByZero);
  EXPECT_EQ(where, "shock A");
  EXPECT_EQ(f.Text_BetaA.Text(), "0") << "nothing written before the failure";
  EXPECT_TRUE(f.Picture1.calls.empty());

  f.SetInputs("Mach 3", "1", "10", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::DivisionByZero);
}

TEST_F(Calculate, EqualDeflectionsFailInTheSearchAndKeepEarlierTexts) {
  f.form.hesapla();  // an earlier, finished calculation
  f.SetInputs("3", "1", "10", "10");
  EXPECT_EQ(Failing(), platform::ErrorKind::InvalidArgument);
  EXPECT_EQ(where, "slip-line step 22, shock C");
  const auto r = Results();
  EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 6),
            (std::vector<std::string>{"27.38", "2.505", "2.054", "27.38", "2.505", "2.054"}));
  // Rows 7 to 15 keep the texts of the earlier calculation.
  EXPECT_EQ(std::vector<std::string>(r.begin() + 6, r.end()),
            std::vector<std::string>(kDefaultResults.begin() + 6, kDefaultResults.end()));
  EXPECT_EQ(f.List1.items.size(), 21u);
  EXPECT_EQ(CallsOf<diagram::CircleCall>().size(), 2u + 3u) << "no new solution marker";
}

TEST_F(Calculate, SubsonicFlowBehindShockAFailsInItsPolar) {
  // At M1 = 3, 34.1 degrees leaves region 2 subsonic (0.97): the solver only
  // warns, the polar of region 2 cannot be drawn.
  f.SetInputs("3", "1", "34.1", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::InvalidArgument);
  EXPECT_EQ(where, "polar of region 2");
  EXPECT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.Text_M2.Text(), "0.97");
}

TEST_F(Calculate, OverflowingInputsNameTheKind) {
  f.SetInputs("3", "1e400", "10", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::Overflow);
  EXPECT_EQ(where, "reading p1");

  f.SetInputs("3", "1e308", "10", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::Overflow);
  EXPECT_EQ(where, "shock A");

  f.SetInputs("1e200", "1", "10", "5");
  EXPECT_EQ(Failing(), platform::ErrorKind::Overflow);
}

TEST_F(Calculate, StepSearchInPlaceOfTheIteration) {
  f.form.hesapla(calc::SlipLineSearch::Iteras);
  EXPECT_EQ(f.List1.items.size(), 15u);
  EXPECT_EQ(f.Text_Fi.Text(), "4.98");
  EXPECT_EQ(f.Text_BetaC.Text(), "0") << "the step search leaves the shock angles empty";
}

TEST_F(Calculate, DiagramWithoutPressureRangeIsRefused) {
  // p1 = -1/3.5 puts Pmax at 0 for M1 = 2 and no deflection: the diagram has no
  // height, and the picture box refuses such a coordinate system.
  f.SetInputs("2", "-0.2857142857142857", "0", "0");
  EXPECT_EQ(Failing(), platform::ErrorKind::InvalidArgument);
  EXPECT_EQ(where, "diagram set-up");
  EXPECT_TRUE(f.Picture1.calls.empty());
}
