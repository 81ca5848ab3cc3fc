#pragma once

#include <string>

// The word that a message shows after `label` (up to the next space), without
// a full stop that ends its sentence; empty when the label is not shown.
inline std::string WordAfter(const std::string& text, const std::string& label) {
  const auto start = text.find(label);
  if (start == std::string::npos) return {};
  const auto begin = start + label.size();
  std::string word = text.substr(begin, text.find(' ', begin) - begin);
  if (!word.empty() && word.back() == '.') word.pop_back();
  return word;
}
