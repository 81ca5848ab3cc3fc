#pragma once

#include <optional>
#include <string_view>

namespace calc {

// How a press of Calculate finds the slip line.
enum class Method {
  Iterasyon,  // the slip-line iteration, the window's own method and the default
  Iteras,     // the step search
  Exact,      // closed-form shocks and a bracketed root search for the balance
};

// The name on the command line and in files: "iterasyon", "iteras", "exact".
std::string_view MethodName(Method method);
// The name a person reads in the window: "Slip-line iteration", "Step search", "Exact solution".
std::string_view MethodTitle(Method method);
// The method of a name as MethodName writes it; none for any other text.
std::optional<Method> MethodFromName(std::string_view name);

}  // namespace calc
