// The Calculate procedure beyond the original searches: the exact method, the
// exact solution after a failed search, input warnings and failure sentences.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "calc/failure_report.h"
#include "calc/input_reading.h"
#include "diagram/colours.h"
#include "memory_form.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "textbook_shock.h"

namespace {

std::string Shown(long double x, int places) {
  return platform::NumberToText(platform::Round(static_cast<double>(x), places));
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

template <typename Error>
calc::Failure FailureOf(MemoryForm& f, calc::Method method = calc::Method::Iterasyon) {
  try {
    f.form.hesapla(method);
  } catch (const Error& error) {
    return calc::DescribeFailure(error, f.form);
  }
  ADD_FAILURE() << "Calculate did not fail";
  return {};
}

}  // namespace

// M1 = 5 with 20/20: by symmetry the slip line runs along the free stream, and
// C and D each turn their region back by 20 degrees.
TEST(CalculateExactly, SymmetricCaseBalancesOnTheAxis) {
  MemoryForm f;
  f.SetInputs("5", "1", "20", "20");
  f.form.hesapla(calc::Method::Exact);
  const textbook::Shock A = textbook::Weak(5, 20);
  const textbook::Shock C = textbook::Weak(A.M2, 20);
  EXPECT_EQ(f.Text_BetaA.Text(), Shown(A.beta / textbook::kDeg, 2));
  EXPECT_EQ(f.Text_M2.Text(), Shown(A.M2, 3));
  EXPECT_EQ(f.Text_Fi.Text(), "0");
  EXPECT_EQ(f.Text_TetaC.Text(), "20");
  EXPECT_EQ(f.Text_p4.Text(), Shown(A.pressure_ratio * C.pressure_ratio, 3));
  EXPECT_EQ(f.Text_p5.Text(), f.Text_p4.Text());
  EXPECT_EQ(f.Text_M5.Text(), Shown(C.M2, 3));
  // One log line for every evaluation, the first at the end of the range
  // where C reaches its largest deflection.
  ASSERT_EQ(f.List1.items.size(), f.form.Record().search_path.size());
  const std::string& first = f.List1.items.front();
  ASSERT_TRUE(StartsWith(first, "n= 1  Fi= ")) << first;
  EXPECT_NEAR(std::stod(first.substr(10)), static_cast<double>(20 - textbook::MaxDeflectionDeg(A.M2)), 1e-7);
  // The original diagram, with the red marker on the solution.
  const auto& marker = std::get<diagram::CircleCall>(f.Picture1.calls.back());
  EXPECT_EQ(marker.colour, diagram::kRed);
  EXPECT_NEAR(marker.x, 0.0, 1e-6);
  EXPECT_NEAR(marker.y, static_cast<double>(A.pressure_ratio * C.pressure_ratio), 1e-5);
}

// Without a regular intersection the states behind A and B still show and the
// slip-line rows stay as they were. At M1 = 1.5 no Mach stem can stand either,
// which is a failure; at M1 = 5 with 28/28 (beyond detachment, 27.77 degrees)
// the Mach intersection is the result, its triple points in the log.
TEST(CalculateExactly, ShowsTheIncidentShocksWhenThePolarsDoNotCross) {
  MemoryForm f;
  f.SetInputs("1.5", "1", "10", "10");
  const calc::Failure failure = FailureOf<exact::Error>(f, calc::Method::Exact);
  EXPECT_EQ(failure.kind, "no-regular-intersection");
  EXPECT_EQ(failure.where, "slip line");
  EXPECT_TRUE(StartsWith(failure.description, "neither a regular nor a Mach intersection: "));
  EXPECT_EQ(f.Text_M3.Text(), Shown(textbook::Weak(1.5, 10).M2, 3));
  EXPECT_EQ(f.Text_Fi.Text(), "");
  EXPECT_EQ(f.Text_p4.Text(), "0");

  MemoryForm mach;
  mach.SetInputs("5", "1", "28", "28");
  mach.form.hesapla(calc::Method::Exact);
  EXPECT_EQ(mach.Text_M2.Text(), Shown(textbook::Weak(5, 28).M2, 3));
  EXPECT_EQ(mach.Text_Fi.Text(), "");
  ASSERT_EQ(mach.List1.items.size(), 2u);
  EXPECT_TRUE(StartsWith(mach.List1.items[0], "Triple point A (direct):  slip line 12.02")) << mach.List1.items[0];
  EXPECT_TRUE(StartsWith(mach.List1.items[1], "Triple point B (direct):  slip line -12.02"));
  EXPECT_EQ(mach.form.Record().configuration->kind, exact::ConfigurationKind::Mach);
}

// M1 = 3 with 10/10: the slip-line iteration fails in step 22, and the exact
// solution lies on the axis with p4 = p5 = 3.833.
TEST(ShowExactSolution, TakesThePlaceOfAFailedSearch) {
  MemoryForm f;
  f.SetInputs("3", "1", "10", "10");
  const calc::Failure failure = FailureOf<platform::RuntimeError>(f);
  EXPECT_EQ(failure.where, "slip-line step 22, shock C");
  // The sentence names the step, the shock, its deflection and its limit.
  const long double M2 = textbook::Weak(3, 10).M2;
  EXPECT_NE(failure.description.find("Step 22 of the slip-line iteration tried Fi = "), std::string::npos);
  EXPECT_NE(failure.description.find("attached shock at M2 = " + Shown(M2, 3) + " (" +
                                     Shown(textbook::MaxDeflectionDeg(M2), 2) + "\u00b0)"),
            std::string::npos)
      << failure.description;
  EXPECT_NE(failure.description.find("The exact solution is Fi = 0 with p4 = p5 = 3.833."),
            std::string::npos);

  f.form.ShowExactSolution();
  EXPECT_EQ(f.Text_Fi.Text(), "0");
  EXPECT_EQ(f.Text_p4.Text(), "3.833");
  EXPECT_EQ(f.Text_p5.Text(), "3.833");
  EXPECT_EQ(f.List1.items.back(), "Rows 7 to 15 show the exact solution: Fi = 0, p4 = p5 = 3.833.");
  // The diagram is drawn afresh, so that only the exact solution is marked.
  int erased = 0;
  for (const auto& call : f.Picture1.calls) erased += std::holds_alternative<diagram::ClsCall>(call);
  EXPECT_EQ(erased, 2);
  const auto& marker = std::get<diagram::CircleCall>(f.Picture1.calls.back());
  EXPECT_EQ(marker.colour, diagram::kRed);
  const textbook::Shock A = textbook::Weak(3, 10);
  EXPECT_NEAR(marker.y, static_cast<double>(A.pressure_ratio * textbook::Weak(A.M2, 10).pressure_ratio), 1e-6);
}

TEST(FailureReport, NamesTheInputAndTheLimitItBroke) {
  MemoryForm f;
  f.SetInputs("3", "1", "40", "5");
  const calc::Failure detached = FailureOf<platform::RuntimeError>(f);
  EXPECT_TRUE(StartsWith(detached.description,
                         "Teta-A = 40\u00b0 is beyond the largest deflection of an attached shock at "
                         "M1 = 3 (" + Shown(textbook::MaxDeflectionDeg(3), 2) + "\u00b0)."))
      << detached.description;
  // The error's kind comes after the sentence, not before it.
  EXPECT_GT(detached.description.find("invalid argument"), detached.description.find("34.07"));

  f.SetInputs("abc", "1", "10", "5");
  for (const calc::Method method : {calc::Method::Iterasyon, calc::Method::Exact}) {
    const calc::Failure subsonic = method == calc::Method::Exact
                                       ? FailureOf<exact::Error>(f, method)
                                       : FailureOf<platform::RuntimeError>(f, method);
    EXPECT_TRUE(StartsWith(subsonic.description,
                           "M1 = 0 (read from \"abc\"): the free stream must be supersonic"))
        << subsonic.description;
  }
}

namespace {

struct Collected : calc::WarningBox {
  void Warn(const calc::Warning& warning) override { warnings.push_back(warning); }
  std::vector<calc::Warning> warnings;
};

}  // namespace

TEST(InputReading, WarnsWhenTheNumberUsedIsNotAllThatWasTyped) {
  struct Case {
    const char* text;
    double value;
    const char* says;  // empty: no warning
  };
  const Case cases[] = {
      {"2.5", 2.5, ""},
      {" 3 ", 3, ""},
      {"2,5", 2, "\"2,5\" was read as 2; the characters after \"2\" were ignored."},
      {"1e", 1, "\"1e\" was read as 1; the characters after \"1\" were ignored."},
      {"3 5", 35, "\"3 5\" was read as 35; the blanks inside the number were skipped."},
      {"", 0, "the field is empty and was read as 0."},
      {"abc", 0, "\"abc\" does not begin with a number and was read as 0."},
  };
  for (const Case& c : cases) {
    Collected box;
    EXPECT_EQ(calc::ReadInputField("Teta-A", c.text, box), c.value) << c.text;
    if (std::string(c.says).empty()) {
      EXPECT_TRUE(box.warnings.empty()) << c.text;
      continue;
    }
    ASSERT_EQ(box.warnings.size(), 1u) << c.text;
    EXPECT_EQ(box.warnings[0].kind, calc::WarningKind::InputRead);
    EXPECT_EQ(box.warnings[0].text,
              std::string("Teta-A: ") + c.says + " (\".\" is the decimal point.)");
  }
}

TEST(InputReading, UnphysicalInputsWarnWithTheOriginalMethodsOnly) {
  calc::CalcState state;
  state.M1 = -3;
  state.p1 = 0;
  state.TetaA = 10;
  state.TetaB = -5;
  Collected original, exact;
  calc::WarnAboutUnphysicalInputs(state, calc::Method::Iteras, original);
  calc::WarnAboutUnphysicalInputs(state, calc::Method::Exact, exact);
  ASSERT_EQ(original.warnings.size(), 3u);
  for (const calc::Warning& w : original.warnings) EXPECT_EQ(w.kind, calc::WarningKind::NotPhysical);
  EXPECT_TRUE(StartsWith(original.warnings[0].text, "M1 = -3 is negative"));
  EXPECT_NE(original.warnings[0].text.find("those of M1 = 3"), std::string::npos);
  EXPECT_TRUE(StartsWith(original.warnings[1].text, "p1 = 0 is not a positive pressure"));
  EXPECT_TRUE(StartsWith(original.warnings[2].text, "Teta-B = -5\u00b0 is negative"));
  EXPECT_NE(original.warnings[2].text.find("below the Mach angle"), std::string::npos);
  EXPECT_TRUE(exact.warnings.empty());
}
