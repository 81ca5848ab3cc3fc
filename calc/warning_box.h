#pragma once

#include <string>
#include <string_view>

namespace calc {

// What a warning is about, so that a program can tell warnings apart.
enum class WarningKind {
  InputRead,    // a field's text was not read as typed: characters ignored, or empty read as 0
  NotPhysical,  // an input the procedures compute with but that describes no real flow
  Unbalanced,   // a slip-line search used up its steps without balancing the pressures
};

// Stable machine name: "input-read", "not-physical", "unbalanced".
std::string_view WarningKindName(WarningKind kind);

struct Warning {
  WarningKind kind;
  std::string text;  // a sentence for a person, with the numbers that decided it
};

// Where a calculation's warnings go: the window gathers them into its report,
// the command line into its output. A warning never stops the calculation.
class WarningBox {
 public:
  virtual ~WarningBox() = default;
  virtual void Warn(const Warning& warning) = 0;
};

}  // namespace calc
