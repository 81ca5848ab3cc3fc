#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/atomic_file.h"
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
