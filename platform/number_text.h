#pragma once

#include <string>
#include <string_view>

namespace platform {

// A number as the result fields and log lines show it: at most 15
// significant digits, no trailing zeros or trailing separator ("7.5", "5"),
// "0" before the separator below 1, "-" for negatives, no grouping, and
// `separator` as the decimal separator. Values from 1e-4 up to below 1e15
// in magnitude are written in plain decimals; others in scientific form
// with an upper-case E ("1.5E+15", "2E-05"). A negative zero is "0".
std::string NumberToText(double x, char separator = '.');

// The leading-number rule of the input fields. Blanks, tabs, carriage returns
// and line feeds are ignored wherever they stand; then an optional sign,
// digits with "." as the decimal point, and an optional exponent (E or e, an
// optional sign, digits) are read; the first character that cannot continue
// the number ends it. Text that does not begin with a number gives 0.
// A number too large for a double raises the overflow error; one too small
// gives 0 (with its sign).
double TextToNumber(std::string_view text);

// The same rule, telling also how the text was read, so that a reader can be
// warned when the number used is not all that was typed.
struct NumberReading {
  double value = 0.0;
  bool number_found = false;   // a number began the text (blanks aside); else value is 0
  bool text_ignored = false;   // characters after the number (or instead of one) were not read
  bool blanks_inside = false;  // blanks between the characters of the number were skipped
  std::string read_text;       // the typed text from the number's first to its last character
};
NumberReading ReadLeadingNumber(std::string_view text);

}  // namespace platform
