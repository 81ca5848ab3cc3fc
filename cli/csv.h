#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One record of a CSV text (RFC 4180): fields parted by commas; a field in
// double quotes may hold commas, line breaks and doubled quotes ("").
struct CsvRecord {
  std::vector<std::string> fields;
  int line = 0;         // where the record begins, counted from 1
  std::string problem;  // empty, or why the record could not be read whole
};

// Reads the records of `in` one by one. Line ends may be LF or CRLF; blank
// lines hold no record and are passed over.
class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}
  // The next record; none at the end of the text.
  std::optional<CsvRecord> Next();

 private:
  std::istream& in_;
  int line_ = 0;
};

// `text` as one CSV field: in quotes, with its quotes doubled, when it holds
// a comma, a quote, a line break or blanks at either end.
std::string CsvField(std::string_view text);

}  // namespace cli
