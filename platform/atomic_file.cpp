#include "platform/atomic_file.h"

#include <cerrno>
#include <climits>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/pending_file.h"

namespace platform {

namespace {

[[noreturn]] void Refuse(const std::string& path, const std::string& why) {
  throw std::runtime_error("cannot write " + path + ": " + why);
}

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error) {
  Refuse(path, std::system_error(error, std::generic_category(), what).what());
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Where a chain of symbolic links ends (the file it names may be missing),
// and whether it passed through /proc, whose links (/dev/stdout, /dev/fd/N)
// stand for files this process has open rather than for places.
struct LinkEnd {
  std::string path;
  bool through_proc = false;
};

LinkEnd FollowLinks(const std::string& path) {
  LinkEnd end{path, false};
  for (int hops = 0; hops < 40; ++hops) {
    end.through_proc = end.through_proc || end.path.rfind("/proc/", 0) == 0;
    struct stat link {};
    if (::lstat(end.path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return end;
    std::string named(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : PATH_MAX) + 1, '\0');
    const ssize_t length = ::readlink(end.path.c_str(), named.data(), named.size());
    if (length < 0) Fail(path, "cannot read the link", errno);
    named.resize(static_cast<std::size_t>(length));
    const std::size_t slash = end.path.rfind('/');
    end.path = named.front() == '/' || slash == std::string::npos ? named : end.path.substr(0, slash + 1) + named;
  }
  Fail(path, "cannot follow the link", ELOOP);
}

// A device or a pipe takes the bytes where it is; it is never replaced.
void WriteInPlace(const std::string& path, std::string_view content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Fail(path, "cannot open it", errno);
  if (!WriteAll(fd, content)) {
    const int error = errno;
    ::close(fd);
    Fail(path, "write failed", error);
  }
  if (::close(fd) != 0) Fail(path, "cannot close", errno);
}

// A new regular file at `target`, or a new version of the one there (`old`),
// which keeps its permissions and, where this process may set it, its owner.
void Replace(const std::string& path, const std::string& target, std::string_view content,
             const struct stat* old) {
  try {
    PendingFile file(target);
    if (!WriteAll(file.Descriptor(), content)) throw std::system_error(errno, std::generic_category(), "write failed");
    if (old != nullptr) {
      // Owner first: a change of owner clears the set-id bits that the mode then restores.
      // Where the owner may not be given away, the group alone may still be
      // kept; where neither may, the file stays this process's.
      if (::fchown(file.Descriptor(), old->st_uid, old->st_gid) != 0 &&
          ::fchown(file.Descriptor(), static_cast<uid_t>(-1), old->st_gid) != 0) {
      }
      if (::fchmod(file.Descriptor(), old->st_mode & 07777) != 0) {
        throw std::system_error(errno, std::generic_category(), "cannot keep its permissions");
      }
    }
    file.Commit();
  } catch (const std::system_error& error) {
    Refuse(path, error.what());
  }
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view content) {
  if (path.empty() || path.back() == '/') Refuse(path, "no file name");
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) Fail(path, "cannot look at it", errno);
    const LinkEnd end = FollowLinks(path);
    if (end.path != path) Refuse(path, "it is a symbolic link to " + end.path + ", which does not exist");
    Replace(path, path, content, nullptr);
    return;
  }
  if (S_ISDIR(st.st_mode)) Refuse(path, "it is a folder");
  if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return WriteInPlace(path, content);
  if (!S_ISREG(st.st_mode)) {
    const char* kind = S_ISBLK(st.st_mode) ? "a block device" : S_ISSOCK(st.st_mode) ? "a socket" : "no file";
    Refuse(path, std::string("it is ") + kind + "; a picture goes into a file, a character device or a pipe");
  }
  const LinkEnd end = FollowLinks(path);
  if (end.through_proc) return WriteInPlace(path, content);
  if (st.st_nlink > 1) {
    Refuse(path, "it has " + std::to_string(st.st_nlink) +
                     " hard links, which a new file in its place would part; remove the other links or "
                     "write to another name");
  }
  Replace(path, end.path, content, &st);
}

}  // namespace platform
