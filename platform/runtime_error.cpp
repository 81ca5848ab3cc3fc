#include "platform/runtime_error.h"

#include <utility>

namespace platform {

std::string_view KindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::InvalidArgument: return "invalid-argument";
    case ErrorKind::DivisionByZero: return "division-by-zero";
    case ErrorKind::Overflow: return "overflow";
  }
  return "unknown";
}

std::string_view KindWords(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::InvalidArgument: return "invalid argument";
    case ErrorKind::DivisionByZero: return "division by zero";
    case ErrorKind::Overflow: return "overflow";
  }
  return "unknown error";
}

RuntimeError::RuntimeError(ErrorKind kind)
    : std::runtime_error(std::string(KindWords(kind))), kind_(kind) {}

void RuntimeError::AddPlace(std::string_view place) {
  if (place.empty()) return;
  std::string joined(place);
  if (!where_.empty()) joined.append(", ").append(where_);
  where_ = std::move(joined);
}

}  // namespace platform
