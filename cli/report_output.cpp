#include "cli/report_output.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <type_traits>

namespace cli {

namespace {

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          std::array<char, 8> escaped{};
          std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
          out += escaped.data();
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

// One item a line, so that a long log stays readable.
void AppendStringArray(std::string& out, const std::vector<std::string>& items) {
  out += '[';
  for (std::size_t i = 0; i < items.size(); ++i) {
    out += i > 0 ? ",\n    " : "\n    ";
    AppendJsonString(out, items[i]);
  }
  out += items.empty() ? "]" : "\n  ]";
}

// Shortest text that reads back to the same float.
void AppendFloat(std::string& out, float x) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
  out.append(text.data(), end);
}

void AppendCall(std::string& out, const diagram::SurfaceCall& call) {
  std::visit(
      [&out](const auto& c) {
        using Call = std::decay_t<decltype(c)>;
        const auto number = [&out](float x) {
          out += ", ";
          AppendFloat(out, x);
        };
        const auto colour = [&out](platform::Colour value) { out += ", " + std::to_string(value); };
        if constexpr (std::is_same_v<Call, diagram::ScaleCall>) {
          out += "[\"Scale\"";
          number(c.x1), number(c.y1), number(c.x2), number(c.y2);
        } else if constexpr (std::is_same_v<Call, diagram::ClsCall>) {
          out += "[\"Cls\"";
        } else if constexpr (std::is_same_v<Call, diagram::LineCall>) {
          out += "[\"Line\"";
          number(c.x1), number(c.y1), number(c.x2), number(c.y2), colour(c.colour);
        } else if constexpr (std::is_same_v<Call, diagram::PSetCall>) {
          out += "[\"PSet\"";
          number(c.x), number(c.y), colour(c.colour);
        } else {
          out += "[\"Circle\"";
          number(c.x), number(c.y), number(c.radius), colour(c.colour);
        }
        out += ']';
      },
      call);
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

// Full precision: the fewest digits that read back to the same double.
void AppendDouble(std::string& out, double x) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
  out.append(text.data(), end);
}

void AppendFields(std::string& out, std::initializer_list<std::pair<const char*, double>> fields) {
  out += '{';
  bool first = true;
  for (const auto& [name, value] : fields) {
    out += first ? "\"" : ", \"";
    first = false;
    out += name;
    out += "\": ";
    AppendDouble(out, value);
  }
  out += '}';
}

void AppendExact(std::string& out, const exact::Interaction& x, double gamma) {
  const auto region = [&out](const char* name, const exact::RegionState& r, bool last = false) {
    out += std::string("      \"") + name + "\": ";
    AppendFields(out, {{"M", r.M}, {"p", r.p}, {"direction", r.direction}});
    out += last ? "\n" : ",\n";
  };
  const auto shock = [&out](const char* name, const exact::ShockState& s, bool last = false) {
    out += std::string("      \"") + name + "\": ";
    AppendFields(out, {{"deflection", s.deflection}, {"beta", s.beta}});
    out += last ? "\n" : ",\n";
  };
  const auto limits = [&out](const char* name, const exact::RegionLimits& l, bool last = false) {
    out += std::string("      \"") + name + "\": ";
    AppendFields(out, {{"max_deflection", l.max_deflection},
                       {"max_beta", l.max_beta},
                       {"sonic_deflection", l.sonic_deflection}});
    out += last ? "\n" : ",\n";
  };
  out += "{\n    \"gamma\": ";
  AppendDouble(out, gamma);
  out += ",\n    \"Fi\": ";
  AppendDouble(out, x.Fi);
  out += ",\n    \"evaluations\": " + std::to_string(x.evaluations);
  out += ",\n    \"regions\": {\n";
  region("1", x.region1);
  region("2", x.region2);
  region("3", x.region3);
  region("4", x.region4);
  region("5", x.region5, true);
  out += "    },\n    \"shocks\": {\n";
  shock("A", x.shockA);
  shock("B", x.shockB);
  shock("C", x.shockC);
  shock("D", x.shockD, true);
  out += "    },\n    \"limits\": {\n";
  limits("1", x.limits1);
  limits("2", x.limits2);
  limits("3", x.limits3, true);
  out += "    }\n  }";
}

}  // namespace

std::string ReportToJson(const RunReport& report, bool with_drawing) {
  std::string out = "{\n  \"results\": {";
  for (std::size_t i = 0; i < report.results.size(); ++i) {
    out += i > 0 ? ",\n    " : "\n    ";
    AppendJsonString(out, report.results[i].first);
    out += ": ";
    AppendJsonString(out, report.results[i].second);
  }
  out += report.results.empty() ? "},\n" : "\n  },\n";
  out += "  \"log\": ";
  AppendStringArray(out, report.log);
  out += ",\n  \"messages\": ";
  AppendStringArray(out, report.messages);
  out += ",\n  \"warnings\": ";
  std::vector<std::string> warnings;
  for (const calc::Warning& warning : report.warnings) warnings.push_back(warning.text);
  AppendStringArray(out, warnings);
  out += ",\n  \"error\": ";
  if (report.error) {
    out += "{\"kind\": ";
    AppendJsonString(out, report.error->kind);
    out += ", \"where\": ";
    AppendJsonString(out, report.error->where);
    out += ", \"description\": ";
    AppendJsonString(out, report.error->description);
    out += '}';
  } else {
    out += "null";
  }
  if (report.exact) {
    out += ",\n  \"exact\": ";
    AppendExact(out, *report.exact, report.gamma);
  }
  if (with_drawing) {
    out += ",\n  \"drawing\": [";
    for (std::size_t i = 0; i < report.drawing.calls.size(); ++i) {
      out += i > 0 ? ",\n    " : "\n    ";
      AppendCall(out, report.drawing.calls[i]);
    }
    out += report.drawing.calls.empty() ? "]" : "\n  ]";
  }
  out += "\n}\n";
  return out;
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
