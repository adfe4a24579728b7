#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "temp_dir.h"
#include "x_session.h"

namespace tickwell {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;

const std::string kTitle = "Tickwell V1.0";
// Where things are in the client area.
constexpr int kStartX = 250, kStartY = 259;
constexpr int kIndicatorX = 15, kIndicatorY = 246;

class ProgramE2eTest : public ::testing::Test {
 protected:
  std::unique_ptr<ChildProcess> start(const std::string& workingDir = TICKWELL_SOURCE_DIR) {
    // No sound server answers here: the program runs without an audio output.
    const std::string noSoundServer = "PULSE_SERVER=unix:" + (scratch.path() / "no-sound-server").string();
    return std::make_unique<ChildProcess>(std::vector<std::string>{TICKWELL_BINARY}, workingDir,
                                          std::vector<std::string>{x.displayVariable(), noSoundServer}, stderrPath);
  }

  // Whether the indicator shows the sounding speaker: its waves are the only green in the window.
  bool speakerOnShown(Window window) {
    for (int row = 0; row < 34; ++row) {
      for (int column = 17; column < 32; column += 2) {
        const unsigned long rgb = x.pixel(window, kIndicatorX + column, kIndicatorY + row);
        const int r = static_cast<int>(rgb >> 16), g = static_cast<int>(rgb >> 8 & 0xff), b = static_cast<int>(rgb & 0xff);
        if (g > r + 40 && g > b + 40) return true;
      }
    }
    return false;
  }

  // What the program wrote on standard error, to explain a failure.
  std::string errors() const {
    std::ifstream in(stderrPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  testing::XSession x;
  testing::TempDir scratch;
  std::string stderrPath = (scratch.path() / "stderr.txt").string();
};

TEST_F(ProgramE2eTest, OpensItsWindowAndExitsZeroOnARealCloseRequest) {
  auto program = start();
  const auto window = x.waitForWindow(kTitle, 20s);
  ASSERT_TRUE(window) << "no window titled " << kTitle;
  const XRectangle client = x.clientGeometry(*window);
  EXPECT_EQ(client.width, 300);
  EXPECT_EQ(client.height, 280);
  EXPECT_EQ(client.x, 200) << "no window manager here: the frame is the client area";
  EXPECT_EQ(client.y, 200);
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(program->running()) << "it must keep running until asked to close";
  x.sendCloseRequest(*window);
  EXPECT_EQ(program->waitForExit(10s), 0) << errors();
}

TEST_F(ProgramE2eTest, WithoutAudioOutputStartFlashesTheSpeakerOnEveryBeatAndStopLeavesItOff) {
  auto program = start();
  const auto window = x.waitForWindow(kTitle, 20s);
  ASSERT_TRUE(window);
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(speakerOnShown(*window));

  x.click(*window, kStartX, kStartY);
  std::set<bool> seen;
  for (int sample = 0; sample < 40; ++sample) {  // two seconds at 120 beats a minute: four beats
    seen.insert(speakerOnShown(*window));
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_EQ(seen.size(), 2u) << "the speaker picture must flash on and off";

  x.click(*window, kStartX, kStartY);
  std::this_thread::sleep_for(300ms);
  for (int sample = 0; sample < 10; ++sample) {
    EXPECT_FALSE(speakerOnShown(*window)) << "stopped, it shows the silent speaker";
    std::this_thread::sleep_for(60ms);
  }
  x.sendCloseRequest(*window);
  EXPECT_EQ(program->waitForExit(10s), 0) << errors();
}

TEST_F(ProgramE2eTest, RunsFromAFolderWithoutDataAndStillExitsZero) {
  auto program = start(scratch.path().string());
  const auto window = x.waitForWindow(kTitle, 20s);
  ASSERT_TRUE(window);
  x.click(*window, kStartX, kStartY);
  std::this_thread::sleep_for(700ms);
  EXPECT_TRUE(program->running());
  x.sendCloseRequest(*window);
  EXPECT_EQ(program->waitForExit(10s), 0) << errors();
}

TEST(ProgramWithoutDisplayTest, SaysSoInOneLineAndExitsOne) {
  testing::TempDir scratch;
  const std::string errors = (scratch.path() / "stderr.txt").string();
  ChildProcess program({TICKWELL_BINARY}, scratch.path().string(), {"DISPLAY=:4711", "QT_QPA_PLATFORM=xcb"}, errors);
  EXPECT_EQ(program.waitForExit(20s), 1);
  std::ifstream in(errors);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "tickwell: cannot open a display (is DISPLAY set?)\n");
}

}  // namespace
}  // namespace tickwell
