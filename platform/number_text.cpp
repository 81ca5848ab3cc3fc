#include "platform/number_text.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <vector>

#include "platform/runtime_error.h"

namespace platform {

std::string NumberToText(double x, char separator) {
  if (x == 0.0) return "0";  // also the negative zero
  std::array<char, 64> buffer{};
  // The general format switches to scientific exactly outside [1e-4, 1e15)
  // at 15 significant digits and drops trailing zeros by itself.
  const auto end =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15)
          .ptr;
  std::string text(buffer.data(), end);
  for (char& c : text) {
    if (c == '.') c = separator;
    if (c == 'e') c = 'E';
  }
  return text;
}

namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

NumberReading ReadLeadingNumber(std::string_view text) {
  // The text without blanks, and where each kept character stood.
  std::string kept;
  std::vector<std::size_t> origin;
  kept.reserve(text.size());
  origin.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (IsIgnored(text[k])) continue;
    kept.push_back(text[k]);
    origin.push_back(k);
  }
  NumberReading reading;
  // What the reader made of the text, once the number's end is known.
  const auto read = [&](double value, std::size_t end) {
    reading.value = value;
    reading.number_found = end > 0;
    reading.text_ignored = end < kept.size();
    reading.read_text = end > 0 ? std::string(text.substr(origin[0], origin[end - 1] - origin[0] + 1)) : "";
    reading.blanks_inside = end > 0 && origin[end - 1] - origin[0] + 1 > end;
    return reading;
  };

  // Scan the longest prefix that forms a number.
  std::size_t i = 0;
  bool negative = false;
  if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) {
    negative = kept[i] == '-';
    ++i;
  }
  const std::size_t mantissa_start = i;
  std::size_t digits = 0;
  long leading_exponent = 0;  // decimal exponent of the first significant digit, roughly
  bool seen_significant = false;
  bool after_point = false;
  for (; i < kept.size(); ++i) {
    const char c = kept[i];
    if (IsDigit(c)) {
      ++digits;
      if (c != '0') seen_significant = true;
      if (!after_point && seen_significant) ++leading_exponent;
      if (after_point && !seen_significant) --leading_exponent;
    } else if (c == '.' && !after_point) {
      after_point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return read(0.0, 0);
  std::size_t end = i;
  long exponent = 0;
  if (i < kept.size() && (kept[i] == 'e' || kept[i] == 'E')) {
    std::size_t j = i + 1;
    bool exponent_negative = false;
    if (j < kept.size() && (kept[j] == '+' || kept[j] == '-')) {
      exponent_negative = kept[j] == '-';
      ++j;
    }
    const std::size_t exponent_digits_start = j;
    while (j < kept.size() && IsDigit(kept[j])) {
      if (exponent < 100000) exponent = exponent * 10 + (kept[j] - '0');
      ++j;
    }
    if (j > exponent_digits_start) {
      end = j;
      if (exponent_negative) exponent = -exponent;
    } else {
      exponent = 0;
    }
  }
  if (!seen_significant) return read(negative ? -0.0 : 0.0, end);

  double magnitude = 0.0;
  const char* first = kept.data() + mantissa_start;
  const auto [ptr, ec] = std::from_chars(first, kept.data() + end, magnitude);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: tell the two apart by the
    // decimal exponent of the leading significant digit.
    if (leading_exponent + exponent > 0) throw RuntimeError(ErrorKind::Overflow);
    magnitude = 0.0;
  }
  return read(negative ? -magnitude : magnitude, end);
}

double TextToNumber(std::string_view text) { return ReadLeadingNumber(text).value; }

}  // namespace platform
