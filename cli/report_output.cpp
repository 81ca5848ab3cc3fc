#include "cli/report_output.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <type_traits>

#include "cli/configuration_json.h"
#include "cli/json_layout.h"

namespace cli {

namespace {

Json CallJson(const diagram::SurfaceCall& call) {
  return std::visit(
      [](const auto& c) {
        using Call = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<Call, diagram::ScaleCall>) {
          return Json::array({"Scale", JsonFloat(c.x1), JsonFloat(c.y1), JsonFloat(c.x2), JsonFloat(c.y2)});
        } else if constexpr (std::is_same_v<Call, diagram::ClsCall>) {
          return Json::array({"Cls"});
        } else if constexpr (std::is_same_v<Call, diagram::LineCall>) {
          return Json::array({"Line", JsonFloat(c.x1), JsonFloat(c.y1), JsonFloat(c.x2),
                              JsonFloat(c.y2), c.colour});
        } else if constexpr (std::is_same_v<Call, diagram::PSetCall>) {
          return Json::array({"PSet", JsonFloat(c.x), JsonFloat(c.y), c.colour});
        } else {
          return Json::array({"Circle", JsonFloat(c.x), JsonFloat(c.y), JsonFloat(c.radius), c.colour});
        }
      },
      call);
}

Json ExactJson(const exact::Interaction& x, double gamma) {
  const auto region = [](const exact::RegionState& r) {
    return Json{{"M", JsonNumber(r.M)}, {"p", JsonNumber(r.p)}, {"direction", JsonNumber(r.direction)}};
  };
  const auto shock = [](const exact::ShockState& s) {
    return Json{{"deflection", JsonNumber(s.deflection)}, {"beta", JsonNumber(s.beta)}};
  };
  const auto limits = [](const exact::RegionLimits& l) {
    return Json{{"max_deflection", JsonNumber(l.max_deflection)},
                {"max_beta", JsonNumber(l.max_beta)},
                {"sonic_deflection", JsonNumber(l.sonic_deflection)}};
  };
  Json out;
  out["gamma"] = JsonNumber(gamma);
  out["Fi"] = JsonNumber(x.Fi);
  out["evaluations"] = x.evaluations;
  out["regions"] = Json{{"1", region(x.region1)}, {"2", region(x.region2)}, {"3", region(x.region3)},
                        {"4", region(x.region4)}, {"5", region(x.region5)}};
  out["shocks"] = Json{{"A", shock(x.shockA)}, {"B", shock(x.shockB)}, {"C", shock(x.shockC)},
                       {"D", shock(x.shockD)}};
  out["limits"] = Json{{"1", limits(x.limits1)}, {"2", limits(x.limits2)}, {"3", limits(x.limits3)}};
  return out;
}

struct ResultRow {
  std::string_view control;
  std::string_view label;
  std::string_view unit;
};

constexpr std::array<ResultRow, 15> kResultRows{{
    {"Text_BetaA", "Beta-A", "deg   shock angle of shock A"},
    {"Text_M2", "M2", "      Mach number, region 2"},
    {"Text_p2", "p2", "p1    pressure, region 2"},
    {"Text_BetaB", "Beta-B", "deg   shock angle of shock B"},
    {"Text_M3", "M3", "      Mach number, region 3"},
    {"Text_p3", "p3", "p1    pressure, region 3"},
    {"Text_Fi", "Fi", "deg   slip-line direction"},
    {"Text_TetaC", "Teta-C", "deg   deflection across shock C"},
    {"Text_BetaC", "Beta-C", "deg   shock angle of shock C"},
    {"Text_M4", "M4", "      Mach number, region 4"},
    {"Text_p4", "p4", "p1    pressure, region 4"},
    {"Text_TetaD", "Teta-D", "deg   deflection across shock D"},
    {"Text_BetaD", "Beta-D", "deg   shock angle of shock D"},
    {"Text_M5", "M5", "      Mach number, region 5"},
    {"Text_p5", "p5", "p1    pressure, region 5"},
}};

}  // namespace

Json ReportJson(const RunReport& report, bool with_drawing) {
  Json out;
  Json results = Json::object();
  for (const auto& [control, text] : report.results) results[control] = text;
  out["results"] = std::move(results);
  out["log"] = report.log;
  out["messages"] = report.messages;
  Json warnings = Json::array();
  for (const calc::Warning& warning : report.warnings) {
    warnings.push_back({{"kind", calc::WarningKindName(warning.kind)}, {"text", warning.text}});
  }
  out["warnings"] = std::move(warnings);
  out["error"] = report.error ? Json{{"kind", report.error->kind},
                                     {"where", report.error->where},
                                     {"description", report.error->description}}
                              : Json(nullptr);
  if (!report.exports.empty()) {
    Json exports = Json::array();
    for (const PictureExport& e : report.exports) {
      exports.push_back({{"picture", e.picture}, {"file", e.file}, {"written", e.error.empty()},
                         {"error", e.error.empty() ? Json(nullptr) : Json(e.error)}});
    }
    out["export"] = std::move(exports);
  }
  if (report.exact) out["exact"] = ExactJson(*report.exact, report.gamma);
  if (report.configuration) out["configuration"] = ConfigurationToJson(*report.configuration);
  if (with_drawing) {
    Json drawing = Json::array();
    for (const diagram::SurfaceCall& call : report.drawing.calls) drawing.push_back(CallJson(call));
    out["drawing"] = std::move(drawing);
  }
  return out;
}

std::string ReportToJson(const RunReport& report, bool with_drawing) {
  return WriteJson(ReportJson(report, with_drawing),
                   {"results", "log", "messages", "warnings", "export", "drawing"});
}

std::string ReportToText(const RunReport& report) {
  std::string out;
  for (const ResultRow& row : kResultRows) {
    std::string value = "(not reached)";
    for (const auto& [control, text] : report.results) {
      if (control == row.control) value = text;
    }
    std::array<char, 160> line{};
    std::snprintf(line.data(), line.size(), "%-8s = %-14s %s\n", std::string(row.label).c_str(),
                  value.c_str(), std::string(row.unit).c_str());
    out += line.data();
  }
  out += "\nIteration log (" + std::to_string(report.log.size()) + " lines):\n";
  for (const std::string& line : report.log) out += line + "\n";
  for (const std::string& message : report.messages) out += "Message: " + message + "\n";
  for (const calc::Warning& warning : report.warnings) out += "Warning: " + warning.text + "\n";
  if (report.error) out += "Error: " + report.error->description + "\n";
  return out;
}

}  // namespace cli
