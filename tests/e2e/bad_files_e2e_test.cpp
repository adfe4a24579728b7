#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "temp_dir.h"
#include "x_session.h"

namespace tickwell {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

enum class Damage { Empty, Truncated, WrongMagic, AbsurdSize, Directory, Unreadable };

struct BadFileCase {
  std::string file;
  Damage damage;
};

void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.file << " damaged (" << static_cast<int>(c.damage) << ")"; }

std::string nameOf(const ::testing::TestParamInfo<BadFileCase>& info) {
  static const char* kDamage[] = {"Empty", "Truncated", "WrongMagic", "AbsurdSize", "Directory", "Unreadable"};
  std::string name = info.param.file.substr(0, info.param.file.find('.'));
  return name + kDamage[static_cast<int>(info.param.damage)];
}

void overwrite(const fs::path& file, std::size_t at, const std::string& bytes) {
  std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
  out.seekp(static_cast<std::streamoff>(at));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void damage(const fs::path& file, Damage how) {
  const bool wav = file.extension() == ".wav";
  switch (how) {
    case Damage::Empty: fs::resize_file(file, 0); break;
    case Damage::Truncated: fs::resize_file(file, wav ? 30 : 20); break;
    case Damage::WrongMagic: overwrite(file, 0, "JUNK"); break;
    case Damage::AbsurdSize:
      // A WAV whose data chunk claims nearly 4 GiB; a PNG claiming 4 billion pixels a side.
      overwrite(file, wav ? 40 : 16, "\xf0\xff\xff\xff");
      break;
    case Damage::Directory:
      fs::remove(file);
      fs::create_directory(file);
      break;
    case Damage::Unreadable: fs::permissions(file, fs::perms::none); break;
  }
}

class BadFileE2eTest : public ::testing::TestWithParam<BadFileCase> {};

// Any one file broken: the program starts, runs the metronome and exits 0, the other slots intact.
TEST_P(BadFileE2eTest, StartsRunsAndExitsZero) {
  testing::TempDir folder;
  fs::copy(fs::path(TICKWELL_SOURCE_DIR) / "data", folder.path() / "data");
  damage(folder.path() / "data" / GetParam().file, GetParam().damage);

  testing::XSession x;
  testing::ChildProcess program({TICKWELL_BINARY}, folder.path().string(),
                                {x.displayVariable(), "PULSE_SERVER=unix:" + (folder.path() / "none").string()});
  const auto window = x.waitForWindow("Tickwell V1.0", 20s);
  ASSERT_TRUE(window);
  // Stopped, the indicator shows the silent speaker's grey cone, or the window's face where that
  // picture is broken. (Root reads an unreadable file all the same.)
  const bool pictureBroken = GetParam().file == "speakeroff.png" && GetParam().damage != Damage::Unreadable;
  const unsigned long expected = pictureBroken ? 0xefefefu : 0x6e6e6eu;
  unsigned long cone = 0;
  for (int attempt = 0; attempt < 100 && cone != expected; ++attempt) {
    std::this_thread::sleep_for(50ms);  // until the window is painted
    cone = x.pixel(*window, 15 + 6, 246 + 16);
  }
  EXPECT_EQ(cone, expected) << (pictureBroken ? "a broken picture leaves the indicator blank" : "the silent speaker shows");
  x.click(*window, 250, 259);  // Start
  std::this_thread::sleep_for(600ms);
  EXPECT_TRUE(program.running());
  x.sendCloseRequest(*window);
  EXPECT_EQ(program.waitForExit(10s), 0);
}

std::vector<BadFileCase> allCases() {
  std::vector<BadFileCase> cases;
  for (const char* file : {"metroon.wav", "stickon.wav", "dingon.wav", "metrooff.wav", "stickoff.wav", "dingoff.wav",
                           "speakeron.png", "speakeroff.png"}) {
    for (const Damage how : {Damage::Empty, Damage::Truncated, Damage::WrongMagic, Damage::AbsurdSize,
                             Damage::Directory, Damage::Unreadable}) {
      cases.push_back({file, how});
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(DataFiles, BadFileE2eTest, ::testing::ValuesIn(allCases()), nameOf);

}  // namespace
}  // namespace tickwell
