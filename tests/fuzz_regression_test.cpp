// Inputs the fuzz target once failed on, each with what the calculation must
// do instead. Every case goes through the fuzz target's own checks and pins
// where the calculation now stops.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "cli/run.h"
#include "tests/fuzz/calculation_check.h"

namespace {

using calc::SlipLineSearch;

struct Expected {
  std::string kind;
  std::string where;
};

void ExpectStopsCleanly(const std::string& fuzzInput, const Expected& expected) {
  const cli::InputTexts inputs = fuzz::SplitInputs(fuzzInput);
  for (const SlipLineSearch search : {SlipLineSearch::Iterasyon, SlipLineSearch::Iteras}) {
    EXPECT_EQ(fuzz::FindViolation(inputs, search), "");
    const cli::RunReport report = cli::RunCalculation(inputs, search);
    ASSERT_TRUE(report.error.has_value()) << fuzz::Describe(inputs);
    EXPECT_EQ(report.error->kind, expected.kind);
    EXPECT_EQ(report.error->where, expected.where);
  }
}

// A pressure beyond the float range scaled the diagram to an infinite top.
TEST(FuzzRegression, HugePressureStopsAtDiagramSetUp) {
  ExpectStopsCleanly("3|1e40|10|5", {"overflow", "diagram set-up"});
}

// A huge Mach number put the polar points of region 1 at infinity.
TEST(FuzzRegression, HugeMachNumberStopsAtFirstPolar) {
  ExpectStopsCleanly("3e30|1|10|5", {"overflow", "polar of region 1"});
  ExpectStopsCleanly("310197977963019797799>|1|10|5", {"overflow", "polar of region 1"});
}

// A huge deflection passes the solver (its tangent is periodic) and put the
// marker of region 2 at an infinite x.
TEST(FuzzRegression, HugeDeflectionStopsAtRegionMarker) {
  ExpectStopsCleanly("2|0533|30e64A|5", {"overflow", "point of region 2"});
  ExpectStopsCleanly("3l1|11|-03e50|5", {"overflow", "point of region 2"});
}

// A warning quotes what was typed, and the typed text may spell "nan": that
// is no non-finite value. One computed still is.
TEST(FuzzChecks, InputQuotedInAWarningIsNoNonFiniteValue) {
  const cli::InputTexts inputs = fuzz::SplitInputs("32E&nan0");
  for (const SlipLineSearch search : {SlipLineSearch::Iterasyon, SlipLineSearch::Iteras}) {
    EXPECT_EQ(fuzz::FindViolation(inputs, search), "");
    // A shorter input quoted inside a longer one's echo.
    EXPECT_EQ(fuzz::FindViolation(fuzz::SplitInputs("385+|1|\"inf\"1\""), search), "");
  }
  cli::RunReport report = cli::RunCalculation(inputs, SlipLineSearch::Iterasyon);
  ASSERT_FALSE(report.warnings.empty());
  EXPECT_EQ(fuzz::FindReportViolation(report, &inputs), "");
  report.warnings.front().text += " p4 = nan";
  EXPECT_NE(fuzz::FindReportViolation(report, &inputs), "");
}

// A failed incident shock at a Mach number beyond 1e100 asked the exact
// largest deflection for its report, which threw past the procedure.
TEST(FuzzRegression, HugeMachNumberWithAFailingShockIsReported) {
  const cli::InputTexts inputs = fuzz::SplitInputs(" 99e123*||1A1|-5");
  for (const SlipLineSearch search : {SlipLineSearch::Iterasyon, SlipLineSearch::Iteras}) {
    EXPECT_EQ(fuzz::FindViolation(inputs, search), "");
  }
}

// The splitting itself: texts after the last separator keep the start texts.
TEST(FuzzInputs, SplitsAtTheFirstThreeSeparators) {
  const cli::InputTexts all = fuzz::SplitInputs("a|b|c|d|e");
  EXPECT_EQ(all.M1, "a");
  EXPECT_EQ(all.p1, "b");
  EXPECT_EQ(all.TetaA, "c");
  EXPECT_EQ(all.TetaB, "d|e");
  const cli::InputTexts one = fuzz::SplitInputs("7");
  EXPECT_EQ(one.M1, "7");
  EXPECT_EQ(one.p1, "1");
  EXPECT_EQ(one.TetaA, "10");
  EXPECT_EQ(one.TetaB, "5");
  const cli::InputTexts empty = fuzz::SplitInputs("|");
  EXPECT_EQ(empty.M1, "");
  EXPECT_EQ(empty.p1, "");
  EXPECT_EQ(empty.TetaA, "10");
}

// The checks pass a good calculation and find each kind of fault in a report.
TEST(FuzzChecks, DefaultCalculationPasses) {
  EXPECT_EQ(fuzz::FindViolation(cli::InputTexts{}, SlipLineSearch::Iterasyon), "");
  EXPECT_EQ(fuzz::FindViolation(cli::InputTexts{}, SlipLineSearch::Iteras), "");
}

TEST(FuzzChecks, FindNonFiniteTexts) {
  const cli::RunReport good = cli::RunCalculation({}, SlipLineSearch::Iterasyon);
  ASSERT_EQ(fuzz::FindReportViolation(good), "");

  cli::RunReport result = good;
  result.results[4].second = "NaN";
  EXPECT_NE(fuzz::FindReportViolation(result), "");
  cli::RunReport log = good;
  log.log.back() += " p5= inf";
  EXPECT_NE(fuzz::FindReportViolation(log), "");
  cli::RunReport warning = good;
  warning.warnings.push_back({calc::WarningKind::Unbalanced, "p4 = -Infinity"});
  EXPECT_NE(fuzz::FindReportViolation(warning), "");
  cli::RunReport message = good;
  message.messages.push_back("nan");
  EXPECT_NE(fuzz::FindReportViolation(message), "");
}

TEST(FuzzChecks, FindNonFiniteDrawing) {
  cli::RunReport report = cli::RunCalculation({}, SlipLineSearch::Iterasyon);
  report.drawing.PSet(0.0f, std::numeric_limits<float>::infinity(), 255);
  EXPECT_NE(fuzz::FindReportViolation(report), "");
}

TEST(FuzzChecks, FindBrokenEndings) {
  const cli::RunReport good = cli::RunCalculation({}, SlipLineSearch::Iterasyon);
  cli::RunReport unfinished = good;
  unfinished.results.pop_back();
  EXPECT_NE(fuzz::FindReportViolation(unfinished), "");
  cli::RunReport reordered = good;
  std::swap(reordered.results[0], reordered.results[1]);
  EXPECT_NE(fuzz::FindReportViolation(reordered), "");
  cli::RunReport silent = good;
  silent.log.clear();
  EXPECT_NE(fuzz::FindReportViolation(silent), "");

  cli::RunReport failed = cli::RunCalculation({"0", "1", "10", "5"}, SlipLineSearch::Iterasyon);
  ASSERT_TRUE(failed.error.has_value());
  ASSERT_EQ(fuzz::FindReportViolation(failed), "");
  failed.error->kind = "detached";
  EXPECT_NE(fuzz::FindReportViolation(failed), "");
}

}  // namespace
