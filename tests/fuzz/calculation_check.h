#pragma once

#include <string>
#include <string_view>

#include "calc/form1_procedures.h"
#include "cli/run.h"

// The properties every headless calculation must have, whatever is typed:
// shared by the fuzz target, the corpus test and the regression tests.
namespace fuzz {

// Byte that separates the four input texts in one fuzz input.
inline constexpr char kTextSeparator = '|';

// Splits one fuzz input into the texts of Text_M1, Text_p1, Text_TetaA and
// Text_TetaB at the first three separators; the fourth text keeps the rest.
// Texts after the last separator keep the window's start texts ("3", "1",
// "10", "5"), so a short input varies the first fields around the default;
// an input without a separator is the text of Text_M1 alone.
cli::InputTexts SplitInputs(std::string_view data);

// Runs one press of Calculate with `search` and checks it: the run either
// finishes with all fifteen result fields written in order, or stops with one
// platform::RuntimeError of a named kind after a prefix of them; no text it
// shows (results, log, messages, warnings, the failure report, the command
// line's text and JSON output) contains "nan" or "inf" in any case, apart from
// an input text echoed back in quotes (a warning quoting what was typed) and
// the JSON's string literals, which are the texts checked already; every
// coordinate handed to the drawing surface is finite. Returns an empty string
// when all hold, else what broke, with the inputs.
std::string FindViolation(const cli::InputTexts& inputs, calc::SlipLineSearch search);

// The same checks on a report already made, of `inputs` when given; empty when all hold.
std::string FindReportViolation(const cli::RunReport& report,
                                const cli::InputTexts* inputs = nullptr);

// The inputs as one line for a report.
std::string Describe(const cli::InputTexts& inputs);

}  // namespace fuzz
