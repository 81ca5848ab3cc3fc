#include "platform/pending_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array<int, 4> kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

// A signal handler reaches only static storage, and may not lock: the path of
// the one pending temporary file, published before `pending_armed` is set.
std::array<char, PATH_MAX> pending_path{};
std::atomic<bool> pending_armed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "read from a signal handler");

std::mutex pending_slot;
std::array<struct sigaction, kEndingSignals.size()> earlier_actions{};
std::array<bool, kEndingSignals.size()> watching{};

// Removes the temporary file, then ends the process by the same signal: the
// action was reset to the default on entry (SA_RESETHAND), and the signal,
// blocked while this runs, arrives again as soon as it returns. Only
// async-signal-safe calls.
extern "C" void RemovePendingAndEnd(int signal) {
  if (pending_armed.load()) ::unlink(pending_path.data());
  ::raise(signal);
}

void WatchEndingSignals() {
  struct sigaction remove {};
  remove.sa_handler = RemovePendingAndEnd;
  remove.sa_flags = SA_RESETHAND;
  ::sigfillset(&remove.sa_mask);
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
    watching[i] = ::sigaction(kEndingSignals[i], nullptr, &earlier_actions[i]) == 0 &&
                  earlier_actions[i].sa_handler == SIG_DFL &&
                  (earlier_actions[i].sa_flags & SA_SIGINFO) == 0 &&
                  ::sigaction(kEndingSignals[i], &remove, nullptr) == 0;
  }
}

void UnwatchEndingSignals() {
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
    if (watching[i]) ::sigaction(kEndingSignals[i], &earlier_actions[i], nullptr);
  }
}

// ".NAME." in the target's folder; long names are shortened so that the
// temporary one stays within the 255 bytes a file name may have.
std::string TemporaryStem(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name.substr(0, 200) + ".";
}

}  // namespace

PendingFile::PendingFile(const std::string& target)
    : one_at_a_time_(pending_slot), target_(target) {
  const std::string stem = TemporaryStem(target);
  constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
  if (stem.size() + 6 >= pending_path.size()) {
    throw std::system_error(ENAMETOOLONG, std::generic_category(), "cannot create a file in its folder");
  }
  WatchEndingSignals();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = stem;
    for (int i = 0; i < 6; ++i) temporary_ += kLetters[letter(random)];
    // Armed before the file exists, so that no moment leaves it unwatched: a
    // signal before the open finds nothing to remove (or, on a name taken
    // by chance, a temporary file of the same target that was left behind).
    temporary_.copy(pending_path.data(), temporary_.size());
    pending_path[temporary_.size()] = '\0';
    pending_armed.store(true);
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return;
    pending_armed.store(false);
    if (errno != EEXIST) break;
  }
  const int error = errno;
  UnwatchEndingSignals();
  throw std::system_error(error, std::generic_category(), "cannot create a file in its folder");
}

PendingFile::~PendingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(temporary_.c_str());
  pending_armed.store(false);
  UnwatchEndingSignals();
}

void PendingFile::Commit() {
  if (::fsync(fd_) != 0) throw std::system_error(errno, std::generic_category(), "cannot flush");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw std::system_error(errno, std::generic_category(), "cannot close");
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    throw std::system_error(errno, std::generic_category(), "cannot put it in place");
  }
  committed_ = true;
  pending_armed.store(false);
}

}  // namespace platform
