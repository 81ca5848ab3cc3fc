#include "cli/json_layout.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cli {

namespace {

// A scalar as JSON text. Bytes that are not UTF-8 (an argument may carry
// any) become U+FFFD, so that the output stays valid JSON.
std::string Text(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void WriteScalar(std::string& out, const Json& value) {
  if (value.is_number_float()) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value.get<double>()).ptr;
    out.append(text.data(), end);
  } else {
    out += Text(value);
  }
}

using Spread = std::set<std::string, std::less<>>;

bool HoldsContainers(const Json& value) {
  if (!value.is_structured()) return false;
  for (const Json& item : value) {
    if (item.is_structured()) return true;
  }
  return false;
}

void Write(std::string& out, const Json& value, int indent, bool one_line, const Spread& spread) {
  if (!value.is_structured()) {
    WriteScalar(out, value);
    return;
  }
  const bool object = value.is_object();
  out += object ? '{' : '[';
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  bool first = true;
  for (auto item = value.begin(); item != value.end(); ++item) {
    out += first ? "" : ",";
    out += one_line ? (first ? "" : " ") : "\n" + inner;
    first = false;
    if (object) out += Text(Json(item.key())) + ": ";
    const bool spread_item = !one_line && (HoldsContainers(item.value()) ||
                                           (object && spread.contains(item.key())));
    Write(out, item.value(), indent + 2, !spread_item, spread);
  }
  if (!one_line && !value.empty()) out += "\n" + std::string(static_cast<std::size_t>(indent), ' ');
  out += object ? '}' : ']';
}

}  // namespace

Json JsonNumber(double x) {
  if (x == std::trunc(x) && std::fabs(x) < 9007199254740992.0 && !(x == 0.0 && std::signbit(x))) {
    return static_cast<std::int64_t>(x);
  }
  return x;
}

Json JsonFloat(float x) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
  double shortest = 0.0;
  std::from_chars(text.data(), end, shortest);
  return JsonNumber(shortest);
}

std::string WriteJson(const Json& document, const Spread& spread) {
  std::string out;
  Write(out, document, 0, false, spread);
  out += '\n';
  return out;
}

}  // namespace cli
