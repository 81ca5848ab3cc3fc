#include "exact/error.h"

#include <charconv>
#include <utility>

namespace exact {

std::string_view KindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::InvalidInput: return "invalid-input";
    case ErrorKind::Detached: return "detached";
    case ErrorKind::NoRegularIntersection: return "no-regular-intersection";
    case ErrorKind::NotConverged: return "not-converged";
    case ErrorKind::BeyondPrecision: return "beyond-precision";
  }
  return "unknown";
}

Error::Error(ErrorKind kind, const std::string& message)
    : std::runtime_error(message), kind_(kind) {}

void Error::AddPlace(std::string_view place) {
  std::string joined(place);
  if (!where_.empty()) joined.append(", ").append(where_);
  where_ = std::move(joined);
}

std::string FixedText(double x, int decimals) {
  char buffer[400];  // room for the widest fixed-notation double
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "?";
  return std::string(buffer, end);
}

std::string ShortText(double x, int significant) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, significant);
  if (ec != std::errc()) return "?";
  return std::string(buffer, end);
}

std::string NumberText(double x) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
  if (ec != std::errc()) return "?";
  return std::string(buffer, end);
}

}  // namespace exact
