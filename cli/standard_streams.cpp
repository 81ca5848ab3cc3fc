#include "cli/standard_streams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace cli {

void GuardStandardStreams() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      // The lowest free number is this one, as those below are open.
      ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
  }
}

int FinishStandardOutput(int status) {
  errno = 0;
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  if (flushed && std::cout && !std::ferror(stdout)) return status;
  const int error = errno;
  std::cerr << "shocks-cli: cannot write standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
  return 1;
}

}  // namespace cli
