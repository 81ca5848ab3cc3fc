#pragma once

#include <mutex>
#include <string>

namespace platform {

// The new version of a file, written under a temporary name (".NAME.XXXXXX")
// in the file's own folder and then put in its place with one rename, so that
// a reader sees the old file or the new one, never a part of either.
//
// The temporary file disappears whatever happens before Commit: when the
// object is dropped (an exception), and when SIGINT, SIGTERM, SIGHUP or
// SIGXFSZ (a file-size limit) would end the process meanwhile; the process
// then still ends by that signal. Only signals left at their default action
// are watched, and only while the object lives, so a program that handles
// them itself (or a window) keeps its own handling. One pending file exists
// at a time in a process: a second waits until the first is done.
class PendingFile {
 public:
  // Creates the temporary file beside `target`, with the permissions a new
  // file gets (0666 less the umask). Throws std::system_error naming what failed.
  explicit PendingFile(const std::string& target);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The temporary file, open for writing.
  int Descriptor() const { return fd_; }
  const std::string& TemporaryPath() const { return temporary_; }

  // Flushes the content to the disk and renames it over the target. Throws
  // std::system_error; the temporary file is then removed as on any failure.
  void Commit();

 private:
  std::unique_lock<std::mutex> one_at_a_time_;
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace platform
