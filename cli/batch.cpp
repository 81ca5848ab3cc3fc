#include "cli/batch.h"

#include <array>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/result_table.h"
#include "cli/batch_json.h"
#include "cli/csv.h"
#include "cli/json_layout.h"
#include "cli/progress.h"
#include "cli/report_output.h"
#include "cli/run.h"

namespace cli {

namespace {

enum Column { kM1, kP1, kTetaA, kTetaB, kMethod, kGamma, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames{"M1", "p1", "TetaA", "TetaB",
                                                              "method", "gamma"};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Where each known column stands in a row; -1 where the file has none.
using ColumnPlaces = std::array<int, kColumns>;

ColumnPlaces ReadHeader(const std::optional<CsvRecord>& header) {
  if (!header) throw BatchHeaderError("the batch has no header row (columns M1, p1, TetaA, TetaB, method, gamma)");
  if (!header->problem.empty()) throw BatchHeaderError("header row: " + header->problem);
  ColumnPlaces places;
  places.fill(-1);
  for (std::size_t i = 0; i < header->fields.size(); ++i) {
    const std::string_view name = Trimmed(header->fields[i]);
    int column = 0;
    while (column < kColumns && kColumnNames[static_cast<std::size_t>(column)] != name) ++column;
    if (column == kColumns) {
      throw BatchHeaderError("header row: column \"" + std::string(name) +
                             "\" is none of M1, p1, TetaA, TetaB, method, gamma");
    }
    if (places[static_cast<std::size_t>(column)] >= 0) {
      throw BatchHeaderError("header row: column " + std::string(name) + " is named twice");
    }
    places[static_cast<std::size_t>(column)] = static_cast<int>(i);
  }
  return places;
}

struct Case {
  InputTexts inputs;
  Method method = Method::Iterasyon;
  double gamma = 1.4;
};

// The case of one row, or why it cannot run.
struct RowReading {
  std::optional<Case> run;
  std::string problem;
};

RowReading ReadRow(const CsvRecord& row, const ColumnPlaces& places, std::size_t columns,
                   const Options& defaults) {
  const std::string at = "line " + std::to_string(row.line) + ": ";  // for a person reading only this
  if (!row.problem.empty()) return {std::nullopt, at + row.problem};
  if (row.fields.size() != columns) {
    return {std::nullopt, at + "the row has " + std::to_string(row.fields.size()) +
                              " fields, the header " + std::to_string(columns)};
  }
  const auto cell = [&](Column column) -> const std::string* {
    const int place = places[static_cast<std::size_t>(column)];
    return place < 0 ? nullptr : &row.fields[static_cast<std::size_t>(place)];
  };
  Case c{defaults.inputs, defaults.method, defaults.gamma};
  for (auto [column, text] : {std::pair{kM1, &c.inputs.M1}, std::pair{kP1, &c.inputs.p1},
                              std::pair{kTetaA, &c.inputs.TetaA}, std::pair{kTetaB, &c.inputs.TetaB}}) {
    if (const std::string* given = cell(column)) *text = *given;
  }
  if (const std::string* given = cell(kMethod); given && !Trimmed(*given).empty()) {
    const std::optional<Method> method = calc::MethodFromName(Trimmed(*given));
    if (!method) {
      return {std::nullopt, at + "method \"" + *given + "\" is none of iterasyon, iteras, exact"};
    }
    c.method = *method;
  }
  const std::string* gamma_cell = cell(kGamma);
  if (gamma_cell && !Trimmed(*gamma_cell).empty()) {
    const std::string_view text = Trimmed(*gamma_cell);
    double gamma = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), gamma);
    if (ec != std::errc() || end != text.data() + text.size() || !(gamma > 1.0) || !(gamma <= 10.0)) {
      return {std::nullopt, at + "gamma \"" + *gamma_cell + "\" is not a number above 1 and at most 10"};
    }
    if (c.method != Method::Exact && gamma != 1.4) {
      return {std::nullopt, at + "gamma " + std::string(text) +
                                " goes with method exact; the other methods use 1.4"};
    }
    c.gamma = gamma;
  }
  // The command line's --gamma is for the exact rows.
  if (c.method != Method::Exact) c.gamma = 1.4;
  return {c, {}};
}

// One line per row, as JSON objects or as CSV under a header.
class RowWriter {
 public:
  virtual ~RowWriter() = default;
  virtual void Calculated(long row, const Case& c, const RunReport& report) = 0;
  virtual void Refused(long row, const CsvRecord& record, const ColumnPlaces& places,
                       const std::string& problem) = 0;
};

class JsonLines : public RowWriter {
 public:
  explicit JsonLines(std::ostream& out) : out_(out) {}

  void Calculated(long row, const Case& c, const RunReport& report) override {
    const RowInputs inputs{{{"M1", c.inputs.M1}, {"p1", c.inputs.p1}, {"TetaA", c.inputs.TetaA},
                            {"TetaB", c.inputs.TetaB}},
                           std::string(calc::MethodName(c.method)),
                           c.gamma};
    out_ << BatchJsonLine(row, inputs, report);
  }

  void Refused(long row, const CsvRecord& record, const ColumnPlaces& places,
               const std::string& problem) override {
    RowInputs inputs;
    for (std::size_t column = 0; column < kColumns; ++column) {
      const int place = places[column];
      if (place >= 0 && static_cast<std::size_t>(place) < record.fields.size()) {
        inputs.texts.emplace_back(kColumnNames[column], record.fields[static_cast<std::size_t>(place)]);
      }
    }
    RunReport refused;
    refused.error = Failure{"bad-row", "line " + std::to_string(record.line), problem};
    out_ << BatchJsonLine(row, inputs, refused);
  }

 private:
  std::ostream& out_;
};

class CsvTable : public RowWriter {
 public:
  explicit CsvTable(std::ostream& out) : out_(out) {
    out_ << "row";
    for (const std::string_view name : kColumnNames) out_ << ',' << name;
    // The result fields by the name of their control, without "Text_".
    for (const calc::FieldLabel& field : calc::kResultLabels) out_ << ',' << field.control.substr(5);
    out_ << ",configuration,messages,warnings,error_kind,error_where,error\n";
  }

  void Calculated(long row, const Case& c, const RunReport& report) override {
    out_ << row;
    for (const std::string* text : {&c.inputs.M1, &c.inputs.p1, &c.inputs.TetaA, &c.inputs.TetaB}) {
      out_ << ',' << CsvField(*text);
    }
    out_ << ',' << calc::MethodName(c.method) << ',' << JsonNumber(c.gamma).dump();
    for (const calc::FieldLabel& field : calc::kResultLabels) {
      out_ << ',';
      // The last text written, as the field shows it; empty where never reached.
      for (auto it = report.results.rbegin(); it != report.results.rend(); ++it) {
        if (it->first == field.control) {
          out_ << CsvField(it->second);
          break;
        }
      }
    }
    std::string warnings;
    for (const calc::Warning& warning : report.warnings) {
      warnings += (warnings.empty() ? "" : " | ") + warning.text;
    }
    std::string messages;
    for (const std::string& message : report.messages) messages += (messages.empty() ? "" : " | ") + message;
    out_ << ',';
    if (report.configuration) out_ << exact::KindName(report.configuration->kind);
    out_ << ',' << CsvField(messages) << ',' << CsvField(warnings);
    if (report.error) {
      out_ << ',' << report.error->kind << ',' << CsvField(report.error->where) << ','
           << CsvField(report.error->description) << '\n';
    } else {
      out_ << ",,,\n";
    }
  }

  void Refused(long row, const CsvRecord& record, const ColumnPlaces& places,
               const std::string& problem) override {
    out_ << row;
    for (std::size_t column = 0; column < kColumns; ++column) {
      const int place = places[column];
      out_ << ',';
      if (place >= 0 && static_cast<std::size_t>(place) < record.fields.size()) {
        out_ << CsvField(record.fields[static_cast<std::size_t>(place)]);
      }
    }
    for (std::size_t i = 0; i < calc::kResultLabels.size(); ++i) out_ << ',';
    out_ << ",,,,bad-row," << CsvField("line " + std::to_string(record.line)) << ','
         << CsvField(problem) << '\n';
  }

 private:
  std::ostream& out_;
};

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, const Options& defaults,
                      std::FILE* progress) {
  CsvReader reader(in);
  const std::optional<CsvRecord> header = reader.Next();
  const ColumnPlaces places = ReadHeader(header);
  // All rows first, so that the progress bar knows the end.
  std::vector<CsvRecord> rows;
  while (std::optional<CsvRecord> row = reader.Next()) rows.push_back(std::move(*row));

  std::unique_ptr<RowWriter> writer;
  if (defaults.format == Format::Csv) {
    writer = std::make_unique<CsvTable>(out);
  } else {
    writer = std::make_unique<JsonLines>(out);
  }
  std::optional<ProgressBar> bar;
  if (progress != nullptr && WantsProgressBar(progress, static_cast<long>(rows.size()))) {
    bar.emplace(progress, static_cast<long>(rows.size()));
  }

  BatchSummary summary;
  for (const CsvRecord& record : rows) {
    const long row = ++summary.rows;
    const RowReading reading = ReadRow(record, places, header->fields.size(), defaults);
    if (reading.run) {
      const Case& c = *reading.run;
      const RunReport report = RunCalculation(c.inputs, c.method, c.gamma, {.details = false});
      if (report.error) ++summary.failed;
      writer->Calculated(row, c, report);
    } else {
      ++summary.failed;
      writer->Refused(row, record, places, reading.problem);
    }
    if (bar) bar->Done(row);
    if (!out) break;  // nothing more can be written
  }
  return summary;
}

}  // namespace cli
