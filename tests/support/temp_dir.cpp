#include "temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace tickwell::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tickwell-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(std::string_view name, const std::vector<std::uint8_t>& bytes) const {
  const auto file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return file.string();
}

std::string TempDir::write(std::string_view name, std::string_view text) const {
  return write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace tickwell::testing
