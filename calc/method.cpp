#include "calc/method.h"

#include <array>

namespace calc {

namespace {

struct MethodNames {
  Method method;
  std::string_view name;
  std::string_view title;
};

constexpr std::array<MethodNames, 3> kMethods{{
    {Method::Iterasyon, "iterasyon", "Slip-line iteration"},
    {Method::Iteras, "iteras", "Step search"},
    {Method::Exact, "exact", "Exact solution"},
}};

const MethodNames& NamesOf(Method method) {
  for (const MethodNames& entry : kMethods) {
    if (entry.method == method) return entry;
  }
  return kMethods.front();
}

}  // namespace

std::string_view MethodName(Method method) { return NamesOf(method).name; }

std::string_view MethodTitle(Method method) { return NamesOf(method).title; }

std::optional<Method> MethodFromName(std::string_view name) {
  for (const MethodNames& entry : kMethods) {
    if (entry.name == name) return entry.method;
  }
  return std::nullopt;
}

}  // namespace calc
