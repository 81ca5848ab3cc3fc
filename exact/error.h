#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace exact {

// Why an exact calculation gave no result.
enum class ErrorKind {
  InvalidInput,           // a Mach number of 1 or below, a negative deflection, a non-finite number
  Detached,               // the deflection asked exceeds the largest an attached shock can give
  NoRegularIntersection,  // the polars of regions 2 and 3 do not cross where both shocks are attached
  NotConverged,           // the root search used up its budget (a defect, never expected)
  BeyondPrecision,        // the answer turns on a difference below what a double resolves
};

// Stable machine name: "invalid-input", "detached", "no-regular-intersection", "not-converged",
// "beyond-precision".
std::string_view KindName(ErrorKind kind);

// The one exception of the exact mode. what() is a sentence for a person with
// the numbers that decided it; Kind() tells a program which case it was.
class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message);
  ErrorKind Kind() const { return kind_; }
  std::string_view KindName() const { return exact::KindName(kind_); }
  // Where the calculation stood, outermost first ("shock A", "slip line"); empty
  // when the caller named no place.
  const std::string& Where() const { return where_; }
  void AddPlace(std::string_view place);

 private:
  ErrorKind kind_;
  std::string where_;
};

// Runs one stage of a calculation; an Error raised inside it leaves with
// `place` added, so that a report can say where the calculation stopped.
template <typename Stage>
auto AtPlace(std::string_view place, Stage&& stage) -> decltype(stage()) {
  try {
    return stage();
  } catch (Error& error) {
    error.AddPlace(place);
    throw;
  }
}

// x with exactly `decimals` places and '.' as separator, whatever the locale,
// so that messages read the same everywhere.
std::string FixedText(double x, int decimals);
// x rounded to `significant` digits, '.' as separator, exponent only when needed.
std::string ShortText(double x, int significant);
// x in the fewest digits that read back to the same double, '.' as separator.
std::string NumberText(double x);

}  // namespace exact
