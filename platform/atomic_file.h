#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes `content` to `path` whole or not at all: into a temporary file beside
// the target, flushed, then renamed over it. Throws std::runtime_error with a
// message naming the path and the reason; no partial file is left behind.
void WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace platform
