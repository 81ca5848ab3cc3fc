// The configuration object of the JSON report: its keys in order, nulls where
// nothing exists, and the values of the configuration it describes.
#include <gtest/gtest.h>

#include "cli/configuration_json.h"

TEST(ConfigurationJson, MachIntersectionWithBothTriplePoints) {
  const exact::Configuration c = exact::FindConfiguration(3.0, 30.0, 25.0);
  const nlohmann::ordered_json j = cli::ConfigurationToJson(c);
  std::vector<std::string> keys;
  for (const auto& [key, value] : j.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"kind", "reason", "criteria", "mach"}));
  EXPECT_EQ(j["kind"], "mach");
  EXPECT_EQ(j["reason"], c.reason);
  const auto& A = j["mach"]["triple_points"]["A"];
  const auto& B = j["mach"]["triple_points"]["B"];
  std::vector<std::string> point_keys, transmitted_keys, stem_keys;
  for (const auto& [key, value] : A.items()) point_keys.push_back(key);
  for (const auto& [key, value] : A["transmitted"].items()) transmitted_keys.push_back(key);
  for (const auto& [key, value] : A["stem"].items()) stem_keys.push_back(key);
  EXPECT_EQ(point_keys, (std::vector<std::string>{"kind", "slip_line", "transmitted", "stem"}));
  EXPECT_EQ(transmitted_keys, (std::vector<std::string>{"deflection", "beta", "M", "p", "direction"}));
  EXPECT_EQ(stem_keys, (std::vector<std::string>{"beta", "M", "p", "direction"}));
  EXPECT_EQ(A["kind"], "direct");
  EXPECT_EQ(A["slip_line"].get<double>(), c.triple_point_A->slip_line);
  EXPECT_EQ(B["transmitted"]["deflection"].get<double>(), c.triple_point_B->transmitted.deflection);
  EXPECT_EQ(B["stem"]["p"].get<double>(), c.triple_point_B->behind_stem.p);
  EXPECT_EQ(j["criteria"]["detachment"]["TetaB"].get<double>(), *c.criteria.detachment);
  EXPECT_EQ(j["criteria"]["von_neumann"]["symmetric"].get<double>(), *c.criteria.von_neumann_symmetric);
}

TEST(ConfigurationJson, NullsWhereNothingExists) {
  // M1 = 2: no von Neumann condition at all, and no Mach intersection.
  const nlohmann::ordered_json j = cli::ConfigurationToJson(exact::FindConfiguration(2.0, 10.0, 5.0));
  EXPECT_EQ(j["kind"], "regular");
  EXPECT_TRUE(j["mach"].is_null());
  EXPECT_TRUE(j["criteria"]["von_neumann"]["TetaB"].is_null());
  EXPECT_TRUE(j["criteria"]["von_neumann"]["symmetric"].is_null());
  EXPECT_TRUE(j["criteria"]["detachment"]["TetaB"].is_number());

  // The note joins the reason.
  const exact::Configuration strong = exact::FindConfiguration(3.0, 15.901, 26.123);
  EXPECT_EQ(cli::ConfigurationToJson(strong)["reason"], strong.reason + "; " + strong.note);
}
