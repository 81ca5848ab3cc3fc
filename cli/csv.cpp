#include "cli/csv.h"

namespace cli {

std::optional<CsvRecord> CsvReader::Next() {
  std::string line;
  // Blank lines are no records.
  do {
    if (!std::getline(in_, line)) return std::nullopt;
    ++line_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
  } while (line.empty());

  CsvRecord record;
  record.line = line_;
  std::string field;
  bool quoted = false;       // inside a quoted field
  bool was_quoted = false;   // the current field began with a quote
  std::size_t i = 0;
  while (true) {
    if (i == line.size()) {
      if (!quoted) break;
      // A line break inside quotes belongs to the field.
      if (!std::getline(in_, line)) {
        record.problem = "a quoted field is not closed";
        break;
      }
      ++line_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      field += '\n';
      i = 0;
      continue;
    }
    const char c = line[i++];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i < line.size() && line[i] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == ',') {
      record.fields.push_back(std::move(field));
      field.clear();
      was_quoted = false;
    } else if (c == '"' && field.empty() && !was_quoted) {
      quoted = was_quoted = true;
    } else if (was_quoted) {
      if (record.problem.empty()) record.problem = "text follows a closing quote";
      field += c;
    } else {
      field += c;
    }
  }
  record.fields.push_back(std::move(field));
  return record;
}

std::string CsvField(std::string_view text) {
  const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                     (text.empty() || (text.front() != ' ' && text.back() != ' '));
  if (plain) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace cli
