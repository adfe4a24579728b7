#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "pulse_server.h"
#include "temp_dir.h"
#include "x_session.h"

namespace tickwell {
namespace {

using namespace std::chrono_literals;

std::string contentsOf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The shipped build under memcheck: start, five seconds of clicks, a real close request.
TEST(ValgrindE2eTest, ARunWithClicksHasNoInvalidAccessAndLeaksNothingOfOurs) {
  testing::TempDir folder;
  testing::PulseServer pulse(folder.path());
  ASSERT_TRUE(pulse.ready());
  testing::XSession x;
  const std::string log = (folder.path() / "memcheck.txt").string();
  testing::ChildProcess program({"valgrind", "--error-exitcode=99", "--leak-check=full", "--show-leak-kinds=definite",
                                 "--errors-for-leak-kinds=definite", "--num-callers=40",
                                 "--suppressions=" TICKWELL_SOURCE_DIR "/tests/valgrind.supp", "--log-file=" + log,
                                 TICKWELL_RELEASE_BINARY},
                                TICKWELL_SOURCE_DIR, {x.displayVariable(), pulse.serverVariable()},
                                (folder.path() / "stderr.txt").string());
  const auto window = x.waitForWindow("Tickwell V1.0", 120s);
  ASSERT_TRUE(window) << contentsOf(log);
  std::this_thread::sleep_for(2s);
  x.click(*window, 250, 259);  // Start
  std::this_thread::sleep_for(5s);
  x.sendCloseRequest(*window);
  EXPECT_EQ(program.waitForExit(120s), 0) << contentsOf(log);
}

}  // namespace
}  // namespace tickwell
