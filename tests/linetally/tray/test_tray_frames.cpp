#include "linetally/tray/tray_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lt {
namespace {

using Frame = std::vector<std::string>;

std::vector<Frame> Frames(const std::string& pixmap) {
  std::vector<Frame> frames;
  std::istringstream in(pixmap);
  std::string line;
  while (std::getline(in, line)) {
    if (line == "frame") {
      frames.emplace_back();
    } else if (!frames.empty()) {
      frames.back().push_back(line);
    }
  }
  return frames;
}

size_t Count(const Frame& frame, char key) {
  size_t n = 0;
  for (const std::string& row : frame) n += std::count(row.begin(), row.end(), key);
  return n;
}

std::string ReadDescription() {
  std::ifstream in(LT_TRAY_FRAMES_DESCRIPTION, std::ios::binary);
  EXPECT_TRUE(in) << LT_TRAY_FRAMES_DESCRIPTION;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(TrayFrames, SeventeenFramesOfGaugeThenOnLineThenIdle) {
  const std::vector<Frame> frames = Frames(TrayFramesPixmap(ReadDescription()));
  ASSERT_EQ(frames.size(), 17u);
  for (const Frame& frame : frames) {
    ASSERT_EQ(frame.size(), 16u);
    for (const std::string& row : frame) ASSERT_EQ(row.size(), 16u);
  }
  size_t previous = 0;
  for (int i = 0; i < 15; ++i) {
    const size_t red = Count(frames[i], 'R');
    EXPECT_EQ(red, static_cast<size_t>(GaugeFill(i, 15, 14))) << "frame " << i;
    EXPECT_GE(red, previous);
    EXPECT_GT(Count(frames[i], 'Y'), 0u);
    EXPECT_EQ(Count(frames[i], 'G'), 0u);
    previous = red;
  }
  EXPECT_EQ(Count(frames[0], 'R'), 0u);
  EXPECT_EQ(Count(frames[14], 'R'), 13u);  // nearly the full 14
  EXPECT_GT(Count(frames[15], 'G'), 0u);
  EXPECT_EQ(Count(frames[15], 'Y'), 0u);
  for (int i : {15, 16}) {
    EXPECT_EQ(Count(frames[i], 'R'), 0u) << "frame " << i << " has a gauge";
    EXPECT_EQ(Count(frames[i], 'E'), 0u) << "frame " << i << " has a bar outline";
  }
  // Idle is the gauge's telephone without the bar.
  EXPECT_EQ(Frame(frames[16].begin(), frames[16].begin() + 12),
            Frame(frames[0].begin(), frames[0].begin() + 12));
  EXPECT_EQ(frames[16][14], std::string(16, '.'));
}

TEST(TrayFrames, GaugeFillRunsFromNoneToOneShortOfFull) {
  EXPECT_EQ(GaugeFill(0, 15, 14), 0);
  EXPECT_EQ(GaugeFill(7, 15, 14), 7);
  EXPECT_EQ(GaugeFill(14, 15, 14), 13);
}

TEST(TrayFrames, BadDescriptionNamesTheLine) {
  const std::string good = "size 4 4\nblank .\nbody b P p\nplain b\nphone\n.PP.\nend\n";
  EXPECT_EQ(Frames(TrayFramesPixmap(good)).size(), 1u);
  try {
    TrayFramesPixmap("size 4 4\nblank .\nbody b P p\nplain b\nphone\n.PP\nend\n");
    FAIL() << "accepted a short row";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 6"), std::string::npos) << e.what();
  }
  EXPECT_THROW(TrayFramesPixmap("size 4 4\nblank .\nplain nobody\n"), std::runtime_error);
  EXPECT_THROW(TrayFramesPixmap("size 4 4\nblank .\nbody b P p\nplain b\nphone\n....\n"),
               std::runtime_error);
  EXPECT_THROW(TrayFramesPixmap("size 4 4\nwhat\n"), std::runtime_error);
}

}  // namespace
}  // namespace lt
