#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The three run-time failures of arithmetic that has no defined result.
enum class ErrorKind { InvalidArgument, DivisionByZero, Overflow };

// Stable machine name ("invalid-argument", "division-by-zero", "overflow").
std::string_view KindName(ErrorKind kind);
// Words for a person ("invalid argument", "division by zero", "overflow").
std::string_view KindWords(ErrorKind kind);

// A failed calculation step. It travels up unchanged to the one handler that
// reports it; procedures on the way only add where it happened.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorKind kind);

  ErrorKind Kind() const { return kind_; }
  // Innermost place first is kept: the first caller that names a place wins,
  // later (outer) callers prepend their own, e.g. "slip-line step 22, shock C".
  const std::string& Where() const { return where_; }
  void AddPlace(std::string_view place);

 private:
  ErrorKind kind_;
  std::string where_;
};

// Runs one step of a procedure; a run-time error raised inside it leaves
// with `place` added, so the report can say where the calculation stopped.
template <typename Step>
void AtPlace(std::string_view place, Step&& step) {
  try {
    step();
  } catch (RuntimeError& error) {
    error.AddPlace(place);
    throw;
  }
}

}  // namespace platform
