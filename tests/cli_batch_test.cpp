// shocks-cli --batch: CSV in and out, each row the very calculation of a single
// run, bad rows told in their own line, and the progress bar.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/csv.h"
#include "cli/json_layout.h"
#include "cli/progress.h"
#include "cli/report_output.h"
#include "cli/run.h"

namespace {

std::vector<cli::CsvRecord> ReadAll(const std::string& text) {
  std::istringstream in(text);
  cli::CsvReader reader(in);
  std::vector<cli::CsvRecord> records;
  while (auto record = reader.Next()) records.push_back(*record);
  return records;
}

struct BatchRun {
  cli::BatchSummary summary;
  std::vector<std::string> lines;
};

BatchRun Batch(const std::string& csv, const cli::Options& options = {}) {
  std::istringstream in(csv);
  std::ostringstream out;
  BatchRun run;
  run.summary = cli::RunBatch(in, out, options, nullptr);
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
  return run;
}

}  // namespace

TEST(CliBatch, CsvRecordsQuotesAndLineBreaks) {
  const auto records = ReadAll(
      "a,b,c\r\n"
      "\n"
      "\"3 , 5\",\"say \"\"hi\"\"\",\r\n"
      "\"two\nlines\",x,\n"
      "\"closed\"tail,y,z\n"
      "\"open,q");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{"3 , 5", "say \"hi\"", ""}));
  EXPECT_EQ(records[1].line, 3);
  EXPECT_EQ(records[2].fields, (std::vector<std::string>{"two\nlines", "x", ""}));
  EXPECT_EQ(records[3].line, 6);
  EXPECT_FALSE(records[3].problem.empty());
  EXPECT_FALSE(records[4].problem.empty());
  EXPECT_TRUE(records[2].problem.empty());

  const std::vector<std::string> fields{"plain", "a,b", "say \"x\"", " padded", "two\nlines", ""};
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : ",") + cli::CsvField(field);
  EXPECT_EQ(ReadAll(line + "\n").at(0).fields, fields);
}

TEST(CliBatch, EachRowIsTheSingleRunWithoutItsLogAndRegularConfiguration) {
  struct Row {
    const char* csv;
    cli::InputTexts inputs;
    calc::Method method;
    double gamma;
  };
  const std::vector<Row> rows{
      {"3,1,10,5,,", {"3", "1", "10", "5"}, calc::Method::Iterasyon, 1.4},
      {"2,1,15,10,iteras,", {"2", "1", "15", "10"}, calc::Method::Iteras, 1.4},
      {"2,1,15,10,exact,1.3", {"2", "1", "15", "10"}, calc::Method::Exact, 1.3},
      {"3,1,10,5,exact,", {"3", "1", "10", "5"}, calc::Method::Exact, 1.4},
      {"\" 3 , 5\",abc,40,5,exact,", {" 3 , 5", "abc", "40", "5"}, calc::Method::Exact, 1.4},
      {"3,1,10,10,,", {"3", "1", "10", "10"}, calc::Method::Iterasyon, 1.4},
  };
  std::string csv = "M1,p1,TetaA,TetaB,method,gamma\n";
  for (const Row& row : rows) csv += std::string(row.csv) + "\n";
  const BatchRun run = Batch(csv);
  ASSERT_EQ(run.lines.size(), rows.size());
  EXPECT_EQ(run.summary.rows, 6);
  long failed = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    cli::Json expected = cli::ReportJson(cli::RunCalculation(row.inputs, row.method, row.gamma), false);
    expected.erase("log");
    // A batch line names the configuration only where there is no regular
    // crossing: a Mach intersection, or neither pattern.
    const bool no_crossing = expected["error"].is_null()
                                 ? !expected.contains("exact")
                                 : expected["error"]["kind"] == "no-regular-intersection";
    if (!no_crossing) expected.erase("configuration");
    failed += expected["error"].is_null() ? 0 : 1;
    const cli::Json line = cli::Json::parse(run.lines[i]);
    EXPECT_EQ(line["row"], i + 1);
    EXPECT_EQ(line["inputs"], (cli::Json{{"M1", row.inputs.M1},
                                         {"p1", row.inputs.p1},
                                         {"TetaA", row.inputs.TetaA},
                                         {"TetaB", row.inputs.TetaB},
                                         {"method", calc::MethodName(row.method)},
                                         {"gamma", cli::JsonNumber(row.gamma)}}));
    cli::Json report = line;
    report.erase("row");
    report.erase("inputs");
    EXPECT_EQ(report, expected) << row.csv;
  }
  EXPECT_EQ(run.summary.failed, failed);
  EXPECT_GE(failed, 2);  // the detached shock and the balance that fails at least
}

TEST(CliBatch, DefaultsFromTheCommandLineAndBadRowsOnTheirOwnLine) {
  cli::Options options;
  options.method = calc::Method::Exact;
  options.gamma = 1.3;
  options.inputs.M1 = "2.5";
  const BatchRun run = Batch(
      "TetaB,method,gamma\n"
      "5,,\n"
      "5,iterasyon,\n"
      "5,newton,\n"
      "5,iteras,1.3\n"
      "5,exact,11\n"
      "5\n"
      "5,exact,1.4\n",
      options);
  ASSERT_EQ(run.lines.size(), 7u);
  EXPECT_EQ(run.summary.rows, 7);
  EXPECT_EQ(run.summary.failed, 4);
  const auto line = [&run](std::size_t i) { return cli::Json::parse(run.lines[i]); };
  EXPECT_EQ(line(0)["inputs"]["M1"], "2.5");
  EXPECT_EQ(line(0)["inputs"]["gamma"], 1.3);
  EXPECT_EQ(line(0)["exact"]["gamma"], 1.3);
  EXPECT_EQ(line(1)["inputs"]["method"], "iterasyon");
  EXPECT_EQ(line(1)["inputs"]["gamma"], 1.4);  // --gamma is for the exact rows
  for (std::size_t i : {2u, 3u, 4u, 5u}) {
    EXPECT_EQ(line(i)["error"]["kind"], "bad-row") << i;
    EXPECT_EQ(line(i)["row"], i + 1) << i;
    EXPECT_EQ(line(i)["results"], cli::Json::object());
  }
  EXPECT_NE(line(2)["error"]["description"].get<std::string>().find("newton"), std::string::npos);
  EXPECT_EQ(line(2)["error"]["where"], "line 4");
  EXPECT_EQ(line(5)["inputs"], (cli::Json{{"TetaB", "5"}}));
  EXPECT_EQ(line(6)["error"], nullptr);  // the run went on after the bad rows
}

TEST(CliBatch, CsvOutputHasOneRecordPerRowUnderItsHeader) {
  cli::Options options;
  options.format = cli::Format::Csv;
  const BatchRun run = Batch("M1,TetaA,TetaB,method\n3,10,5,\n\"3,5\",40,5,\n3,1,2\n3,25,25,exact\n", options);
  std::string text;
  for (const std::string& line : run.lines) text += line + "\n";
  const auto records = ReadAll(text);
  ASSERT_EQ(records.size(), 5u);
  const std::vector<std::string>& header = records[0].fields;
  EXPECT_EQ(header.size(), 28u);
  for (const auto& record : records) EXPECT_EQ(record.fields.size(), header.size()) << record.line;
  const auto at = [&header](const cli::CsvRecord& record, const std::string& name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
      if (header[i] == name) return record.fields[i];
    }
    return std::string("(no column)");
  };
  EXPECT_EQ(at(records[1], "Fi"), "4.98");
  EXPECT_EQ(at(records[1], "p5"), "2.84");
  EXPECT_EQ(at(records[1], "error_kind"), "");
  EXPECT_EQ(at(records[2], "M1"), "3,5");
  EXPECT_EQ(at(records[2], "error_kind"), "invalid-argument");
  EXPECT_FALSE(at(records[2], "warnings").empty());
  EXPECT_EQ(at(records[3], "error_kind"), "bad-row");
  EXPECT_EQ(at(records[1], "configuration"), "");  // only the exact method finds one
  EXPECT_EQ(at(records[4], "configuration"), "mach");
  EXPECT_EQ(at(records[4], "error_kind"), "");
}

TEST(CliBatch, UnusableHeadersStopTheBatch) {
  for (const char* csv : {"", "\n\n", "M1,Mach\n3,3\n", "M1,M1\n3,3\n", "\"M1\n"}) {
    EXPECT_THROW(Batch(csv), cli::BatchHeaderError) << csv;
  }
}

TEST(CliBatch, ProgressBarRedrawsByWholePercentsAndClearsItsLine) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(cli::WantsProgressBar(file, 100000));  // not a terminal
  {
    cli::ProgressBar bar(file, 2000);
    for (long row = 1; row <= 2000; ++row) bar.Done(row);
  }
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  std::fclose(file);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 102);  // 0 % to 100 %, then the clearing
  EXPECT_NE(text.find("[####################] 100%  2000 of 2000 rows"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 4), "\r\033[K");
}
