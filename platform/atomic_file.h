#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes `content` to `path` as a picture export should, and throws
// std::runtime_error with a message naming the path and the reason otherwise.
//
// A regular file (new, or named through symbolic links, which stay links) is
// written whole or not at all: into a temporary file beside it, flushed, then
// renamed over it (see PendingFile), keeping the old file's permissions and,
// where the process may, its owner; a new file gets 0666 less the umask. A
// character device or a pipe (/dev/null, /dev/stdout, a FIFO) is written in
// place, never replaced. Refused, with nothing changed: a folder, a block
// device, a socket, a link to a missing file, and a file with other hard
// links, which a new file would part from it.
void WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace platform
