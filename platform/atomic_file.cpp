#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void Fail(const std::string& path, const char* what, int error) {
  throw std::runtime_error("cannot write " + path + ": " + what + " (" + std::strerror(error) +
                           ")");
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view content) {
  const std::size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (base.empty()) Fail(path, "no file name", EISDIR);

  std::string pattern = dir + (slash == std::string::npos ? "/." : ".") + base + ".XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail(path, "cannot create a file in its folder", errno);

  const auto abandon = [&](const char* what) {
    const int error = errno;
    ::close(fd);
    ::unlink(temp.data());
    Fail(path, what, error);
  };
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      abandon("write failed");
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  // A picture for a report should be readable by others, like any new file.
  if (::fchmod(fd, 0644) != 0) abandon("cannot set permissions");
  if (::fsync(fd) != 0) abandon("cannot flush");
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.data());
    Fail(path, "cannot close", error);
  }
  if (std::rename(temp.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.data());
    Fail(path, "cannot replace it", error);
  }
}

}  // namespace platform
