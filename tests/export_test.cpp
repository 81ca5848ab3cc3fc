#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/atomic_file.h"
#include "platform/pending_file.h"
#include "diagram/colours.h"
#include "diagram/svg_surface.h"
#include "platform/runtime_error.h"

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(SvgPicture, ElementsLandOnThePixelsOfTheBox) {
  diagram::SvgSurface svg(100, 50, 3);
  svg.Scale(-50, 10, 50, -10);  // y grows upward
  svg.Line(-50, 0, 50, 0, diagram::kAxisColour);
  svg.PSet(0, 10, diagram::kBlue);       // top centre: pixel (50, 0)
  svg.PSet(49.99f, -9.99f, diagram::kRed);  // lower-right pixel (99, 49)
  svg.PSet(60, 0, diagram::kRed);       // outside the box: not drawn
  svg.Circle(0, 0, 2, diagram::kGreen);  // 2 units = 2 pixels
  const std::string doc = svg.Document();
  EXPECT_NE(doc.find("width=\"300\" height=\"150\" viewBox=\"0 0 100 50\""), std::string::npos);
  EXPECT_NE(doc.find("<line x1=\"0.5\" y1=\"25.5\" x2=\"100.5\" y2=\"25.5\" stroke=\"#050000\""),
            std::string::npos)
      << doc;
  EXPECT_NE(doc.find("<rect x=\"50\" y=\"0\" width=\"1\" height=\"1\""), std::string::npos);
  EXPECT_NE(doc.find("fill=\"#0000ff\""), std::string::npos);
  EXPECT_NE(doc.find("<rect x=\"99\" y=\"49\""), std::string::npos);
  EXPECT_EQ(Count(doc, "<rect x="), 2u);
  EXPECT_NE(doc.find("<circle cx=\"50.5\" cy=\"25.5\" r=\"2\" fill=\"none\" stroke=\"#00ff00\""),
            std::string::npos);
  EXPECT_NE(doc.find("fill=\"#ffffc0\""), std::string::npos) << "light-yellow box";
  EXPECT_NE(doc.find(">p</text>"), std::string::npos);
  EXPECT_NE(doc.find(">\u03b8</text>"), std::string::npos);
}

TEST(SvgPicture, ClsErasesAndAFlatScaleIsRefused) {
  diagram::SvgSurface svg(100, 50);
  svg.PSet(1, 1, diagram::kBlue);
  svg.Cls();
  EXPECT_EQ(Count(svg.Document(), "<rect x="), 0u);
  EXPECT_THROW(svg.Scale(-50, 0, 50, 0), platform::RuntimeError);
}

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("shocks-atomic-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir);
  }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
  }
  std::filesystem::path dir;
};

TEST_F(AtomicFile, WritesWholeAndReplaces) {
  const std::string path = (dir / "picture.svg").string();
  platform::WriteFileAtomically(path, "first");
  platform::WriteFileAtomically(path, "second, longer");
  EXPECT_EQ(Read(path), "second, longer");
  EXPECT_EQ(Entries(), 1u) << "no temporary file left";
}

TEST_F(AtomicFile, UnwritablePlacesLeaveNothing) {
  EXPECT_THROW(platform::WriteFileAtomically((dir / "missing" / "p.svg").string(), "x"),
               std::runtime_error);
  std::filesystem::create_directories(dir / "taken");
  try {
    platform::WriteFileAtomically((dir / "taken").string(), "x");  // a folder is in the way
    FAIL() << "a folder cannot be replaced by a picture";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("taken"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Entries(), 1u) << "only the folder; no temporary file left";
  EXPECT_THROW(platform::WriteFileAtomically((dir / "").string(), "x"), std::runtime_error);
}

TEST_F(AtomicFile, LinksAreWrittenThroughAndStayLinks) {
  namespace fs = std::filesystem;
  fs::create_directories(dir / "sub");
  platform::WriteFileAtomically((dir / "sub" / "real.svg").string(), "old");
  fs::create_symlink("sub/real.svg", dir / "picture.svg");  // relative to the link's folder
  platform::WriteFileAtomically((dir / "picture.svg").string(), "new");
  EXPECT_TRUE(fs::is_symlink(dir / "picture.svg"));
  EXPECT_EQ(Read(dir / "sub" / "real.svg"), "new");
  EXPECT_EQ(Entries(), 2u);

  fs::create_symlink("sub/none.svg", dir / "ghost.svg");
  try {
    platform::WriteFileAtomically((dir / "ghost.svg").string(), "x");
    FAIL() << "a link to a missing file is not written through";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("does not exist"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(dir / "sub" / "none.svg"));
  EXPECT_TRUE(fs::is_symlink(dir / "ghost.svg"));

  // /dev/stdout is such a link into /proc: the open file takes the picture.
  const int out = ::open((dir / "out.txt").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(out, 0);
  fs::create_symlink("/proc/self/fd/" + std::to_string(out), dir / "stdout.svg");
  platform::WriteFileAtomically((dir / "stdout.svg").string(), "picture");
  struct stat open_file {}, named_file {};
  ::fstat(out, &open_file);
  ::close(out);
  ASSERT_EQ(::stat((dir / "out.txt").c_str(), &named_file), 0);
  EXPECT_EQ(open_file.st_ino, named_file.st_ino) << "the open file itself, not a new one";
  EXPECT_EQ(Read(dir / "out.txt"), "picture");
  EXPECT_TRUE(fs::is_symlink(dir / "stdout.svg"));
}

TEST_F(AtomicFile, PipesAreWrittenInPlaceAndHardLinksAreKept) {
  namespace fs = std::filesystem;
  const fs::path pipe = dir / "pipe.svg";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = Read(pipe); });
  platform::WriteFileAtomically(pipe.string(), "through the pipe");
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(pipe));

  platform::WriteFileAtomically((dir / "a.svg").string(), "old");
  fs::create_hard_link(dir / "a.svg", dir / "b.svg");
  try {
    platform::WriteFileAtomically((dir / "a.svg").string(), "new");
    FAIL() << "a new file would part the hard links";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("2 hard links"), std::string::npos) << e.what();
  }
  EXPECT_EQ(fs::hard_link_count(dir / "a.svg"), 2u);
  EXPECT_EQ(Read(dir / "a.svg"), "old");
  EXPECT_EQ(Entries(), 3u);
}

TEST_F(AtomicFile, KeepsModeAndOwnerAndHonoursTheUmask) {
  const std::string kept = (dir / "kept.svg").string();
  platform::WriteFileAtomically(kept, "old");
  ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(kept.c_str(), 4321, 4322), 0);
  }
  platform::WriteFileAtomically(kept, "new");
  struct stat st {};
  ASSERT_EQ(::stat(kept.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
  }

  const mode_t umask_before = ::umask(077);
  platform::WriteFileAtomically((dir / "private.svg").string(), "x");
  ::umask(027);
  platform::WriteFileAtomically((dir / "group.svg").string(), "x");
  ::umask(umask_before);
  ASSERT_EQ(::stat((dir / "private.svg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_EQ(::stat((dir / "group.svg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Runs `work` in a child process; its wait status.
template <typename Work>
int InChild(Work work) {
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit no_core{0, 0};
    ::setrlimit(RLIMIT_CORE, &no_core);
    _exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

TEST_F(AtomicFile, AnEndingSignalLeavesNoTemporaryFile) {
  // A file-size limit stops the write itself with SIGXFSZ.
  const std::string path = (dir / "limited.svg").string();
  int status = InChild([&] {
    const rlimit small{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &small);
    platform::WriteFileAtomically(path, std::string(5000, 'x'));
    return 0;
  });
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(Entries(), 0u);

  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    status = InChild([&] {
      platform::PendingFile file(path);
      ::raise(signal);
      return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(Entries(), 0u) << signal;
  }

  // A program that handles a signal itself keeps doing so.
  status = InChild([&] {
    std::signal(SIGHUP, SIG_IGN);
    platform::PendingFile file(path);
    ::raise(SIGHUP);
    file.Commit();
    return 7;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(Entries(), 1u);
}
