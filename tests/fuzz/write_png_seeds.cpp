// Writes every PNG test fixture into a folder, as the fuzzer's seed corpus.
#include <cstdio>
#include <fstream>
#include <string>

#include "png_fixtures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_png_seeds FOLDER\n");
    return 2;
  }
  for (const auto& fixture : tickwell::testing::pngFixtures()) {
    const auto bytes = tickwell::testing::encodePng(fixture);
    std::ofstream(std::string(argv[1]) + "/" + fixture.name + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}
