#include <gtest/gtest.h>

#include <string>

#include "cli/report_output.h"
#include "cli/run.h"

namespace {

cli::RunReport Calculate(const std::string& m1, const std::string& p1, const std::string& tetaA,
                   const std::string& tetaB,
                   calc::SlipLineSearch search = calc::SlipLineSearch::Iterasyon) {
  return cli::RunCalculation(cli::InputTexts{m1, p1, tetaA, tetaB}, search);
}

}  // namespace

TEST(CliReport, DefaultRunAsJson) {
  const std::string json = cli::ReportToJson(Calculate("3", "1", "10", "5"), false);
  EXPECT_NE(json.find("\"results\": {\n"
                      "    \"Text_BetaA\": \"27.38\",\n"
                      "    \"Text_M2\": \"2.505\",\n"
                      "    \"Text_p2\": \"2.054\",\n"
                      "    \"Text_BetaB\": \"23.13\",\n"
                      "    \"Text_M3\": \"2.75\",\n"
                      "    \"Text_p3\": \"1.454\",\n"
                      "    \"Text_Fi\": \"4.98\",\n"
                      "    \"Text_TetaC\": \"5.02\",\n"
                      "    \"Text_BetaC\": \"27.39\",\n"
                      "    \"Text_M4\": \"2.295\",\n"
                      "    \"Text_p4\": \"2.84\",\n"
                      "    \"Text_TetaD\": \"9.98\",\n"
                      "    \"Text_BetaD\": \"29.36\",\n"
                      "    \"Text_M5\": \"2.299\",\n"
                      "    \"Text_p5\": \"2.84\"\n"
                      "  },"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"log\": [\n    \"Fi= 7.5   TetaC= 2.5 BetaC= 25.38"), std::string::npos);
  EXPECT_NE(json.find("\"messages\": [],\n  \"warnings\": [],\n  \"error\": null\n}"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.find("\"drawing\""), std::string::npos);
}

TEST(CliReport, FailedRunNamesKindAndPlace) {
  const cli::RunReport report = Calculate("3", "1", "10", "10");
  ASSERT_TRUE(report.error.has_value());
  EXPECT_EQ(report.results.size(), 6u) << "only rows 1 to 6 were written";
  EXPECT_EQ(report.log.size(), 21u);
  const std::string json = cli::ReportToJson(report, false);
  EXPECT_NE(json.find("\"error\": {\"kind\": \"invalid-argument\", \"where\": \"slip-line step 22, "
                      "shock C\""),
            std::string::npos)
      << json;
}

TEST(CliReport, MessagesAndWarningsAreReported) {
  const cli::RunReport near_detachment = Calculate("3", "1", "33.7", "5");
  EXPECT_FALSE(near_detachment.messages.empty());
  EXPECT_EQ(near_detachment.messages[0], "iterasyon 20 adımda yakınsamadı");

  const cli::RunReport unbalanced = Calculate("3", "1", "5", "10");
  EXPECT_FALSE(unbalanced.error.has_value());
  ASSERT_EQ(unbalanced.warnings.size(), 1u);
  const std::string text = cli::ReportToText(unbalanced);
  EXPECT_NE(text.find("Warning: The slip-line search did not balance"), std::string::npos);
}

TEST(CliReport, DrawingRoundTripsEveryFloat) {
  const cli::RunReport report = Calculate("3", "1", "10", "5");
  const std::string json = cli::ReportToJson(report, true);
  EXPECT_NE(json.find("\"drawing\": [\n    [\"Scale\", -50, 16.372663, 50, -2.7287772],\n"
                      "    [\"Cls\"],\n"
                      "    [\"Line\", -40, 0, 40, 0, 5],\n"
                      "    [\"Line\", 0, 0, 0, 13.643887, 5],\n"
                      "    [\"PSet\", 0, 1, 16711680],"),
            std::string::npos)
      << json.substr(0, 800);
  EXPECT_NE(json.find("[\"Circle\", 10, 2.054448, 0.7, 16711680]"), std::string::npos);
}

TEST(CliReport, TextTableListsEveryRow) {
  const std::string text = cli::ReportToText(Calculate("0", "1", "10", "5"));
  EXPECT_NE(text.find("Beta-A   = (not reached)"), std::string::npos) << text;
  EXPECT_NE(text.find("Error: M1 = 0: the free stream must be supersonic (M1 above 1) for a shock "
                      "to stand in it. (The calculation stopped with the error \"division by "
                      "zero\" at shock A.)"),
            std::string::npos)
      << text;
}

TEST(CliReport, JsonEscapesControlCharacters) {
  cli::RunReport report;
  report.log = {"a\"b\\c\n\x01"};
  const std::string json = cli::ReportToJson(report, false);
  EXPECT_NE(json.find(R"("log": [
    "a\"b\\c\n\u0001"
  ])"), std::string::npos) << json;
}

TEST(CliExactMode, ShowsTheWindowsTextsAndFullPrecision) {
  const cli::RunReport report = cli::RunExactCalculation(cli::InputTexts{}, 1.4);
  ASSERT_FALSE(report.error.has_value());
  ASSERT_EQ(report.results.size(), 15u);
  // The exact solution rounds to the same texts as the slip-line iteration.
  const char* expected[] = {"27.38", "2.505", "2.054", "23.13", "2.75", "1.454", "4.98", "5.02",
                            "27.39", "2.295", "2.84",  "9.98",  "29.36", "2.299", "2.84"};
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(report.results[i].second, expected[i]) << i;
  const std::string json = cli::ReportToJson(report, false);
  EXPECT_NE(json.find("\"Fi\": 4.9798466"), std::string::npos) << json;
  EXPECT_NE(json.find("\"1\": {\"M\": 3, \"p\": 1, \"direction\": 0}"), std::string::npos);
  EXPECT_NE(json.find("\"max_deflection\": 34.0734397"), std::string::npos);
  // One log line for each evaluation of the balance; the diagram as the searches draw it.
  EXPECT_EQ(report.log.size(), static_cast<std::size_t>(report.exact->evaluations));
  EXPECT_EQ(report.log.front().rfind("n= 1  Fi= -5  p4= ", 0), 0u) << report.log.front();
  ASSERT_FALSE(report.drawing.calls.empty());
  const auto* marker = std::get_if<diagram::CircleCall>(&report.drawing.calls.back());
  ASSERT_NE(marker, nullptr);
  EXPECT_FLOAT_EQ(marker->x, static_cast<float>(report.exact->Fi));
  EXPECT_FLOAT_EQ(marker->y, static_cast<float>(report.exact->region4.p));
}

TEST(CliExactMode, NamesWhyThereIsNoSolution) {
  // Rows 1 to 6 are shown whenever both incident shocks stand.
  const auto kind = [](const char* m1, const char* tetaA, const char* tetaB, std::size_t rows) {
    const cli::RunReport r = cli::RunExactCalculation(cli::InputTexts{m1, "1", tetaA, tetaB}, 1.4);
    EXPECT_EQ(r.results.size(), rows) << m1 << " " << tetaA << " " << tetaB;
    return r.error ? r.error->kind + " at " + r.error->where : std::string("none");
  };
  EXPECT_EQ(kind("1.5", "10", "10", 6), "no-regular-intersection at slip line");
  EXPECT_EQ(kind("3", "40", "5", 0), "detached at shock A");
  EXPECT_EQ(kind("3", "10", "40", 3), "detached at shock B");
  EXPECT_EQ(kind("3", "10", "-5", 3), "invalid-input at shock B");
  EXPECT_EQ(kind("0", "10", "5", 0), "invalid-input at free stream");
  EXPECT_EQ(kind("1e400", "10", "5", 0), "overflow at reading M1");
}

TEST(CliExactMode, OtherRatioOfSpecificHeats) {
  const cli::RunReport air = cli::RunExactCalculation(cli::InputTexts{}, 1.4);
  const cli::RunReport other = cli::RunExactCalculation(cli::InputTexts{}, 1.3);
  ASSERT_TRUE(air.exact && other.exact);
  EXPECT_LT(other.exact->shockA.beta, air.exact->shockA.beta);
  EXPECT_EQ(other.exact->region1.M, 3.0);
  EXPECT_NE(cli::ReportToJson(other, false).find("\"gamma\": 1.3,"), std::string::npos);
}

TEST(CliReport, IterativeSearchesPointToTheExactSolution) {
  const cli::RunReport unbalanced = Calculate("3", "1", "5", "10");
  ASSERT_EQ(unbalanced.warnings.size(), 1u);
  EXPECT_NE(unbalanced.warnings[0].text.find("The exact solution is Fi = -4.98 with p4 = p5 = 2.84."),
            std::string::npos)
      << unbalanced.warnings[0].text;

  const cli::RunReport failed = Calculate("3", "1", "10", "10");
  ASSERT_TRUE(failed.error.has_value());
  EXPECT_NE(failed.error->description.find("The exact solution is Fi = 0 with p4 = p5 = 3.833."),
            std::string::npos)
      << failed.error->description;

  const cli::RunReport no_crossing = Calculate("1.6", "1", "13.5", "1");
  ASSERT_TRUE(no_crossing.error.has_value());
  EXPECT_NE(no_crossing.error->description.find("There is no regular solution: neither a regular nor a Mach"),
            std::string::npos)
      << no_crossing.error->description;

  // Failures outside the slip-line search need no exact note.
  const cli::RunReport detached = Calculate("3", "1", "40", "5");
  ASSERT_TRUE(detached.error.has_value());
  EXPECT_EQ(detached.error->description.find("exact"), std::string::npos);
}

// Beyond detachment a Mach stem joins the shocks: no error, the states behind
// A and B in rows 1 to 6, the configuration in the JSON.
TEST(CliExactMode, MachIntersectionIsAResult) {
  const cli::RunReport r = cli::RunExactCalculation(cli::InputTexts{"5", "1", "28", "28"}, 1.4);
  EXPECT_FALSE(r.error.has_value());
  EXPECT_EQ(r.results.size(), 6u);
  const std::string json = cli::ReportToJson(r, false);
  EXPECT_NE(json.find("\"kind\": \"mach\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"triple_points\": {"), std::string::npos);
}
