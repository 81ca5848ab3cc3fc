#include "cli/configuration_json.h"

#include <string>

namespace cli {

namespace {

using nlohmann::ordered_json;

ordered_json OrNull(const std::optional<double>& x) { return x ? ordered_json(*x) : ordered_json(nullptr); }

ordered_json TriplePointToJson(const exact::TriplePoint& t) {
  ordered_json out;
  out["kind"] = std::string(exact::KindName(t.kind));
  out["slip_line"] = t.slip_line;
  out["transmitted"] = {{"deflection", t.transmitted.deflection},
                        {"beta", t.transmitted.beta},
                        {"M", t.behind_transmitted.M},
                        {"p", t.behind_transmitted.p},
                        {"direction", t.behind_transmitted.direction}};
  out["stem"] = {{"beta", t.stem_beta},
                 {"M", t.behind_stem.M},
                 {"p", t.behind_stem.p},
                 {"direction", t.behind_stem.direction}};
  return out;
}

}  // namespace

ordered_json ConfigurationToJson(const exact::Configuration& c) {
  ordered_json out;
  out["kind"] = std::string(exact::KindName(c.kind));
  out["reason"] = c.note.empty() ? c.reason : c.reason + "; " + c.note;
  out["criteria"] = {
      {"von_neumann",
       {{"TetaB", OrNull(c.criteria.von_neumann)}, {"symmetric", OrNull(c.criteria.von_neumann_symmetric)}}},
      {"detachment",
       {{"TetaB", OrNull(c.criteria.detachment)}, {"symmetric", OrNull(c.criteria.detachment_symmetric)}}}};
  if (c.triple_point_A && c.triple_point_B) {
    out["mach"] = {{"triple_points",
                    {{"A", TriplePointToJson(*c.triple_point_A)},
                     {"B", TriplePointToJson(*c.triple_point_B)}}}};
  } else {
    out["mach"] = nullptr;
  }
  return out;
}

}  // namespace cli
