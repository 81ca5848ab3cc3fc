#pragma once

#include <string>

namespace cli {

// Where shocks-cli-raster, the twin that draws PNG pictures, is found: beside
// this program (the build tree), else where an installation puts it relative
// to this program's folder (bin/../libexec/shocks). Empty when neither holds
// an executable; `looked_at` then lists the places tried, for the message.
std::string FindRasterTwin(std::string& looked_at);

}  // namespace cli
