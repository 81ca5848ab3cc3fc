#include "cli/raster_twin.h"

#include <unistd.h>

namespace cli {

namespace {

// This program's own folder with a trailing '/', or empty when unknown.
std::string OwnFolder() {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) return {};
  self.resize(static_cast<std::size_t>(length));
  return self.substr(0, self.rfind('/') + 1);
}

}  // namespace

std::string FindRasterTwin(std::string& looked_at) {
  const std::string folder = OwnFolder();
  if (folder.empty()) {
    looked_at = "shocks-cli-raster (this program's folder is unknown)";
    return {};
  }
  looked_at.clear();
  // SHOCKS_RASTER_TWIN_FROM_BINDIR is set by the build from the install layout.
  for (const std::string& candidate :
       {folder + "shocks-cli-raster", folder + SHOCKS_RASTER_TWIN_FROM_BINDIR}) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    looked_at += (looked_at.empty() ? "" : " or ") + candidate;
  }
  return {};
}

}  // namespace cli
