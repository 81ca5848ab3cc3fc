#pragma once

#include <string>
#include <string_view>

#include "calc/form1_procedures.h"
#include "exact/error.h"
#include "platform/runtime_error.h"

namespace calc {

// A calculation that stopped, told for a program and for a person.
struct Failure {
  std::string kind;         // "invalid-argument", "division-by-zero", "overflow" from the
                            // original procedures; "invalid-input", "detached",
                            // "no-regular-intersection", "not-converged" from the exact method
  std::string where;        // where it stopped: "shock A", "slip-line step 22, shock C", ...
  std::string description;  // which input or shock failed, its value and the limit it broke,
                            // then the error's kind and place; after a failed search the
                            // exact solution or why there is none
};

// The failure of the last hesapla of `form`, from the error it raised.
Failure DescribeFailure(const platform::RuntimeError& error, const Form1Procedures& form);
Failure DescribeFailure(const exact::Error& error, const Form1Procedures& form);

// "M1 = 0 (read from "abc"): the free stream must be supersonic ...": the
// sentence for a free-stream Mach number no shock can stand in; `text` is what
// was typed, named only when it was not read as it stands.
std::string SubsonicFreeStreamSentence(double M1, std::string_view text);

}  // namespace calc
