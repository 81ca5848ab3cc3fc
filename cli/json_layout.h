#pragma once

#include <set>
#include <string>

#include <nlohmann/json.hpp>

namespace cli {

using Json = nlohmann::ordered_json;

// A number for the JSON output: whole values as integers, so that they read
// "3" and not "3.0", the others as doubles.
Json JsonNumber(double x);
// A single-precision value as the shortest text that reads back to it (a
// drawing position), carried as the double of that text.
Json JsonFloat(float x);

// The document as the command line prints it, indented by two: the document,
// every container that holds containers and the members named in `spread`
// one item a line, every other container on one line. Numbers are the shortest text that reads back to the
// same double.
std::string WriteJson(const Json& document, const std::set<std::string, std::less<>>& spread);

}  // namespace cli
