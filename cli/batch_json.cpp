#include "cli/batch_json.h"

#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "cli/configuration_json.h"
#include "cli/json_layout.h"

namespace cli {

namespace {

// A JSON string. Plain printable ASCII is written as it stands; anything else
// goes through nlohmann/json, which escapes it and replaces bytes that are
// not UTF-8, as the single run's output does.
void AppendText(std::string& out, std::string_view text) {
  bool plain = true;
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') {
      plain = false;
      break;
    }
  }
  if (plain) {
    out += '"';
    out += text;
    out += '"';
  } else {
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

// A number as the single run writes it: whole values as integers, others as
// the shortest text that reads back to the same double; null when not finite.
void AppendNumber(std::string& out, double x) {
  const Json number = JsonNumber(x);
  std::array<char, 32> text{};
  char* end = text.data();
  if (number.is_number_integer()) {
    end = std::to_chars(text.data(), text.data() + text.size(), number.get<std::int64_t>()).ptr;
  } else if (std::isfinite(x)) {
    end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
  } else {
    out += "null";
    return;
  }
  out.append(text.data(), end);
}

void AppendKey(std::string& out, std::string_view key) {
  AppendText(out, key);
  out += ':';
}

// A whole JSON tree on one line, scalars written as above.
void AppendJson(std::string& out, const Json& value) {
  if (value.is_object() || value.is_array()) {
    const bool object = value.is_object();
    out += object ? '{' : '[';
    bool first = true;
    for (auto item = value.begin(); item != value.end(); ++item) {
      if (!first) out += ',';
      first = false;
      if (object) AppendKey(out, item.key());
      AppendJson(out, item.value());
    }
    out += object ? '}' : ']';
  } else if (value.is_string()) {
    AppendText(out, value.get_ref<const std::string&>());
  } else if (value.is_number_float()) {
    AppendNumber(out, value.get<double>());
  } else {
    out += value.dump();  // integers, true, false, null
  }
}

void AppendFields(std::string& out, std::initializer_list<std::pair<std::string_view, double>> fields) {
  out += '{';
  bool first = true;
  for (const auto& [name, value] : fields) {
    if (!first) out += ',';
    first = false;
    AppendKey(out, name);
    AppendNumber(out, value);
  }
  out += '}';
}

void AppendExact(std::string& out, const exact::Interaction& x, double gamma) {
  out += "{\"gamma\":";
  AppendNumber(out, gamma);
  out += ",\"Fi\":";
  AppendNumber(out, x.Fi);
  out += ",\"evaluations\":" + std::to_string(x.evaluations) + ",\"regions\":{";
  const exact::RegionState* regions[] = {&x.region1, &x.region2, &x.region3, &x.region4, &x.region5};
  for (int i = 0; i < 5; ++i) {
    out += i > 0 ? ",\"" : "\"";
    out += static_cast<char>('1' + i);
    out += "\":";
    AppendFields(out, {{"M", regions[i]->M}, {"p", regions[i]->p}, {"direction", regions[i]->direction}});
  }
  out += "},\"shocks\":{";
  const exact::ShockState* shocks[] = {&x.shockA, &x.shockB, &x.shockC, &x.shockD};
  for (int i = 0; i < 4; ++i) {
    out += i > 0 ? ",\"" : "\"";
    out += static_cast<char>('A' + i);
    out += "\":";
    AppendFields(out, {{"deflection", shocks[i]->deflection}, {"beta", shocks[i]->beta}});
  }
  out += "},\"limits\":{";
  const exact::RegionLimits* limits[] = {&x.limits1, &x.limits2, &x.limits3};
  for (int i = 0; i < 3; ++i) {
    out += i > 0 ? ",\"" : "\"";
    out += static_cast<char>('1' + i);
    out += "\":";
    AppendFields(out, {{"max_deflection", limits[i]->max_deflection},
                       {"max_beta", limits[i]->max_beta},
                       {"sonic_deflection", limits[i]->sonic_deflection}});
  }
  out += "}}";
}

}  // namespace

std::string BatchJsonLine(long row, const RowInputs& inputs, const RunReport& report) {
  std::string out;
  out.reserve(report.exact ? 2048 : 512);
  out += "{\"row\":" + std::to_string(row) + ",\"inputs\":{";
  bool first = true;
  for (const auto& [name, text] : inputs.texts) {
    if (!first) out += ',';
    first = false;
    AppendKey(out, name);
    AppendText(out, text);
  }
  if (!inputs.method.empty()) {
    out += first ? "\"method\":" : ",\"method\":";
    AppendText(out, inputs.method);
    out += ",\"gamma\":";
    AppendNumber(out, inputs.gamma);
  }
  // The results as ReportJson keeps them: one member per field, in the order
  // of its first write, holding its last text.
  out += "},\"results\":{";
  for (std::size_t i = 0; i < report.results.size(); ++i) {
    const std::string& control = report.results[i].first;
    bool written_before = false;
    for (std::size_t j = 0; j < i && !written_before; ++j) written_before = report.results[j].first == control;
    if (written_before) continue;
    const std::string* last = &report.results[i].second;
    for (std::size_t j = i + 1; j < report.results.size(); ++j) {
      if (report.results[j].first == control) last = &report.results[j].second;
    }
    if (out.back() != '{') out += ',';
    AppendKey(out, control);
    AppendText(out, *last);
  }
  out += "},\"messages\":[";
  for (std::size_t i = 0; i < report.messages.size(); ++i) {
    if (i > 0) out += ',';
    AppendText(out, report.messages[i]);
  }
  out += "],\"warnings\":[";
  for (std::size_t i = 0; i < report.warnings.size(); ++i) {
    out += i > 0 ? ",{\"kind\":" : "{\"kind\":";
    AppendText(out, calc::WarningKindName(report.warnings[i].kind));
    out += ",\"text\":";
    AppendText(out, report.warnings[i].text);
    out += '}';
  }
  out += "],\"error\":";
  if (report.error) {
    out += "{\"kind\":";
    AppendText(out, report.error->kind);
    out += ",\"where\":";
    AppendText(out, report.error->where);
    out += ",\"description\":";
    AppendText(out, report.error->description);
    out += '}';
  } else {
    out += "null";
  }
  if (report.exact) {
    out += ",\"exact\":";
    AppendExact(out, *report.exact, report.gamma);
  }
  if (report.configuration) {
    out += ",\"configuration\":";
    AppendJson(out, ConfigurationToJson(*report.configuration));
  }
  out += "}\n";
  return out;
}

}  // namespace cli
