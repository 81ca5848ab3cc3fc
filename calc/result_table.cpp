#include "calc/result_table.h"

namespace calc {

std::string ResultsAsTabSeparated(const std::array<std::string, 4>& inputs, Method method,
                                  const std::array<std::string, 15>& results) {
  std::string out;
  const auto line = [&out](std::string_view name, std::string_view value) {
    out.append(name).append("\t").append(value).append("\n");
  };
  for (std::size_t i = 0; i < inputs.size(); ++i) line(kInputLabels[i].label, inputs[i]);
  line("Method", MethodTitle(method));
  for (std::size_t i = 0; i < results.size(); ++i) line(kResultLabels[i].label, results[i]);
  return out;
}

}  // namespace calc
